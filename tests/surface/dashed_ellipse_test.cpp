// Broken pen styles on ellipses and arcs.

#include <gtest/gtest.h>

#include "surface/zarn_surface.h"

namespace zarn {
namespace {

struct TRing {
  int on = 0;     // pen pixels on the solid outline
  int gap = 0;    // gap-colour pixels on it
  int stray = 0;  // pen or gap pixels off it
};

// Draws the figure solid, then with the style (gaps red, inside clear), and
// compares the two.
template <typename Figure>
TRing Compare(TPenStyle style, Figure figure) {
  TBitmap solid(60, 40), dashed(60, 40);
  for (TBitmap* b : {&solid, &dashed}) {
    b->Canvas().Brush().SetColor(clWhite);
    b->Canvas().FillRect(Rect(0, 0, 60, 40));
  }
  solid.Canvas().Brush().SetStyle(bsClear);
  figure(solid.Canvas());
  TCanvas& c = dashed.Canvas();
  c.Pen().SetStyle(style);
  c.Brush().SetColor(clRed);
  figure(c);
  TRing r;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) {
      const bool ring = solid.Canvas().Pixel(x, y) == clBlack;
      const TColor p = dashed.Canvas().Pixel(x, y);
      if (ring && p == clBlack) ++r.on;
      if (ring && p == clRed) ++r.gap;
      if (!ring && p == clBlack) ++r.stray;
    }
  return r;
}

TEST(DashedOutline, EllipseKeepsItsPixelsAndBreaksThemByThePattern) {
  // The inside is filled red as well, so only the ring's own pixels count.
  const TRing dots = Compare(psDot, [](TCanvas& c) { c.Ellipse(5, 5, 55, 35); });
  EXPECT_EQ(dots.stray, 0);
  EXPECT_GT(dots.on, 40);
  EXPECT_NEAR(dots.on, dots.gap, 6);  // three on, three off
  const TRing dashes = Compare(psDash, [](TCanvas& c) { c.Ellipse(5, 5, 55, 35); });
  EXPECT_EQ(dashes.stray, 0);
  EXPECT_GT(dashes.on, 2 * dashes.gap);  // eighteen on, six off
}

TEST(DashedOutline, ArcBreaksOnlyItsOwnSweep) {
  const auto quarter = [](TCanvas& c) { c.Arc(5, 5, 55, 35, 55, 20, 30, 5); };
  const TRing dots = Compare(psDot, quarter);
  EXPECT_EQ(dots.stray, 0);
  EXPECT_GT(dots.on, 10);
  EXPECT_GT(dots.gap, 10);
  // A clear brush leaves the gaps alone.
  TBitmap b(60, 40);
  b.Canvas().Pen().SetStyle(psDot);
  b.Canvas().Brush().SetStyle(bsClear);
  quarter(b.Canvas());
  int red = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x)
      red += b.Canvas().Pixel(x, y) == clRed;
  EXPECT_EQ(red, 0);
}

}  // namespace
}  // namespace zarn
