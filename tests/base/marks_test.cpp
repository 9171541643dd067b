#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "base/zarn_marks.h"
#include "surface/zarn_surface.h"

namespace zarn {
namespace {

constexpr TColor kPen = clRed;

// The square of side 2r+1 around (cx, cy): '#' for the pen colour, '.' for
// white, '?' for anything else.
std::vector<std::string> Picture(const TCanvas& c, int cx, int cy, int r) {
  std::vector<std::string> rows;
  for (int y = cy - r; y <= cy + r; ++y) {
    std::string row;
    for (int x = cx - r; x <= cx + r; ++x) {
      const TColor p = c.Pixel(x, y);
      row += p == kPen ? '#' : p == clWhite ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

struct Page {
  TBitmap bmp{40, 40};
  Page() {
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(Rect(0, 0, 40, 40));
    bmp.Canvas().Pen().SetColor(kPen);
  }
  std::vector<std::string> Mark(int type) {
    DrawMarkShape(bmp.Canvas(), static_cast<std::uint8_t>(type), 20, 20);
    return Picture(bmp.Canvas(), 20, 20, 4);
  }
};

// The printer's page is shared by the whole program: clear the area we use.
std::vector<std::string> PrinterMark(int type) {
  TCanvas& c = Printer().Canvas();
  c.Pen().SetColor(kPen);
  c.Pen().SetWidth(1);
  c.Brush().SetColor(clWhite);
  c.FillRect(Rect(80, 80, 120, 120));
  DrawMarkShape(c, static_cast<std::uint8_t>(type), 100, 100);
  return Picture(c, 100, 100, 4);
}

using Art = std::vector<std::string>;

TEST(StyledFrame, LoweredCornersOnTheReadOutField) {
  TBitmap bmp(170, 30);
  DrawStyledFrame(bmp.Canvas(), fsLowered, 101, 0, 158, 20, clWhite, clSilver, clGray, clBlack,
                  clBlack);
  const TCanvas& c = bmp.Canvas();
  EXPECT_EQ(c.Pixel(101, 0), clGray);
  EXPECT_EQ(c.Pixel(158, 0), clGray);
  EXPECT_EQ(c.Pixel(101, 20), clWhite);
  EXPECT_EQ(c.Pixel(158, 20), clWhite);
  EXPECT_EQ(c.Pixel(102, 1), clBlack);
  EXPECT_EQ(c.Pixel(157, 19), clSilver);
}

TEST(StyledFrame, EachStyleColoursBothRings) {
  const TColor hi = RGB(1, 0, 0), li = RGB(2, 0, 0), sh = RGB(3, 0, 0), dk = RGB(4, 0, 0);
  struct Case {
    TFrameStyle style;
    TColor a, b, c, d;
  };
  for (const Case& k : {Case{fsLowered, sh, hi, dk, li}, Case{fsRaised, hi, dk, li, sh},
                        Case{fsEmbossed, hi, sh, sh, hi}, Case{fsEngraved, sh, hi, hi, sh}}) {
    SCOPED_TRACE(k.style);
    TBitmap bmp(30, 20);
    TCanvas& c = bmp.Canvas();
    DrawStyledFrame(c, k.style, 5, 3, 24, 15, hi, li, sh, dk, RGB(9, 9, 9));
    // Outer ring: a owns the left column and top row, b the rest.
    EXPECT_EQ(c.Pixel(5, 3), k.a);
    EXPECT_EQ(c.Pixel(24, 3), k.a);
    EXPECT_EQ(c.Pixel(5, 9), k.a);
    EXPECT_EQ(c.Pixel(14, 3), k.a);
    EXPECT_EQ(c.Pixel(24, 4), k.b);
    EXPECT_EQ(c.Pixel(24, 15), k.b);
    EXPECT_EQ(c.Pixel(5, 15), k.b);
    EXPECT_EQ(c.Pixel(14, 15), k.b);
    // Inner ring, likewise one pixel in.
    EXPECT_EQ(c.Pixel(6, 4), k.c);
    EXPECT_EQ(c.Pixel(23, 4), k.c);
    EXPECT_EQ(c.Pixel(6, 9), k.c);
    EXPECT_EQ(c.Pixel(23, 5), k.d);
    EXPECT_EQ(c.Pixel(23, 14), k.d);
    EXPECT_EQ(c.Pixel(6, 14), k.d);
    EXPECT_EQ(c.Pixel(14, 14), k.d);
    // Nothing inside or outside.
    EXPECT_EQ(c.Pixel(7, 5), clWhite);
    EXPECT_EQ(c.Pixel(22, 13), clWhite);
    EXPECT_EQ(c.Pixel(4, 3), clWhite);
    EXPECT_EQ(c.Pixel(25, 15), clWhite);
    EXPECT_EQ(c.Pixel(5, 16), clWhite);
    EXPECT_EQ(c.Pen().Color(), k.d);
    EXPECT_EQ(c.PenPos(), Point(5, 14));
  }
}

TEST(StyledFrame, SimpleNoneAndUnknownStyles) {
  TBitmap bmp(20, 20);
  TCanvas& c = bmp.Canvas();
  DrawStyledFrame(c, fsSimple, 2, 2, 9, 7, clRed, clRed, clRed, clRed, kPen);
  EXPECT_EQ(c.Pixel(2, 2), kPen);
  EXPECT_EQ(c.Pixel(9, 7), kPen);
  EXPECT_EQ(c.Pixel(9, 2), kPen);
  EXPECT_EQ(c.Pixel(2, 7), kPen);
  EXPECT_EQ(c.Pixel(3, 3), clWhite);

  TBitmap other(20, 20);
  const std::vector<TColor> blank = other.Pixels();
  DrawStyledFrame(other.Canvas(), fsNone, 2, 2, 9, 7, 0, 0, 0, 0, 0);
  DrawStyledFrame(other.Canvas(), static_cast<TFrameStyle>(6), 2, 2, 9, 7, 0, 0, 0, 0, 0);
  EXPECT_EQ(other.Pixels(), blank);
}

TEST(StyledFrame, SystemColoursAndHugeRectangles) {
  TBitmap bmp(20, 20);
  TCanvas& c = bmp.Canvas();
  DrawStyledFrame(c, fsLowered, -5, 2, INT_MAX, 10, clBtnHighlight, clSilver, clBtnShadow, clBlack,
                  clBlack);
  EXPECT_EQ(c.Pixel(0, 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(c.Pixel(19, 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(c.Pixel(19, 10), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(c.Pixel(10, 3), clBlack);
  DrawStyledFrame(c, fsRaised, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, 0, 0, 0);
  DrawStyledFrame(c, fsEngraved, INT_MAX, INT_MAX, INT_MIN, INT_MIN, 0, 0, 0, 0, 0);
}

// Pixels of the outline of r that differ from white.
std::vector<TPoint> Outline(const TRect& r, TPenMode mode) {
  TBitmap bmp(16, 16);
  TCanvas& c = bmp.Canvas();
  c.Pen().SetColor(mode == pmXor ? clWhite : clBlack);
  c.Pen().SetMode(mode);
  DrawRectOutline(c, r.Left, r.Top, r.Right, r.Bottom);
  std::vector<TPoint> drawn;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (c.Pixel(x, y) != clWhite) drawn.push_back(Point(x, y));
  return drawn;
}

std::vector<TPoint> Edge(const TRect& r) {
  const int x1 = std::min(r.Left, r.Right), x2 = std::max(r.Left, r.Right);
  const int y1 = std::min(r.Top, r.Bottom), y2 = std::max(r.Top, r.Bottom);
  std::vector<TPoint> edge;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (x == x1 || x == x2 || y == y1 || y == y2) edge.push_back(Point(x, y));
  return edge;
}

TEST(RectOutline, EveryPixelCornersIncluded) {
  for (const TRect r : {Rect(3, 4, 12, 9), Rect(12, 9, 3, 4), Rect(5, 2, 5, 10), Rect(2, 6, 9, 6),
                        Rect(7, 7, 7, 7)}) {
    SCOPED_TRACE(r.Left);
    EXPECT_EQ(Outline(r, pmCopy), Edge(r));
  }
  // Exclusive-or shows a pixel drawn twice as undrawn: a true rectangle's
  // closed path touches each pixel once.
  for (const TRect r : {Rect(3, 4, 12, 9), Rect(12, 4, 3, 9), Rect(7, 7, 7, 7)}) {
    SCOPED_TRACE(r.Left);
    EXPECT_EQ(Outline(r, pmXor), Edge(r));
  }
}

TEST(BitmapMark, EveryPatternInTheGivenColour) {
  const std::vector<std::pair<int, Art>> patterns = {
      {1, {".......", ".......", "...#...", "..###..", "...#...", ".......", "......."}},
      {2, {".......", "...#...", "...#...", ".#####.", "...#...", "...#...", "......."}},
      {3, {"...#...", "...#...", "...#...", "#######", "...#...", "...#...", "...#..."}},
      {4, {".......", ".......", "..#.#..", "...#...", "..#.#..", ".......", "......."}},
      {5, {".......", ".#...#.", "..#.#..", "...#...", "..#.#..", ".#...#.", "......."}},
      {6, {"#.....#", ".#...#.", "..#.#..", "...#...", "..#.#..", ".#...#.", "#.....#"}},
      {18, {"#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#"}},
  };
  for (const auto& [n, art] : patterns) {
    SCOPED_TRACE(n);
    TBitmap bmp(20, 20);
    bmp.Canvas().Pen().SetColor(clBlue);
    DrawBitmapMark(bmp.Canvas(), n, kPen, 10, 10);
    EXPECT_EQ(Picture(bmp.Canvas(), 10, 10, 3), art);
  }
  TBitmap bmp(20, 20);
  const std::vector<TColor> blank = bmp.Pixels();
  for (int n : {-1, 0, 7, 17, 19, 255})
    DrawBitmapMark(bmp.Canvas(), n, kPen, 10, 10);
  EXPECT_EQ(bmp.Pixels(), blank);
}

TEST(MarkShape, FilledSquaresSquaresAndDiamonds) {
  EXPECT_EQ(Page().Mark(0), (Art{".........", ".........", ".........", ".........", "....#....",
                                 ".........", ".........", ".........", "........."}));
  EXPECT_EQ(Page().Mark(7), (Art{".........", ".........", ".........", "...###...", "...###...",
                                 "...###...", ".........", ".........", "........."}));
  EXPECT_EQ(Page().Mark(8), (Art{".........", ".........", "..#####..", "..#####..", "..#####..",
                                 "..#####..", "..#####..", ".........", "........."}));
  EXPECT_EQ(Page().Mark(9), (Art{".........", ".#######.", ".#######.", ".#######.", ".#######.",
                                 ".#######.", ".#######.", ".#######.", "........."}));
  EXPECT_EQ(Page().Mark(10), (Art{".........", ".........", ".........", "...###...", "...#.#...",
                                  "...###...", ".........", ".........", "........."}));
  EXPECT_EQ(Page().Mark(11), (Art{".........", ".........", "..#####..", "..#...#..", "..#...#..",
                                  "..#...#..", "..#####..", ".........", "........."}));
  EXPECT_EQ(Page().Mark(12), (Art{".........", ".#######.", ".#.....#.", ".#.....#.", ".#.....#.",
                                  ".#.....#.", ".#.....#.", ".#######.", "........."}));
  const Art diamond{".........", "....#....", "...#.#...", "..#...#..", ".#.....#.",
                    "..#...#..", "...#.#...", "....#....", "........."};
  Art dotted = diamond;
  dotted[4][4] = '#';
  EXPECT_EQ(Page().Mark(19), diamond);
  EXPECT_EQ(Page().Mark(13), dotted);
}

TEST(MarkShape, FilledShapesUseThePenColourOpenOnesLeaveTheInside) {
  Page filled;
  filled.bmp.Canvas().Brush().SetColor(clBlue);
  EXPECT_EQ(filled.Mark(15)[4], ".#######.");
  Page open;
  open.bmp.Canvas().Brush().SetColor(clBlue);
  const Art ring = open.Mark(17);
  EXPECT_EQ(ring[4][4], '.');
  EXPECT_EQ(ring[4][1], '#');
  EXPECT_EQ(Page().Mark(48)[3][3], '.');
  EXPECT_EQ(Page().Mark(48)[1][1], '#');
}

TEST(MarkShape, PatternsOnBitmapsLinesOnThePrinter) {
  const Art plus2{".........", ".........", "....#....", "....#....", "..####...",
                  "....#....", ".........", ".........", "........."};
  const Art cross3{".........", ".#.......", "..#...#..", "...#.#...", "....#....",
                   "...#.#...", "..#...#..", ".#.......", "........."};
  EXPECT_EQ(PrinterMark(1), plus2);
  EXPECT_EQ(PrinterMark(5), cross3);
  EXPECT_EQ(PrinterMark(3)[4], "########.");
  EXPECT_EQ(PrinterMark(6)[8], "#........");
  for (int type : {1, 2, 3, 4, 5, 6, 18}) {
    SCOPED_TRACE(type);
    TBitmap ref(40, 40);
    DrawBitmapMark(ref.Canvas(), type, kPen, 20, 20);
    const Art pattern = Picture(ref.Canvas(), 20, 20, 4);
    EXPECT_EQ(Page().Mark(type), pattern);
    if (type != 18) {
      EXPECT_NE(PrinterMark(type), pattern);
    }
  }
}

TEST(MarkShape, CheckerboardOnThePrinterIsMadeOfEmptyLines) {
  // A thin pen leaves out a line's last pixel, so lines that end where they
  // start leave nothing: the printer's checkerboard is blank, not the pattern.
  EXPECT_EQ(PrinterMark(18), Art(9, "........."));
}

TEST(MarkShape, BoldCrossIsSmallerOnThePrinter) {
  const Art screen{".........", ".##...##.", ".###.###.", "..#####..", "...###...",
                   "..#####..", ".###.###.", ".##...##.", "........."};
  EXPECT_EQ(Page().Mark(25), screen);
  const Art printer{".........", ".##......", ".###.##..", "..#####..", "...###...",
                    "..#####..", ".###.##..", ".##......", "........."};
  EXPECT_EQ(PrinterMark(25), printer);
}

// Asking whether a canvas is the printer's must not allocate the printer's
// page. The page is shared by the process, so this holds only where no
// earlier test drew on it (ctest runs each test alone).
TEST(MarkShape, PlainBitmapsLeaveThePrinterPageUnallocated) {
  if (Printer().PageAllocated()) GTEST_SKIP() << "an earlier test drew on the printer";
  Page p;
  for (int type = 0; type <= 255; ++type)
    DrawMarkShape(p.bmp.Canvas(), static_cast<std::uint8_t>(type), 20, 20);
  EXPECT_FALSE(Printer().PageAllocated());
  Printer().BeginDoc();
  EXPECT_TRUE(Printer().PageAllocated());
}

TEST(MarkShape, BrushColourLeftAsFoundForEveryShape) {
  for (int type = 0; type <= 51; ++type) {
    for (TBrushStyle style : {bsSolid, bsClear}) {
      SCOPED_TRACE(type);
      Page p;
      TCanvas& c = p.bmp.Canvas();
      c.Brush().SetColor(clAqua);
      c.Brush().SetStyle(style);
      DrawMarkShape(c, static_cast<std::uint8_t>(type), 20, 20);
      EXPECT_EQ(c.Brush().Color(), clAqua);
      // Restoring the colour makes a clear brush solid, like any colour change.
      EXPECT_EQ(c.Brush().Style(), bsSolid);
      EXPECT_EQ(c.Pen().Color(), kPen);
    }
  }
}

TEST(MarkShape, HugeCentresDrawNothingAndStayDefined) {
  Page p;
  const std::vector<TColor> blank = p.bmp.Pixels();
  for (int type = 0; type <= 255; ++type)
    for (const TPoint at : {Point(INT_MAX, INT_MAX), Point(INT_MIN, INT_MIN), Point(INT_MIN, 20)})
      DrawMarkShape(p.bmp.Canvas(), static_cast<std::uint8_t>(type), at.X, at.Y);
  EXPECT_EQ(p.bmp.Pixels(), blank);
}

TEST(MarkShape, CharactersAreCentredInThePenColour) {
  for (const auto& [type, text] : std::vector<std::pair<int, std::string>>{
           {205, "5"}, {200, "0"}, {209, "9"}, {65, "A"}, {233, "\xC3\xA9"}}) {
    SCOPED_TRACE(type);
    TBitmap got(60, 60), want(60, 60);
    TCanvas& g = got.Canvas();
    g.Pen().SetColor(kPen);
    g.Brush().SetColor(clYellow);
    DrawMarkShape(g, static_cast<std::uint8_t>(type), 30, 31);
    EXPECT_EQ(g.Font().Color(), kPen);
    EXPECT_EQ(g.Brush().Style(), bsClear);

    TCanvas& w = want.Canvas();
    w.Font().SetColor(kPen);
    w.Brush().SetStyle(bsClear);
    w.TextOut(30 - w.TextWidth(text) / 2, 31 - w.TextHeight(text) / 2, text);
    EXPECT_EQ(got.Pixels(), want.Pixels());
    EXPECT_NE(want.Pixels(), TBitmap(60, 60).Pixels());
  }
}

}  // namespace
}  // namespace zarn
