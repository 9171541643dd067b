#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "surface/zarn_surface.h"
#include "tests/surface/pixels.h"

namespace zarn {
namespace {

using testing::Count;
using testing::Picture;
using testing::Row;
using Rows = std::vector<std::string>;

TEST(CanvasLine, LeavesOutTheEndPixelAndKeepsThePenThere) {
  TBitmap b(8, 4);
  TCanvas& c = b.Canvas();
  c.MoveTo(0, 0);
  c.LineTo(5, 2);
  EXPECT_EQ(c.PenPos(), Point(5, 2));
  EXPECT_EQ(Picture(b), (Rows{"##......", "..##....", "....#...", "........"}));

  // Drawn back, the line ends one pixel short of its start.
  TBitmap v(3, 5);
  v.Canvas().MoveTo(1, 4);
  v.Canvas().LineTo(1, 0);
  EXPECT_EQ(Picture(v), (Rows{"...", ".#.", ".#.", ".#.", ".#."}));

  // A line to its own start draws nothing.
  TBitmap z(3, 3);
  z.Canvas().MoveTo(1, 1);
  z.Canvas().LineTo(1, 1);
  EXPECT_EQ(Count(z, clWhite), 9);
}

TEST(CanvasLine, PolylineJoinsSegmentsWithoutItsLastPoint) {
  TBitmap b(6, 4);
  const TPoint pts[] = {{0, 0}, {4, 0}, {4, 3}, {1, 3}};
  b.Canvas().Polyline(pts);
  EXPECT_EQ(Picture(b), (Rows{"#####.", "....#.", "....#.", "..###."}));
  EXPECT_EQ(b.Canvas().PenPos(), Point(0, 0));  // poly-lines leave the pen alone
}

TEST(CanvasRectangle, CoversFirstCornerToSecondMinusOne) {
  TBitmap b(8, 6);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clRed);
  c.Rectangle(2, 1, 6, 4);
  const Rows expected = {"........", "..####..", "..#oo#..", "..####..", "........", "........"};
  EXPECT_EQ(Picture(b), expected);

  TBitmap r(8, 6);
  r.Canvas().Brush().SetColor(clRed);
  r.Canvas().Rectangle(6, 4, 2, 1);  // corners in either order
  EXPECT_EQ(Picture(r), expected);

