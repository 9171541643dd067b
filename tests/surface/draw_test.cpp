#include <gtest/gtest.h>

#include <climits>

#include "surface/zarn_surface.h"
#include "tests/surface/pixels.h"

namespace zarn {
namespace {

using testing::Count;
using testing::Picture;
using Rows = std::vector<std::string>;

// A 2 x 2 source: red, blue / black, white.
void Checker(TBitmap& s) {
  s.SetSize(2, 2);
  s.ScanLine(0)[0] = clRed;
  s.ScanLine(0)[1] = clBlue;
  s.ScanLine(1)[0] = clBlack;
  s.ScanLine(1)[1] = clWhite;
}

TEST(CanvasDraw, CopiesPlainOrWithAnd) {
  TBitmap src;
  Checker(src);
  TBitmap b(4, 3);
  b.Canvas().Draw(1, 1, src);
  EXPECT_EQ(Picture(b), (Rows{"....", ".ob.", ".#.."}));
  b.Canvas().Draw(3, 2, src);  // cut at the edges
  EXPECT_EQ(Picture(b), (Rows{"....", ".ob.", ".#.o"}));
  b.Canvas().Draw(-1, -1, src);
  EXPECT_EQ(Picture(b), (Rows{"....", ".ob.", ".#.o"}));

  TBitmap a(2, 2);
  a.Canvas().Brush().SetColor(RGB(0x0F, 0xF0, 0xFF));
  a.Canvas().FillRect(Rect(0, 0, 2, 2));
  a.Canvas().SetCopyMode(cmSrcAnd);
  a.Canvas().Draw(0, 0, src);
  EXPECT_EQ(a.ScanLine(0)[0], RGB(0x0F, 0, 0));
  EXPECT_EQ(a.ScanLine(0)[1], RGB(0, 0, 0xFF));
  EXPECT_EQ(a.ScanLine(1)[0], clBlack);
  EXPECT_EQ(a.ScanLine(1)[1], RGB(0x0F, 0xF0, 0xFF));  // white leaves the destination
}

TEST(CanvasDraw, TransparentBitmapsLeaveOutTheirKeyColour) {
  TBitmap src;
  Checker(src);  // lower-left pixel black: the key
  src.SetTransparent(true);
  TBitmap b(2, 2);
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().FillRect(Rect(0, 0, 2, 2));
  b.Canvas().Draw(0, 0, src);
  EXPECT_EQ(Picture(b), (Rows{"ob", "o."}));
  src.SetTransparentColor(clWhite);
  b.Canvas().FillRect(Rect(0, 0, 2, 2));
  b.Canvas().Draw(0, 0, src);
  EXPECT_EQ(Picture(b), (Rows{"ob", "#o"}));
}

TEST(CanvasDraw, StretchesShrinksAndMirrors) {
  TBitmap src;
  Checker(src);
  TBitmap b(4, 4);
  b.Canvas().StretchDraw(Rect(0, 0, 4, 4), src);
  EXPECT_EQ(Picture(b), (Rows{"oobb", "oobb", "##..", "##.."}));
  b.Canvas().StretchDraw(Rect(4, 0, 0, 4), src);  // right to left
  EXPECT_EQ(Picture(b), (Rows{"bboo", "bboo", "..##", "..##"}));

  TBitmap big(8, 8);
  big.Canvas().Brush().SetColor(clBlue);
  big.Canvas().FillRect(Rect(4, 0, 8, 8));
  TBitmap s(2, 1);
  s.Canvas().StretchDraw(Rect(0, 0, 2, 1), big);
  EXPECT_EQ(Picture(s), (Rows{".b"}));

  // Onto itself, reading the picture as it was.
  b.Canvas().StretchDraw(Rect(0, 0, 2, 2), b);
  EXPECT_EQ(Picture(b), (Rows{"booo", ".#oo", "..##", "..##"}));
  // Partly outside the target, and with huge corners.
  b.Canvas().StretchDraw(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), src);
  EXPECT_EQ(Count(b, clRed) + Count(b, clBlue) + Count(b, clBlack) + Count(b, clWhite), 16);
}

// The rectangle covered by the pixels that are not white.
TRect Ink(TBitmap& b) {
  TRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.ScanLine(y)[x] != clWhite) {
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
  return r;
}

TEST(CanvasText, OpaqueTextFillsItsBoxClearTextDoesNot) {
  TBitmap b(120, 40);
  TCanvas& c = b.Canvas();
  c.Font().SetColor(clBlack);
  c.Brush().SetColor(clRed);
  const TPoint size = c.TextExtent("Hello");
  ASSERT_GT(size.X, 0);
  ASSERT_GT(size.Y, 0);
  EXPECT_EQ(size.X, c.TextWidth("Hello"));
  EXPECT_EQ(size.Y, c.TextHeight("Hello"));
  c.TextOut(10, 5, "Hello");
  EXPECT_EQ(Ink(b), Rect(10, 5, 10 + size.X, 5 + size.Y));
  EXPECT_EQ(Count(b, clWhite), 120 * 40 - size.X * size.Y);

  TBitmap t(120, 40);
  t.Canvas().Font().SetColor(clBlack);
  t.Canvas().Brush().SetStyle(bsClear);
  t.Canvas().TextOut(10, 5, "Hello");
  EXPECT_EQ(Count(t, clRed), 0);
  EXPECT_GT(120 * 40 - Count(t, clWhite), 0);
  const TRect ink = Ink(t);
  EXPECT_GE(ink.Left, 10);
  EXPECT_LE(ink.Right, 10 + size.X);
}

TEST(CanvasText, AlignmentMovesTheReferencePoint) {
  struct Case {
    unsigned align;
    int dx_of_width_num, dx_den;  // x offset: -width * num / den
    bool bottom, baseline;
  };
  for (const Case k :
       {Case{TA_LEFT | TA_TOP, 0, 1, false, false}, Case{TA_RIGHT, 1, 1, false, false},
        Case{TA_CENTER, 1, 2, false, false}, Case{TA_BOTTOM, 0, 1, true, false},
        Case{TA_BASELINE | TA_CENTER, 1, 2, false, true}}) {
    TBitmap b(200, 80);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clRed);
    const unsigned before = SetTextAlign(c.Handle(), k.align);
    EXPECT_EQ(before, 0u);
    c.TextOut(100, 40, "Tg5");
    const TPoint size = c.TextExtent("Tg5");
    const int left = 100 - size.X * k.dx_of_width_num / k.dx_den;
    const TRect ink = Ink(b);
    EXPECT_EQ(ink.Left, left) << k.align;
    EXPECT_EQ(ink.Right, left + size.X) << k.align;
    if (k.bottom) {
      EXPECT_EQ(ink.Bottom, 40) << k.align;
    } else if (k.baseline) {
      EXPECT_TRUE(ink.Top < 40 && ink.Bottom > 40) << k.align;
    } else {
      EXPECT_EQ(ink.Top, 40) << k.align;
    }
  }
}

