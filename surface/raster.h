#pragma once
// The integer rasterizer behind TCanvas. Internal to the surface.
//
// Every routine works in bitmap coordinates held in 64-bit integers, so a
// canvas coordinate plus the origin never overflows, and touches only the
// pixels inside the clip rectangle: the cost of a primitive depends on what it
// covers inside the bitmap, never on its size outside.
//
// Pixel centres sit on integer coordinates. Lines step along their major axis
// and leave out the end pixel; the minor coordinate of step i is
// floor((2 i |d_minor| + n) / 2n), that is, the exact line rounded with halves
// going forward. Fills are scanline spans: a pixel belongs to a polygon when
// its centre lies inside by the alternate rule, left and top edges included,
// right and bottom edges excluded.

#include <cstdint>
#include <span>
#include <vector>

#include "surface/zarn_color.h"

namespace zarn::raster {

using i64 = std::int64_t;

struct TPoint64 {
  i64 X = 0;
  i64 Y = 0;
};

// A pixel area and the part of it that may be drawn on: Left/Top included,
// Right/Bottom excluded, always inside 0 .. Width x 0 .. Height. On a
// high-density device each of its pixels is a Scale x Scale block of the
// device's, so every routine draws the same shape, Scale times larger.
struct TTarget {
  TColor* Pixels = nullptr;
  int Width = 0;
  int Height = 0;
  int Scale = 1;
  std::ptrdiff_t Stride = 0;  // device pixels from one device row to the next
  i64 ClipLeft = 0;
  i64 ClipTop = 0;
  i64 ClipRight = 0;
  i64 ClipBottom = 0;

  bool Empty() const { return ClipLeft >= ClipRight || ClipTop >= ClipBottom; }
  // The top-left device pixel of pixel (x, y).
  TColor* At(i64 x, i64 y) const {
    return Pixels + static_cast<std::ptrdiff_t>(y * Stride + x) * Scale;
  }
};

// The same area and clip counted in device pixels, with Scale 1.
TTarget DevicePixels(const TTarget& t);

enum TOp : std::uint8_t { opCopy, opXor };

// A resolved colour and how it meets the destination.
struct TPaint {
  TColor Rgb = 0;
  TOp Op = opCopy;
};

// One horizontal run of pixels x0 .. x1 - 1 on row y, clipped here.
void Span(const TTarget& t, i64 y, i64 x0, i64 x1, TPaint paint);
void FillBox(const TTarget& t, i64 x0, i64 y0, i64 x1, i64 y1, TPaint paint);

// The on/off lengths of a pen style, starting with "on"; empty for solid.
std::span<const int> DashPattern(int penStyle);

// A one-pixel line from a to b, b left out. With a pattern, pixel k of the
// line (counting from a, before clipping) is on when (phase + k) falls on an
// "on" run; off pixels take gap when given. Returns the new phase.
i64 ThinLine(const TTarget& t, TPoint64 a, TPoint64 b, TPaint pen, std::span<const int> pattern,
             i64 phase, const TPaint* gap);

class TSpanSet;

// The same line drawn with a size x size square whose top-left corner
// follows it, on pen pixels and (when given) gap pixels: a line one block
// of a denser device thick. Returns the new phase.
i64 SquareLine(const TTarget& t, TPoint64 a, TPoint64 b, int size, TPaint pen,
               std::span<const int> pattern, i64 phase, const TPaint* gap);
// The same squares gathered into span sets, for exclusive-or figures.
i64 AddSquareLine(TSpanSet& pen, TSpanSet* gap, TPoint64 a, TPoint64 b, int size,
                  std::span<const int> pattern, i64 phase);

// Pixel runs gathered from several shapes and painted once each, so that a
// figure drawn in exclusive-or mode shows every pixel it covers.
class TSpanSet {
 public:
  explicit TSpanSet(const TTarget& t) : target_(t) {}
  void Add(i64 y, i64 x0, i64 x1);
  // A line of the given width with round ends: the pixels whose centres lie
  // within width / 2 of the segment (even widths are centred half a pixel down-right).
  void AddWideLine(TPoint64 a, TPoint64 b, int width);
  void Paint(TPaint paint);
  bool Empty() const { return runs_.empty(); }
  const TTarget& Target() const { return target_; }

 private:
  struct TRun {
    i64 Y, X0, X1;
  };
  TTarget target_;
  std::vector<TRun> runs_;
};

// The pixel runs of an ellipse inscribed in x0 .. x1 - 1, y0 .. y1 - 1
// (normalised, non-empty): row y covers Left .. Right, both included. The
// shape is symmetric and touches all four sides of its box.
struct TEllipseRows {
  TEllipseRows(i64 x0, i64 y0, i64 x1, i64 y1);
  bool Row(i64 y, i64& left, i64& right) const;  // false when y is outside the box
  i64 X0, Y0, X1, Y1;
  long double Cx, Cy, A, B;
};

// The outline pixels of an ellipse or arc painted with a pen pattern, in
// order around (cx, cy) counter-clockwise from the start angle (radians,
// y up); off pixels take gap when given.
void DashedRing(const TTarget& t, std::vector<TPoint64>& pixels, long double cx, long double cy,
                long double start, std::span<const int> pattern, TPaint pen, const TPaint* gap);

// Scanline fill of a closed polygon with the alternate rule.
void FillPolygon(const TTarget& t, std::span<const TPoint64> points, TPaint paint);
// The same runs added to a span set (for exclusive-or figures).
void AddPolygonRuns(TSpanSet& set, const TTarget& t, std::span<const TPoint64> points);

}  // namespace zarn::raster