  TBitmap e(4, 4);
  e.Canvas().Rectangle(1, 1, 1, 3);  // no width: nothing
  EXPECT_EQ(Count(e, clWhite), 16);
}

TEST(CanvasRectangle, WidePensCentredOrInsideTheFrame) {
  TBitmap b(12, 12);
  TCanvas& c = b.Canvas();
  c.Pen().SetWidth(3);
  c.Brush().SetColor(clRed);
  c.Rectangle(2, 2, 10, 10);
  // Centred on the outline pixels 2 and 9: one pixel out, one pixel in.
  EXPECT_EQ(Row(b, 0), "............");
  EXPECT_EQ(Row(b, 1), ".##########.");
  EXPECT_EQ(Row(b, 4), ".###oooo###.");
  EXPECT_EQ(Row(b, 10), ".##########.");

  TBitmap f(12, 12);
  f.Canvas().Pen().SetWidth(3);
  f.Canvas().Pen().SetStyle(psInsideFrame);
  f.Canvas().Brush().SetColor(clRed);
  f.Canvas().Rectangle(2, 2, 10, 10);
  EXPECT_EQ(Row(f, 1), "............");
  EXPECT_EQ(Row(f, 2), "..########..");
  EXPECT_EQ(Row(f, 5), "..###oo###..");
  EXPECT_EQ(Row(f, 9), "..########..");
  EXPECT_EQ(Row(f, 10), "............");
}

TEST(CanvasRectangle, ClearPenAndBrush) {
  TBitmap b(6, 4);
  TCanvas& c = b.Canvas();
  c.Pen().SetStyle(psClear);
  c.Brush().SetColor(clRed);
  c.Rectangle(1, 1, 5, 3);
  EXPECT_EQ(Picture(b), (Rows{"......", ".oooo.", ".oooo.", "......"}));

  TBitmap o(6, 4);
  o.Canvas().Brush().SetStyle(bsClear);
  o.Canvas().Rectangle(0, 0, 6, 4);
  EXPECT_EQ(Picture(o), (Rows{"######", "#....#", "#....#", "######"}));
}

TEST(CanvasPolygon, FillsWithTheAlternateRuleAndClosesTheOutline) {
  // A rectangle as a polygon fills exactly what Rectangle fills.
  TBitmap r(6, 5);
  r.Canvas().Pen().SetStyle(psClear);
  r.Canvas().Brush().SetColor(clRed);
  const TPoint box[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
  r.Canvas().Polygon(box);
  EXPECT_EQ(Picture(r), (Rows{"......", ".oooo.", ".oooo.", ".oooo.", "......"}));

  // The outline runs through every corner, the closing edge included.
  TBitmap o(6, 5);
  o.Canvas().Brush().SetStyle(bsClear);
  o.Canvas().Polygon(box);
  EXPECT_EQ(Picture(o), (Rows{"......", ".#####", ".#...#", ".#...#", ".#####"}));

  // A five-pointed star: its middle is crossed twice and stays empty.
  TBitmap s(21, 21);
  s.Canvas().Pen().SetStyle(psClear);
  s.Canvas().Brush().SetColor(clRed);
  const TPoint star[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
  s.Canvas().Polygon(star);
  EXPECT_EQ(s.Canvas().Pixel(10, 11), clWhite);
  EXPECT_EQ(s.Canvas().Pixel(10, 3), clRed);   // top point
  EXPECT_EQ(s.Canvas().Pixel(2, 8), clRed);    // left point
  EXPECT_EQ(s.Canvas().Pixel(15, 18), clRed);  // lower right point
}

// The bounding box of the pixels that differ from white.
TRect Extent(TBitmap& b) {
  TRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Canvas().Pixel(x, y) != clWhite) {
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
  return r;
}

bool Symmetric(TBitmap& b, const TRect& r) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      const TColor c = b.Canvas().Pixel(x, y);
      if (c != b.Canvas().Pixel(r.Left + r.Right - 1 - x, y) ||
          c != b.Canvas().Pixel(x, r.Top + r.Bottom - 1 - y))
        return false;
    }
  return true;
}

TEST(CanvasEllipse, FillsItsBoxSymmetricallyWithTheEndsLeftOut) {
  const TRect boxes[] = {{2, 2, 3, 3},   {2, 2, 4, 4},  {2, 2, 6, 6},   {2, 2, 7, 7},
                         {3, 2, 23, 5},  {2, 3, 4, 40}, {1, 1, 40, 17}, {5, 5, 6, 30},
                         {2, 2, 42, 42}, {4, 7, 9, 8}};
  for (const TRect& box : boxes) {
    TBitmap b(48, 48);
    b.Canvas().Brush().SetColor(clRed);
    b.Canvas().Ellipse(box.Left, box.Top, box.Right, box.Bottom);
    const TRect e = Extent(b);
    EXPECT_EQ(e, box) << box.Left << "," << box.Top << "," << box.Right << "," << box.Bottom;
    EXPECT_TRUE(Symmetric(b, box));
  }
  // The small circles of the marks.
  TBitmap b(7, 7);
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().Ellipse(1, 1, 6, 6);
  EXPECT_EQ(Picture(b),
            (Rows{".......", "..###..", ".#ooo#.", ".#ooo#.", ".#ooo#.", "..###..", "......."}));
}

TEST(CanvasEllipse, OutlineHasNoHolesAndWidePensStayCentred) {
  for (int w : {1, 2, 3, 5}) {
    TBitmap b(60, 40);
    TCanvas& c = b.Canvas();
    c.Pen().SetWidth(w);
    c.Brush().SetColor(clRed);
    c.Ellipse(10, 8, 50, 32);
    // No brush pixel touches the white outside: the outline separates them.
    for (int y = 1; y + 1 < b.Height(); ++y)
      for (int x = 1; x + 1 < b.Width(); ++x)
        if (c.Pixel(x, y) == clRed) {
          for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            ASSERT_NE(c.Pixel(x + dx, y + dy), clWhite) << w << ": " << x << "," << y;
        }
    const TRect e = Extent(b);
    EXPECT_EQ(e.Left, 10 - w / 2);
    EXPECT_EQ(e.Right, 50 + (w - 1) / 2);
  }
}

TEST(CanvasArc, DrawsTheOutlineCounterClockwiseBetweenTheRays) {
  TBitmap b(21, 21);
  // From the ray to the right round to the ray upwards: the upper right quarter.
  b.Canvas().Arc(0, 0, 21, 21, 20, 10, 10, 0);
  EXPECT_EQ(b.Canvas().Pixel(20, 9), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(11, 0), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(17, 3), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(3, 3), clWhite);
  EXPECT_EQ(b.Canvas().Pixel(17, 17), clWhite);
  EXPECT_EQ(b.Canvas().Pixel(10, 10), clWhite);  // no fill

  TBitmap whole(21, 21);
  whole.Canvas().Arc(0, 0, 21, 21, 20, 10, 20, 10);  // equal rays: all the way round
  TBitmap ring(21, 21);
  ring.Canvas().Brush().SetStyle(bsClear);
  ring.Canvas().Ellipse(0, 0, 21, 21);
  EXPECT_EQ(whole.Pixels(), ring.Pixels());
}

TEST(CanvasPen, DashPatternsFillTheirGapsWithASolidBrush) {
  TBitmap b(16, 2);
  TCanvas& c = b.Canvas();
  c.Pen().SetStyle(psDot);
  c.Brush().SetColor(clRed);
  c.MoveTo(0, 0);
  c.LineTo(16, 0);
  EXPECT_EQ(Row(b, 0), "###ooo###ooo###o");
  c.Brush().SetStyle(bsClear);
  c.MoveTo(0, 1);
  c.LineTo(16, 1);
  EXPECT_EQ(Row(b, 1), "###...###...###.");

  TBitmap d(30, 1);
  d.Canvas().Pen().SetStyle(psDashDot);
  d.Canvas().Brush().SetColor(clRed);
  d.Canvas().MoveTo(0, 0);
  d.Canvas().LineTo(30, 0);
  EXPECT_EQ(Row(d, 0), "#########oooooo###oooooo######");
}

TEST(CanvasPen, PatternRunsOnAcrossLineToAndRestartsAtMoveTo) {
  TBitmap b(12, 2);
  TCanvas& c = b.Canvas();
  c.Pen().SetStyle(psDot);
  c.Brush().SetStyle(bsClear);
  c.MoveTo(0, 0);
  c.LineTo(4, 0);
  c.LineTo(12, 0);
  EXPECT_EQ(Row(b, 0), "###...###...");
  c.MoveTo(4, 1);
  c.LineTo(12, 1);
  EXPECT_EQ(Row(b, 1), "....###...##");
}

TEST(CanvasPen, WideAndClearPens) {
  TBitmap b(12, 5);
  TCanvas& c = b.Canvas();
  c.Pen().SetStyle(psDot);
  c.Pen().SetWidth(3);  // wide pens draw solid
  c.MoveTo(2, 2);
  c.LineTo(9, 2);
  // Round ends reach half the width beyond both end points.
  EXPECT_EQ(Row(b, 0), "............");
  EXPECT_EQ(Row(b, 1), ".##########.");
  EXPECT_EQ(Row(b, 2), ".##########.");
  EXPECT_EQ(Row(b, 3), ".##########.");
  EXPECT_EQ(Row(b, 4), "............");

  TBitmap n(6, 6);
  n.Canvas().Pen().SetStyle(psClear);
  n.Canvas().MoveTo(0, 0);
  n.Canvas().LineTo(6, 6);
  n.Canvas().Brush().SetStyle(bsClear);
  n.Canvas().Rectangle(0, 0, 6, 6);
  n.Canvas().Ellipse(0, 0, 6, 6);
  EXPECT_EQ(Count(n, clWhite), 36);
}

// A background every pixel of which differs from its neighbours.
void Noise(TBitmap& b) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      b.ScanLine(y)[x] = RGB(x * 37 % 256, y * 53 % 256, (x * y) % 256);
}

