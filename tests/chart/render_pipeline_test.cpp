// The plotting-area background, the grid, labels, shadows, pictures and
// paints that ask for paints.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "tests/support/viewer_chart.h"

namespace zarn {
namespace {

using test::PixelOf;

class Pipeline : public ::testing::Test {
 protected:
  void SetUp() override { test::BuildSmallChart(chart); }
  void BuildViewerChartPainted() {
    test::BuildViewerChart(chart);
    chart.SetPaintHold(false);
  }
  // The plotting-area background alone, into a fresh image.
  void Background() {
    image.SetSize(101, 81);
    chart.DrawChartBackground(image.Canvas(), 0, 0, 101, 81);
  }
  int Count(const TBitmap& b, TColor c) const {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x)
        n += PixelOf(b, x, y) == c;
    return n;
  }
  TVorel chart{nullptr};
  TBitmap image;
};

TEST_F(Pipeline, AreaModesFillTheirRectanglesWhateverTheCornerOrder) {
  TBakGndImg& bg = chart.BackGroundImg();
  bg.SetAreaColor(clRed);
  // x 20 .. 40, y 20 .. 50 in plotting-area pixels.
  bg.SetAreaLeft(20);
  bg.SetAreaRight(40);
  bg.SetAreaTop(60);
  bg.SetAreaBottom(30);
  struct TCase {
    TBGAreaMode mode;
    bool inside, left, above;  // (30, 35), (5, 35), (30, 5) filled
  };
  const TCase cases[] = {
      {bamNone, false, false, false},      {bamLeft, false, true, false},
      {bamRight, false, false, false},     {bamTop, false, false, true},
      {bamBottom, false, false, false},    {bamVStripe, true, false, true},
      {bamHStripe, true, true, false},     {bamRect, true, false, false},
      {bamRectInv, false, true, true},     {bamVStripeInv, false, true, false},
      {bamHStripeInv, false, false, true},
  };
  for (const TCase& c : cases) {
    bg.SetAreaMode(c.mode);
    Background();
    EXPECT_EQ(PixelOf(image, 30, 35) == clRed, c.inside) << int(c.mode);
    EXPECT_EQ(PixelOf(image, 5, 35) == clRed, c.left) << int(c.mode);
    EXPECT_EQ(PixelOf(image, 30, 5) == clRed, c.above) << int(c.mode);
  }
  bg.SetAreaMode(bamRect);
  bg.SetAreaLeft(40);
  bg.SetAreaRight(20);
  Background();
  EXPECT_EQ(PixelOf(image, 30, 35), clRed);
  EXPECT_EQ(Count(image, clRed), 20 * 30);
}

TEST_F(Pipeline, BackgroundPictureTilesStretchesAndFollowsItsFile) {
  const std::string path = ::testing::TempDir() + "chart_background.png";
  TBitmap tile(2, 2);
  tile.Canvas().SetPixel(0, 0, clRed);
  tile.Canvas().SetPixel(1, 0, clBlue);
  tile.Canvas().SetPixel(0, 1, clBlue);
  tile.Canvas().SetPixel(1, 1, clRed);
  ASSERT_TRUE(tile.SaveToPngFile(path));
  TBakGndImg& bg = chart.BackGroundImg();
  bg.SetFillMode(bfTile);
  bg.SetIncludePath(true);
  bg.SetName(path);
  Background();
  EXPECT_EQ(PixelOf(image, 0, 0), clRed);
  EXPECT_EQ(PixelOf(image, 3, 0), clBlue);
  EXPECT_EQ(PixelOf(image, 100, 80), clRed);
  // A new file under the same name is read again; larger than the area, it
  // is drawn once from the corner.
  TBitmap large(300, 200);
  large.Canvas().Brush().SetColor(clLime);
  large.Canvas().FillRect(Rect(0, 0, 300, 200));
  large.Canvas().SetPixel(0, 0, clBlue);
  ASSERT_TRUE(large.SaveToPngFile(path));
  Background();
  EXPECT_EQ(PixelOf(image, 0, 0), clBlue);
  EXPECT_EQ(PixelOf(image, 100, 80), clLime);
  bg.SetFillMode(bfStretch);
  Background();
  EXPECT_GE(Count(image, clLime), 101 * 81 - 1);
  std::remove(path.c_str());
}

TEST_F(Pipeline, MissingPictureLeavesTheChartColourAndDropsTheName) {
  chart.SetChartColor(clYellow);
  int changes = 0;
  TBakGndImg& bg = chart.BackGroundImg();
  bg.SetIncludePath(true);
  bg.SetName(::testing::TempDir() + "no_such_picture.bmp");
  const TNotifyEvent hooked = bg.OnChange;
  bg.OnChange = [&](TObject* s) {
    ++changes;
    if (hooked) hooked(s);
  };
  Background();
  EXPECT_EQ(bg.Name(), "");
  EXPECT_EQ(changes, 0);                       // dropped without a notification, which would paint
  EXPECT_EQ(Count(image, clYellow), 99 * 79);  // inside the frame colour's outline
}

TEST_F(Pipeline, GridStopsAtAThousandLinesOrPoints) {
  test::BuildSmallChart(chart, 1220);
  // Values 0, 1, ... at columns 1, 2, ...; 0, 10, ... 70 at rows 75 ... 5.
  chart.Scale1X().SetRangeLow(-0.9);
  chart.Scale1X().SetRangeHigh(1199.1);
  chart.Scale1Y().SetRangeLow(-5);
  chart.Scale1Y().SetRangeHigh(75);
  chart.SetGridColor(clRed);
  chart.SetGridDx(1);
  chart.SetGridDy(10);
  chart.SetGridStyle(gsVertLines);
  TBitmap plot(1201, 81);
  chart.RenderDataToImage(plot, 0, 0, false, false);
  EXPECT_EQ(PixelOf(plot, 1000, 40), clRed);
  EXPECT_EQ(PixelOf(plot, 1001, 40), clWhite);
  chart.SetGridStyle(gsPoints);
  TBitmap points(1201, 81);
  chart.RenderDataToImage(points, 0, 0, false, false);
  EXPECT_EQ(Count(points, clRed), 1000);
  // A step too small for the doubles to advance ends at the cap as well.
  chart.SetGridDx(1e-300);
  chart.SetGridStyle(gsDotLines);
  chart.RenderDataToImage(plot, 0, 0, false, false);
  // No grid with the switch on.
  TBitmap none(1201, 81);
  chart.RenderDataToImage(none, 0, 0, true, false);
  EXPECT_EQ(Count(none, clRed), 0);
}

TEST_F(Pipeline, GridOnTheAxisTicksAndOnDecades) {
  BuildViewerChartPainted();
  chart.SetGridColor(clRed);
  chart.SetGridDx(0);
  chart.SetGridStyle(gsVertLines);
  TBitmap plot(484, 256);
  chart.RenderDataToImage(plot, 0, 0, false, false);
  // Ticks at 0.0, 1.0, ... 6.0 of the x axis: x = 3 at plotting-area column 241 or 242.
  EXPECT_TRUE(PixelOf(plot, 241, 100) == clRed || PixelOf(plot, 242, 100) == clRed);
  EXPECT_EQ(PixelOf(plot, 200, 100), clWhite);
}

TEST_F(Pipeline, GridOnDecadesOfALogarithmicAxis) {
  chart.Scale1X().SetRangeLow(1);
  chart.Scale1X().SetRangeHigh(1000);
  chart.Scale1X().SetLogarithmic(true);
  chart.SetGridColor(clRed);
  chart.SetGridDx(-1);
  chart.SetGridStyle(gsVertLines);
  TBitmap plot(100, 80);
  chart.RenderDataToImage(plot, 0, 0, false, false);
  // 10 and 100 a third and two thirds across the 100 pixels; nothing between.
  auto lineNear = [&](int column) {
    return PixelOf(plot, column - 1, 40) == clRed || PixelOf(plot, column, 40) == clRed ||
           PixelOf(plot, column + 1, 40) == clRed;
  };
  EXPECT_TRUE(lineNear(33));
  EXPECT_TRUE(lineNear(66));
  for (int column : {10, 20, 50, 80, 90})
    EXPECT_EQ(PixelOf(plot, column, 40), clWhite) << column;
}

TEST_F(Pipeline, TextLabelsDrawFromTheirAnchorUnlessHidden) {
  TTextLabel& l = chart.TextLabel(1);
  l.SetCaption("Ab\nCd");
  l.SetAttachToData(tlamNone);
  l.SetPosX(60);  // control pixels: (50, 40) in the plotting area
  l.SetPosY(50);
  l.SetMode(tlBox);
  l.SetVisible(true);
  l.SetColorBorder(clRed);
  l.SetColorBkg(clYellow);
  TBitmap measure(1, 1);
  measure.Canvas().SetFont(l.Font());
  const int bw = std::max(measure.Canvas().TextWidth("Ab"), measure.Canvas().TextWidth("Cd"));
  const int height = 2 * measure.Canvas().TextHeight("Ab\nCd");
  struct TCase {
    TAlignment across;
    TVerticalAlignment down;
    int left, bottom;  // of the text block
  };
  const TCase cases[] = {
      {taCenter, vaBottom, 50 - bw / 2, 40},
      {taLeftJustify, vaTop, 50, 40 + height},
      {taRightJustify, vaCenter, 50 - bw, 40 + height / 2},
  };
  for (const TCase& c : cases) {
    l.SetAlignment(c.across);
    l.SetVerticalAlignment(c.down);
    TBitmap plot(101, 81);
    chart.RenderDataToImage(plot, 0, 0, false, false);
    // The box's outline runs 4 pixels beside the block and 2 above and below.
    const int x0 = c.left - 4, x1 = c.left + bw + 3, y0 = c.bottom - height - 2, y1 = c.bottom + 1;
    const int across = c.across, down = c.down;
    EXPECT_EQ(PixelOf(plot, x0, y0), clRed) << across << " " << down;
    EXPECT_EQ(PixelOf(plot, x1, y1), clRed) << across << " " << down;
    EXPECT_EQ(PixelOf(plot, x0 + 1, y1 - 1), clYellow) << across << " " << down;
    EXPECT_NE(PixelOf(plot, x0 - 1, y1), clRed) << across << " " << down;
    EXPECT_NE(PixelOf(plot, x1, y1 + 1), clRed) << across << " " << down;
  }
  chart.SetLayerVisible(1, false);
  TBitmap hidden(101, 81);
  chart.RenderDataToImage(hidden, 0, 0, false, false);
  EXPECT_EQ(Count(hidden, clRed), 0);
}

TEST_F(Pipeline, ShadowStylesAndNoShadow) {
  BuildViewerChartPainted();
  const TBitmap& img = chart.ControlImage();
  const int W = img.Width(), H = img.Height();
  EXPECT_EQ(PixelOf(img, W - 1, 0), ColorToRGB(clBtnFace));
  chart.SetShadowColor(clBlue);
  chart.SetShadowBakColor(clYellow);
  chart.SetShadowWidth(6);
  chart.SetShadowStyle(ssFlying);
  chart.Paint();
  EXPECT_EQ(PixelOf(img, W - 1, 0), clYellow);     // the corner the shadow leaves
  EXPECT_EQ(PixelOf(img, W / 2, H - 2), clBlue);   // bottom strip
  EXPECT_EQ(PixelOf(img, W - 1, H - 1), clBlue);   // square ends
  EXPECT_EQ(PixelOf(img, W - 6, H / 2), clBlack);  // the card's outline
  chart.SetShadowStyle(ssBox);
  chart.Paint();
  EXPECT_EQ(PixelOf(img, W / 2, H - 2), clBlue);
  EXPECT_EQ(PixelOf(img, W - 1, H - 1), clBlack);  // outlined in black
}

TEST(PaintInPaint, WaitsForTheEndOfThePaintUnderWay) {
  struct TInvalidateCounting : TVorel {
    using TVorel::TVorel;
    void Invalidate() override {
      ++Invalidates;
      TVorel::Invalidate();
    }
    int Invalidates = 0;
  } chart{nullptr};
  test::BuildViewerChart(chart);
  chart.SetPaintHold(false);
  int scales = 0;
  chart.OnScalesRendered = [&](TObject*, TCanvas&, int, int) { ++scales; };
  chart.OnBeforeRenderData = [&](TObject*, TCanvas& c, int, int) {
    c.Pen().SetColor(clRed);
    chart.Paint();
  };
  chart.Invalidates = 0;
  chart.Paint();
  EXPECT_EQ(scales, 1);             // not painted inside itself
  EXPECT_EQ(chart.Invalidates, 1);  // but asked for again, not dropped
}

TEST_F(Pipeline, CaptionTrimmedToThePlotWidth) {
  BuildViewerChartPainted();
  chart.SetCaption(std::string(200, 'W'));
  chart.Paint();
  // Right-aligned at the plot's right edge and cut to its width.
  const TBitmap& img = chart.ControlImage();
  for (int x = 0; x < 45; ++x)
    for (int y = 0; y < 12; ++y)
      EXPECT_FALSE(test::IsDark(PixelOf(img, x, y))) << x << "," << y;
  chart.SetCaption("");
  chart.Paint();
}

}  // namespace
}  // namespace zarn
