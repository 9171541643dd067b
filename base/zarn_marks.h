#pragma once
// Shared drawing routines: 3D frames, rectangle outlines and the small
// data-point marks. They draw with the canvas's current pen and brush and keep
// no state of their own.

#include <cstdint>

#include "surface/zarn_canvas.h"
#include "surface/zarn_color.h"

namespace zarn {

enum TFrameStyle : std::uint8_t { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
// The colours a control hands to its frame: fixed black, white and greys, or
// the desktop's button shadow and highlight.
enum TColorScheme : std::uint8_t { csBWG, csSystem };

// Frames the rectangle whose corner pixels (Left, Top) and (Right, Bottom) are
// both inside. Sets the pen colour and leaves the pen at the last point drawn.
void DrawStyledFrame(TCanvas& Surface, TFrameStyle Style, int Left, int Top, int Right, int Bottom,
                     TColor Highlight, TColor Light, TColor Shadow, TColor Dark, TColor Simple);

// A closed outline through the four corners with the current pen, every
// corner pixel included.
void DrawRectOutline(TCanvas& Surface, int X1, int Y1, int X2, int Y2);

// Sets the pixels of one of the 7 x 7 screen patterns (1 to 6 and 18) centred
// on (X, Y); any other pattern number draws nothing.
void DrawBitmapMark(TCanvas& Surface, int Pattern, TColor Color, int X, int Y);

// Mark types 0 to 51 are shapes drawn with the current pen, filled in the pen
// colour, with line-drawn forms on the printer's canvas; the brush colour is
// set back afterwards. 52 to 255 draw one Latin-1 character (200 to 209 the
// digits) centred on (X, Y) in the pen colour on a clear brush.
void DrawMarkShape(TCanvas& Surface, std::uint8_t MarkType, int X, int Y);

}  // namespace zarn