TEST(CanvasXor, DrawingTwiceRestoresEveryPixel) {
  const std::vector<std::function<void(TCanvas&)>> figures = {
      [](TCanvas& c) { c.MoveTo(-5, 3), c.LineTo(50, 27); },
      [](TCanvas& c) {
        const TPoint p[] = {{1, 1}, {30, 5}, {2, 20}, {25, 25}, {1, 1}};
        c.Polyline(p);
      },
      [](TCanvas& c) {
        c.Brush().SetStyle(bsClear);
        c.Rectangle(3, 4, 20, 15);
      },
      [](TCanvas& c) {
        c.Pen().SetStyle(psDot);
        c.Rectangle(3, 4, 20, 15);
      },
      [](TCanvas& c) {
        c.Pen().SetWidth(4);
        const TPoint p[] = {{1, 1}, {30, 5}, {2, 20}, {25, 25}};
        c.Polyline(p);
      },
      [](TCanvas& c) { c.Ellipse(2, 2, 27, 19); },
      [](TCanvas& c) {
        const TPoint p[] = {{2, 2}, {28, 9}, {5, 26}};
        c.Polygon(p);
      },
      [](TCanvas& c) { c.Arc(0, 0, 30, 30, 30, 0, 0, 30); },
  };
  for (std::size_t i = 0; i < figures.size(); ++i) {
    TBitmap b(32, 30);
    Noise(b);
    const std::vector<TColor> before = b.Pixels();
    b.Canvas().Pen().SetMode(pmXor);
    b.Canvas().Pen().SetColor(clWhite);
    figures[i](b.Canvas());
    EXPECT_NE(b.Pixels(), before) << i;
    figures[i](b.Canvas());
    EXPECT_EQ(b.Pixels(), before) << i;
  }
}

