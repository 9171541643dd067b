#pragma once
// Text through fontconfig and FreeType, shared by the canvas operations.
// Internal to the surface: components use TCanvas::TextOut and friends.

#include <string_view>

#include "surface/zarn_color.h"
#include "surface/zarn_graphics.h"
#include "surface/zarn_types.h"

namespace zarn::text {

struct TTextMetrics {
  int Width = 0;   // advance width of the whole string
  int Height = 0;  // cell height of the font (ascent + descent), the same for every string
  int Ascent = 0;  // from the top of the cell to the baseline
};

// Sizes of a UTF-8 string in the font (Height < 0: character height in pixels,
// Height > 0: cell height; Size in points converts through the font's PixelsPerInch).
// At a scale above 1, the sizes of the font that many times larger.
TTextMetrics Measure(const TFont& font, std::string_view utf8, int scale = 1);

// The 32-bit pixels text is drawn into, and the rectangle it may touch
// (already intersected with the pixel area).
struct TTextTarget {
  TColor* Pixels = nullptr;
  int Width = 0;
  int Height = 0;
  TRect Clip;
};

// Draws a UTF-8 string with the top-left corner of its cell at (x, y), in
// rgb (already resolved), with underline and strike-out as the font says.
// Only glyph pixels are touched; backgrounds are the canvas's business.
void Draw(const TTextTarget& target, int x, int y, const TFont& font, std::string_view utf8,
          TColor rgb, int scale = 1);

}  // namespace zarn::text