TEST(CanvasText, TextRectFillsTheRectangleAndCutsTheText) {
  TBitmap b(100, 40);
  TCanvas& c = b.Canvas();
  c.Font().SetColor(clBlack);
  c.Brush().SetColor(clRed);
  const TRect r = Rect(10, 5, 40, 15);
  c.TextRect(r, 12, 3, "A long text that runs on");
  EXPECT_EQ(Ink(b), r);
  int dark = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      dark += b.ScanLine(y)[x] != clRed;
  EXPECT_GT(dark, 0);

  TBitmap t(100, 40);
  t.Canvas().Brush().SetStyle(bsClear);
  t.Canvas().TextRect(r, 12, 3, "A long text that runs on");
  const TRect ink = Ink(t);
  EXPECT_GE(ink.Left, r.Left);
  EXPECT_LE(ink.Right, r.Right);
  EXPECT_LE(ink.Bottom, r.Bottom);
  EXPECT_GE(ink.Top, r.Top);
}

TEST(CanvasText, UpdatingTheCurrentPositionWritesOnFromThePen) {
  TBitmap b(200, 40);
  TCanvas& c = b.Canvas();
  SetTextAlign(c.Handle(), TA_UPDATECP);
  c.MoveTo(5, 5);
  c.TextOut(0, 0, "ab");
  EXPECT_EQ(c.PenPos(), Point(5 + c.TextWidth("ab"), 5));
}

TEST(CanvasDevice, CapabilitiesOfBitmapsAndPrinter) {
  TBitmap b(96, 48);
  HDC dc = b.Canvas().Handle();
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(dc, ASPECTX), GetDeviceCaps(dc, ASPECTY));
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 96);
  EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 48);
  EXPECT_EQ(GetDeviceCaps(dc, HORZSIZE), 25);
  EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 0);
  EXPECT_EQ(GetDeviceCaps(dc, 12345), 0);
  EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSX), 0);
  EXPECT_EQ(dc->Canvas, &b.Canvas());

  HDC p = Printer().Handle();
  EXPECT_EQ(p, Printer().Canvas().Handle());
  EXPECT_EQ(GetDeviceCaps(p, LOGPIXELSX), 300);
  EXPECT_EQ(GetDeviceCaps(p, LOGPIXELSY), 300);
  EXPECT_EQ(GetDeviceCaps(p, HORZSIZE), 210);
  EXPECT_EQ(GetDeviceCaps(p, VERTSIZE), 297);
  EXPECT_EQ(GetDeviceCaps(p, HORZRES), 2480);
  EXPECT_EQ(GetDeviceCaps(p, PHYSICALHEIGHT), 3508);
}

}  // namespace
}  // namespace zarn