TEST(CanvasXor, OneDrawShowsEveryPixelOfTheFigure) {
  // A rubber band: corners and shared vertices are inverted once, not twice.
  TBitmap b(6, 4);
  b.Canvas().Pen().SetMode(pmXor);
  b.Canvas().Pen().SetColor(clWhite);
  b.Canvas().Brush().SetStyle(bsClear);
  b.Canvas().Rectangle(0, 0, 6, 4);
  EXPECT_EQ(Picture(b), (Rows{"######", "#....#", "#....#", "######"}));

  TBitmap p(6, 4);
  p.Canvas().Pen().SetMode(pmXor);
  p.Canvas().Pen().SetColor(clWhite);
  const TPoint pts[] = {{0, 0}, {5, 0}, {5, 3}, {0, 3}, {0, 0}};
  p.Canvas().Polyline(pts);
  EXPECT_EQ(Picture(p), (Rows{"######", "#....#", "#....#", "######"}));

  // Wide lines overlap at their joints; the joint is inverted once.
  TBitmap w(12, 12);
  w.Canvas().Pen().SetMode(pmXor);
  w.Canvas().Pen().SetColor(clWhite);
  w.Canvas().Pen().SetWidth(3);
  const TPoint corner[] = {{2, 2}, {9, 2}, {9, 9}};
  w.Canvas().Polyline(corner);
  EXPECT_EQ(w.Canvas().Pixel(9, 2), clBlack);
  EXPECT_EQ(w.Canvas().Pixel(10, 1), clBlack);
}

// Draws the same figure onto a small bitmap and, shifted by the origin, into the
// middle of a large one: the small picture must be the large one's middle.
void ExpectClippedLikeUnclipped(const std::function<void(TCanvas&)>& draw, const char* what) {
  TBitmap small(20, 16);
  TBitmap large(60, 56);
  draw(small.Canvas());
  large.Canvas().SetOrigin({20, 20});
  draw(large.Canvas());
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(small.Canvas().Pixel(x, y), large.ScanLine(y + 20)[x + 20])
          << what << " at " << x << "," << y;
  EXPECT_NE(Count(small, clWhite), 20 * 16) << what;
}

