// The chart's picture: pixels read back from the images it painted.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/viewer_chart.h"

namespace zarn {
namespace {

using test::BuildViewerChart;
using test::IsDark;
using test::PixelOf;

class ViewerPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildViewerChart(chart);
    chart.SetPaintHold(false);
  }
  TColor At(int x, int y) { return PixelOf(chart.Surface(), x, y); }
  TVorel chart{nullptr};
};

TEST_F(ViewerPicture, ImagesTakeTheControlAndPlotSizes) {
  EXPECT_EQ(chart.ControlImage().Width(), 553);
  EXPECT_EQ(chart.ControlImage().Height(), 315);
  // One pixel wider and higher than the distance between the margins.
  EXPECT_EQ(chart.PlotImage().Width(), 484);
  EXPECT_EQ(chart.PlotImage().Height(), 256);
}

TEST_F(ViewerPicture, FrameBackgroundAndPlotFrame) {
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(At(0, 0), face);
  EXPECT_EQ(At(552, 314), face);
  // The plot frame lies on the outermost pixels of the plotting area.
  EXPECT_EQ(At(50, 100), clBlack);
  EXPECT_EQ(At(533, 100), clBlack);
  EXPECT_EQ(At(300, 20), clBlack);
  EXPECT_EQ(At(300, 275), clBlack);
  EXPECT_EQ(At(49, 100), face);
  EXPECT_EQ(At(534, 100), face);
  EXPECT_EQ(At(300, 19), face);
  EXPECT_EQ(At(400, 100), clWhite);
  // The control's surface shows the finished picture.
  EXPECT_EQ(chart.Canvas().Pixel(50, 100), clBlack);
  EXPECT_EQ(chart.Canvas().Pixel(400, 100), clWhite);
}

TEST_F(ViewerPicture, CaptionEndsAtThePlotsRightEdgeAbovePlot) {
  // Right-aligned at x = 533, its top 16 pixels above the plotting area.
  bool inked = false;
  for (int y = 4; y < 20; ++y)
    for (int x = 300; x < 533; ++x)
      inked = inked || IsDark(At(x, y));
  EXPECT_TRUE(inked);
  for (int y = 0; y < 20; ++y)
    for (int x = 533; x < 553; ++x)
      EXPECT_FALSE(IsDark(At(x, y))) << x << "," << y;
  for (int x = 300; x < 533; ++x)
    EXPECT_FALSE(IsDark(At(x, 3))) << x;
}

TEST_F(ViewerPicture, AxesStandOnTheMargins) {
  // Ticks of the x axis below the bottom edge at 0 and 6, of the y axis left
  // of the left edge at 0 and 1.5; labels further out.
  EXPECT_TRUE(IsDark(At(50, 278)));
  EXPECT_TRUE(IsDark(At(533, 278)));
  EXPECT_TRUE(IsDark(At(47, 275)));
  EXPECT_TRUE(IsDark(At(47, 20)));
  bool labels = false;
  for (int y = 285; y < 305; ++y)
    for (int x = 40; x < 60; ++x)
      labels = labels || IsDark(At(x, y));
  EXPECT_TRUE(labels);
}

TEST_F(ViewerPicture, CurveRunsJoinWithoutGaps) {
  // Every column the curve crosses holds a curve pixel: a missing join
  // between two poly-line runs would leave a column empty.
  const TBitmap& plot = chart.PlotImage();
  for (int x = 1; x < plot.Width() - 1; ++x) {
    if (x == 80) continue;  // the crosshair column
    bool found = false;
    for (int y = 1; y < plot.Height() - 1 && !found; ++y)
      found = PixelOf(plot, x, y) == clBlack;
    EXPECT_TRUE(found) << "column " << x;
  }
  // F(4, 4) at x = 3 is 6 * 3 / 4^4, on the control at (292, 263).
  EXPECT_EQ(At(292, 263), clBlack);
}

TEST_F(ViewerPicture, DottedCrosshairAtOne) {
  // x = 1 maps to 130.5, rounded to 130; dots of three pixels, from just
  // inside the top edge to the bottom edge.
  int black = 0, white = 0;
  for (int y = 21; y < 200; ++y)
    (At(130, y) == clBlack ? black : white) += 1;
  EXPECT_GT(black, 80);
  EXPECT_GT(white, 80);
  EXPECT_EQ(At(131, 100), clWhite);
  // The crosshair is drawn on the whole-control image, not in the plot image.
  EXPECT_EQ(PixelOf(chart.PlotImage(), 80, 100), clWhite);
}

}  // namespace
}  // namespace zarn
