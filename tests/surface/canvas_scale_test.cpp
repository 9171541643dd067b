#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <random>
#include <vector>

#include "surface/zarn_surface.h"

namespace zarn {
namespace {

// Every shape at scale s is the scale-1 shape with each pixel grown to an
// s x s block: positions, widths, patterns, clips, origins and copy modes.
using TStep = std::function<void(TCanvas&)>;

std::vector<TStep> RandomScene(std::mt19937& rng, const TBitmap& picture) {
  std::uniform_int_distribution<int> coord(-8, 48), kind(0, 9), style(0, 6), width(1, 4);
  std::uniform_int_distribution<int> colour(0, 0xFFFFFF);
  std::vector<TStep> steps;
  for (int n = 0; n < 12; ++n) {
    const std::array<int, 8> p = {coord(rng), coord(rng), coord(rng), coord(rng),
                                  coord(rng), coord(rng), coord(rng), coord(rng)};
    const int k = kind(rng), st = style(rng), w = width(rng);
    const TColor pen = static_cast<TColor>(colour(rng)), brush = static_cast<TColor>(colour(rng));
    const bool xorMode = rng() % 4 == 0, clip = rng() % 3 == 0, origin = rng() % 3 == 0;
    steps.push_back([=, &picture](TCanvas& c) {
      c.Pen().SetColor(pen);
      c.Pen().SetStyle(static_cast<TPenStyle>(st));
      c.Pen().SetWidth(w);
      c.Pen().SetMode(xorMode ? pmXor : pmCopy);
      c.Brush().SetColor(brush);
      c.Brush().SetStyle(p[7] % 2 ? bsSolid : bsClear);
      c.SetOrigin(origin ? Point(p[6] % 7, p[7] % 5) : Point(0, 0));
      if (clip)
        c.SetClipRect(Rect(p[4] / 2, p[5] / 2, p[4] / 2 + 20, p[5] / 2 + 15));
      else
        c.ResetClipRect();
      const std::array<TPoint, 4> poly = {Point(p[0], p[1]), Point(p[2], p[3]), Point(p[4], p[5]),
                                          Point(p[6], p[7])};
      switch (k) {
        case 0:
          c.MoveTo(p[0], p[1]);
          c.LinesTo(std::span(poly).subspan(1));
          break;
        case 1:
          c.Rectangle(p[0], p[1], p[2], p[3]);
          break;
        case 2:
          c.Ellipse(p[0], p[1], p[2], p[3]);
          break;
        case 3:
          c.Arc(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]);
          break;
        case 4:
          c.Polygon(poly);
          break;
        case 5:
          c.Polyline(poly);
          break;
        case 6:
          c.FillRect(Rect(p[0], p[1], p[2], p[3]));
          break;
        case 7:
          c.SetPixel(p[0], p[1], pen);
          break;
        case 8:
          c.Draw(p[0], p[1], picture);
          break;
        default: {
          // Whole multiples, mirrored or not: a stretch by another ratio
          // samples the picture at the device's finer pixels instead.
          const int mx = (p[2] % 3) + (p[2] % 2 ? -4 : 1), my = (p[3] % 2) + (p[3] % 3 ? 1 : -3);
          c.StretchDraw(Rect(p[0], p[1], p[0] + mx * picture.Width(), p[1] + my * picture.Height()),
                        picture);
          break;
        }
      }
    });
  }
  return steps;
}

bool IsBlockCopy(const TBitmap& small, const TBitmap& large, int s) {
  for (int y = 0; y < large.Height(); ++y)
    for (int x = 0; x < large.Width(); ++x)
      if (large.ScanLine(y)[x] != small.ScanLine(y / s)[x / s]) return false;
  return true;
}

TEST(CanvasScale, EveryShapeIsTheSameShapeInBlocks) {
  TBitmap picture(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      picture.ScanLine(y)[x] = RGB(40 * x, 80 * y, 7);
  picture.SetTransparent(true);
  std::mt19937 rng(2207);
  for (int round = 0; round < 300; ++round) {
    const int s = 2 + round % 3;
    TBitmap small(40, 30), large(40 * s, 30 * s);
    large.Canvas().SetScale(s);
    int n = 0;
    for (const TStep& step : RandomScene(rng, picture)) {
      step(small.Canvas());
      step(large.Canvas());
      ASSERT_TRUE(IsBlockCopy(small, large, s)) << "round " << round << " step " << n;
      ++n;
    }
  }
}

TEST(CanvasScale, CanvasPixelsAndDeviceSizeAreLogical) {
  TBitmap b(200, 120);
  TCanvas& c = b.Canvas();
  c.SetScale(0);
  EXPECT_EQ(c.Scale(), 1);
  c.SetScale(99);
  EXPECT_EQ(c.Scale(), kMaxCanvasScale);
  c.SetScale(2);
  EXPECT_EQ(c.ClipRect(), Rect(0, 0, 100, 60));
  EXPECT_EQ(GetDeviceCaps(c.Handle(), HORZRES), 100);
  EXPECT_EQ(GetDeviceCaps(c.Handle(), VERTRES), 60);
  EXPECT_EQ(GetDeviceCaps(c.Handle(), LOGPIXELSX), kScreenPixelsPerInch);
  c.SetPixel(99, 59, clRed);
  EXPECT_EQ(c.Pixel(99, 59), clRed);
  EXPECT_EQ(b.ScanLine(119)[199], clRed);
  EXPECT_EQ(c.Pixel(100, 0), clBlack);  // outside
}

// The ink of the string as rows and columns of the bitmap.
TRect InkBox(const TBitmap& b) {
  TRect box{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.ScanLine(y)[x] != clWhite) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}

TEST(CanvasScale, TextIsSetAtTheLargerSizeNotEnlarged) {
  TBitmap small(120, 40), large(240, 80);
  large.Canvas().SetScale(2);
  for (TBitmap* b : {&small, &large}) {
    b->Canvas().Font().SetHeight(-12);
    b->Canvas().Brush().SetStyle(bsClear);
    b->Canvas().TextOut(10, 8, "Fx 0.25");
  }
  // Metrics stay logical, so layouts do not move.
  EXPECT_EQ(large.Canvas().TextWidth("Fx 0.25"), small.Canvas().TextWidth("Fx 0.25"));
  EXPECT_EQ(large.Canvas().TextHeight("Fx"), small.Canvas().TextHeight("Fx"));
  const TRect a = InkBox(small), b = InkBox(large);
  EXPECT_NEAR(b.Height(), 2 * a.Height(), 2);
  // An outline face stands in for a bitmap one: about, not exactly, as wide.
  EXPECT_NEAR(b.Width(), 2 * a.Width(), a.Width() / 4);
  EXPECT_NEAR(b.Left, 2 * a.Left, 2);
  EXPECT_NEAR(b.Top, 2 * a.Top, 2);
  EXPECT_FALSE(IsBlockCopy(small, large, 2));

  // Right alignment puts the device ink's end where the logical end is.
  TBitmap right(240, 80);
  right.Canvas().SetScale(2);
  right.Canvas().Font().SetHeight(-12);
  SetTextAlign(right.Canvas().Handle(), TA_RIGHT);
  right.Canvas().TextOut(100, 8, "Fx");
  EXPECT_LE(InkBox(right).Right, 200);
  EXPECT_GE(InkBox(right).Right, 196);

  // Heights no face has are limited before they are scaled.
  for (const int height : {INT_MIN, INT_MAX, 0}) {
    right.Canvas().Font().SetHeight(height);
    right.Canvas().TextOut(0, 0, "x");
  }
}

// Along the axes, in any direction, a fine line through block corners covers
// the canvas's line in blocks and nothing more but the last point's block.
// In exclusive-or mode too, on a path that does not come back over itself
// (where the canvas's segments change a pixel twice, the fine line once).
TEST(CanvasScale, AFinePolylineAlongTheAxesIsTheLineInBlocks) {
  std::mt19937 rng(1209);
  std::uniform_int_distribution<int> coord(-3, 42), step(0, 9);
  for (int round = 0; round < 300; ++round) {
    const int s = 2 + round % 3;
    const bool xorMode = round % 5 == 0;
    std::vector<TPoint> path{Point(coord(rng), coord(rng) * 3 / 4)}, device;
    for (int i = 0; i < 6; ++i) {
      TPoint next = path.back();
      int& moved = i % 2 ? next.X : next.Y;
      moved = xorMode ? moved + step(rng) : (i % 2 ? coord(rng) : coord(rng) * 3 / 4);
      path.push_back(next);
    }
    for (const TPoint& p : path)
      device.push_back(Point(p.X * s, p.Y * s));
    TBitmap small(40, 30), large(40 * s, 30 * s);
    large.Canvas().SetScale(s);
    for (TBitmap* b : {&small, &large}) {
      b->Canvas().Pen().SetColor(clRed);
      b->Canvas().Pen().SetMode(xorMode ? pmXor : pmCopy);
      b->Canvas().SetOrigin(Point(round % 3, 0));
    }
    small.Canvas().Polyline(path);
    large.Canvas().FinePolyline(device);
    const TPoint end{path.back().X + round % 3, path.back().Y};
    for (int y = 0; y < large.Height(); ++y)
      for (int x = 0; x < large.Width(); ++x) {
        const TColor fine = large.ScanLine(y)[x], block = small.ScanLine(y / s)[x / s];
        if (block != clWhite) {
          ASSERT_EQ(fine, block) << "round " << round << " at " << x << ", " << y;
        } else if (x / s != end.X || y / s != end.Y) {
          ASSERT_EQ(fine, clWhite) << "round " << round << " at " << x << ", " << y;
        }
      }
  }
}

}  // namespace
}  // namespace zarn