TEST(CanvasClip, EveryOperationIsCutAtEveryEdge) {
  ExpectClippedLikeUnclipped(
      [](TCanvas& c) {
        c.MoveTo(-7, -3);
        c.LineTo(27, 20);
        c.LineTo(-5, 18);
        c.LineTo(10, -9);
        c.LineTo(31, 7);
      },
      "lines");
  ExpectClippedLikeUnclipped(
      [](TCanvas& c) {
        c.Pen().SetStyle(psDashDotDot);
        c.Brush().SetColor(clRed);
        c.MoveTo(-13, 4);
        c.LineTo(33, 11);
        c.MoveTo(17, -20);
        c.LineTo(3, 40);
      },
      "dashes");
  ExpectClippedLikeUnclipped(
      [](TCanvas& c) {
        c.Brush().SetColor(clRed);
        c.Rectangle(-4, -5, 24, 20);
        c.Rectangle(5, 3, 12, 30);
      },
      "rectangles");
  ExpectClippedLikeUnclipped(
      [](TCanvas& c) {
        c.Brush().SetColor(clRed);
        c.Pen().SetWidth(3);
        c.Ellipse(-10, -6, 26, 19);
      },
      "ellipse");
  ExpectClippedLikeUnclipped([](TCanvas& c) { c.Arc(-4, -3, 17, 13, 30, -10, -10, 30); }, "arc");
  ExpectClippedLikeUnclipped(
      [](TCanvas& c) {
        c.Brush().SetColor(clRed);
        const TPoint p[] = {{-8, 3}, {10, -9}, {30, 8}, {12, 25}, {5, 7}};
        c.Polygon(p);
      },
      "polygon");
  ExpectClippedLikeUnclipped(
      [](TCanvas& c) {
        c.Pen().SetWidth(5);
        const TPoint p[] = {{-8, 3}, {10, -9}, {30, 8}, {12, 25}};
        c.Polyline(p);
      },
      "wide lines");
  ExpectClippedLikeUnclipped(
      [](TCanvas& c) {
        for (int i = -3; i < 24; ++i)
          c.SetPixel(i, i * 3 % 19 - 2, clRed);
      },
      "pixels");
}

TEST(CanvasClip, ClipRectangleAndOriginMoveTogether) {
  TBitmap b(10, 10);
  TCanvas& c = b.Canvas();
  EXPECT_EQ(c.ClipRect(), Rect(0, 0, 10, 10));
  c.SetOrigin({3, 2});
  EXPECT_EQ(c.ClipRect(), Rect(-3, -2, 7, 8));
  c.SetClipRect(Rect(0, 0, 4, 3));  // bitmap pixels 3 .. 6, 2 .. 4
  c.Brush().SetColor(clRed);
  c.Pen().SetStyle(psClear);
  c.Rectangle(-100, -100, 100, 100);
  EXPECT_EQ(Count(b, clRed), 12);
  EXPECT_EQ(b.ScanLine(2)[3], clRed);
  EXPECT_EQ(b.ScanLine(4)[6], clRed);
  EXPECT_EQ(b.ScanLine(5)[6], clWhite);
  // The clip stays on the bitmap when the origin moves on.
  c.SetOrigin({0, 0});
  EXPECT_EQ(c.ClipRect(), Rect(3, 2, 7, 5));
  c.ResetClipRect();
  EXPECT_EQ(c.ClipRect(), Rect(0, 0, 10, 10));
}

