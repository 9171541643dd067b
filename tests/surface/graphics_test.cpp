#include <gtest/gtest.h>

#include "surface/zarn_surface.h"

namespace zarn {
namespace {

TEST(Graphics, SettersReportChangesOnce) {
  TPen pen;
  int changes = 0;
  pen.OnChange = [&] { ++changes; };
  pen.SetColor(clRed);
  pen.SetColor(clRed);
  pen.SetWidth(0);  // taken as 1, the value it has: no change
  EXPECT_EQ(pen.Width(), 1);
  pen.SetWidth(-4);
  pen.SetStyle(psDot);
  pen.SetMode(pmXor);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(pen.Color(), clRed);
  EXPECT_EQ(pen.Style(), psDot);
  EXPECT_EQ(pen.Mode(), pmXor);
}

TEST(Graphics, ColouringAClearBrushMakesItSolid) {
  TBrush brush;
  EXPECT_EQ(brush.Style(), bsSolid);
  brush.SetStyle(bsClear);
  int changes = 0;
  brush.OnChange = [&] { ++changes; };
  brush.SetColor(brush.Color());  // same colour, but the style changes
  EXPECT_EQ(brush.Style(), bsSolid);
  EXPECT_EQ(changes, 1);
}

TEST(Graphics, FontSizeAndHeightFollowTheResolution) {
  TFont font;
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);
  font.SetSize(10);
  EXPECT_EQ(font.Height(), -13);
  font.SetPixelsPerInch(300);
  EXPECT_EQ(font.Height(), -13);  // the resolution keeps the pixel height
  EXPECT_EQ(font.Size(), 3);
  font.SetSize(10);
  EXPECT_EQ(font.Height(), -42);
  font.SetPixelsPerInch(0);
  EXPECT_EQ(font.PixelsPerInch(), 300);
  font.SetSize(2147483647);  // no overflow
  EXPECT_LT(font.Height(), 0);
}

TEST(Graphics, AssignCopiesItsOwnKindOnly) {
  TFont a;
  a.SetName("DejaVu Sans");
  a.SetHeight(-20);
  a.SetStyle({fsBold, fsUnderline});
  a.SetColor(clRed);
  TFont b;
  int changes = 0;
  b.OnChange = [&] { ++changes; };
  b.Assign(a);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(SameFace(a, b));
  EXPECT_EQ(b.Color(), clRed);

  TPen p, q;
  q.SetWidth(3);
  q.SetStyle(psInsideFrame);
  p.Assign(q);
  EXPECT_EQ(p.Width(), 3);
  EXPECT_EQ(p.Style(), psInsideFrame);

  TBrush brush;
  try {
    p.Assign(brush);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TBrush to a TPen");
  }
  EXPECT_THROW(brush.Assign(a), EConvertError);
}

TEST(Graphics, CanvasAttributesAreItsOwn) {
  TBitmap a(2, 2), b(2, 2);
  a.Canvas().Pen().SetColor(clRed);
  b.Canvas().SetPen(a.Canvas().Pen());
  EXPECT_EQ(b.Canvas().Pen().Color(), clRed);
  a.Canvas().Pen().SetColor(clBlue);
  EXPECT_EQ(b.Canvas().Pen().Color(), clRed);
}

}  // namespace
}  // namespace zarn