TEST(CanvasClip, HugeCoordinatesCostOnlyWhatTheyCover) {
  TBitmap b(64, 48);
  TCanvas& c = b.Canvas();
  c.MoveTo(-2147483647, 5);
  c.LineTo(2147483647, 5);
  EXPECT_EQ(Row(b, 5), std::string(64, '#'));
  c.MoveTo(INT_MIN, INT_MIN);
  c.LineTo(INT_MAX, INT_MAX);  // the main diagonal
  EXPECT_EQ(c.Pixel(0, 0), clBlack);
  EXPECT_EQ(c.Pixel(40, 40), clBlack);
  EXPECT_EQ(c.Pixel(40, 41), clWhite);
  c.Pen().SetStyle(psDot);
  c.MoveTo(INT_MAX, INT_MIN);
  c.LineTo(INT_MIN, INT_MAX);
  c.Pen().SetStyle(psSolid);
  c.Pen().SetWidth(7);
  c.MoveTo(INT_MIN, 20);
  c.LineTo(INT_MAX, 30);
  c.Pen().SetWidth(1);
  c.Brush().SetColor(clRed);
  c.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(c.Pixel(32, 24), clRed);
  c.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(Count(b, clRed), 64 * 48);
  const TPoint p[] = {{INT_MIN, INT_MIN}, {INT_MAX, 0}, {0, INT_MAX}, {INT_MIN, INT_MAX}};
  c.Brush().SetColor(clBlue);
  c.Polygon(p);
  c.Arc(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, INT_MAX, INT_MAX);
  // Far outside in every direction: nothing.
  TBitmap o(8, 8);
  o.Canvas().SetOrigin({INT_MAX, INT_MIN});
  o.Canvas().MoveTo(INT_MAX, INT_MAX);
  o.Canvas().LineTo(INT_MIN, INT_MIN);
  o.Canvas().Rectangle(INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX);
  o.Canvas().TextOut(INT_MAX, INT_MAX, "far");
  EXPECT_EQ(Count(o, clWhite), 64);
}

TEST(CanvasClip, AnEmptyBitmapDrawsNothing) {
  TBitmap b;
  TBitmap src(3, 3);
  TCanvas& c = b.Canvas();
  c.MoveTo(0, 0);
  c.LineTo(10, 10);
  c.Rectangle(0, 0, 5, 5);
  c.FillRect(Rect(0, 0, 5, 5));
  c.Ellipse(0, 0, 5, 5);
  c.Arc(0, 0, 5, 5, 0, 0, 5, 5);
  const TPoint p[] = {{0, 0}, {5, 0}, {0, 5}};
  c.Polygon(p);
  c.Polyline(p);
  c.SetPixel(0, 0, clRed);
  c.TextOut(0, 0, "x");
  c.TextRect(Rect(0, 0, 5, 5), 0, 0, "x");
  c.Draw(0, 0, src);
  c.StretchDraw(Rect(0, 0, 5, 5), src);
  EXPECT_EQ(c.Pixel(0, 0), clBlack);
  src.Canvas().Draw(0, 0, b);
  src.Canvas().StretchDraw(Rect(0, 0, 3, 3), b);
  EXPECT_EQ(Count(src, clWhite), 9);
}

TEST(CanvasColor, SystemColoursAreResolvedWhenDrawn) {
  TBitmap b(4, 1);
  TCanvas& c = b.Canvas();
  c.Pen().SetColor(clBtnFace);
  c.MoveTo(0, 0);
  c.LineTo(2, 0);
  EXPECT_EQ(c.Pixel(0, 0), RGB(0xC0, 0xC0, 0xC0));
  SetSysColor(0x0F, RGB(1, 2, 3));
  c.LineTo(4, 0);
  ResetSysColors();
  EXPECT_EQ(c.Pixel(0, 0), RGB(0xC0, 0xC0, 0xC0));  // already drawn: unchanged
  EXPECT_EQ(c.Pixel(3, 0), RGB(1, 2, 3));
  c.SetPixel(1, 0, clWindowText);
  EXPECT_EQ(c.Pixel(1, 0), clBlack);
}

TEST(CanvasPixels, ReadOutsideIsBlackAndWritesIgnorePenMode) {
  TBitmap b(3, 3);
  TCanvas& c = b.Canvas();
  EXPECT_EQ(c.Pixel(-1, 0), clBlack);
  EXPECT_EQ(c.Pixel(3, 2), clBlack);
  EXPECT_EQ(c.Pixel(1, 1), clWhite);
  c.Pen().SetMode(pmXor);
  c.SetPixel(1, 1, clRed);
  EXPECT_EQ(c.Pixel(1, 1), clRed);
  c.SetPixel(-1, 1, clRed);
  EXPECT_EQ(Count(b, clRed), 1);
}

}  // namespace
}  // namespace zarn
