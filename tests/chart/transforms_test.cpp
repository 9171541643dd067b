#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "chart/zarn_vorel.h"

namespace zarn {
namespace {

// A chart the size of the viewer's, margins 50, 20, 20, 40.
struct Transforms : ::testing::Test {
  void SetUp() override {
    chart.SetBounds(0, 0, 553, 315);
    chart.SetMarginLeft(50);
    chart.SetMarginRight(20);
    chart.SetMarginTop(20);
    chart.SetMarginBottom(40);
  }
  void Range(int layer, double xLow, double xHigh, double yLow, double yHigh) {
    chart.SetLayerRange(layer, xLow, yLow, xHigh, yHigh);
  }
  TPoint Pixel(int layer, double x, double y) {
    TPoint p;
    chart.WorldToPixel(layer, x, y, p.X, p.Y);
    return p;
  }
  TVorel chart{nullptr};
};

TEST_F(Transforms, RangeEndsLandOnThePlottingAreaEdges) {
  chart.SetShadowWidth(5);
  Range(2, 0, 6, 0, 1.5);
  EXPECT_EQ(Pixel(2, 0, 1.5), (TPoint{50, 20}));
  EXPECT_EQ(Pixel(2, 6, 0), (TPoint{553 - 20 - 5, 315 - 40 - 5}));
  // A reversed axis swaps the ends.
  Range(3, 6, 0, 1.5, 0);
  EXPECT_EQ(Pixel(3, 6, 1.5), (TPoint{50, 315 - 40 - 5}));
  double x = 0;
  double y = 0;
  chart.PixelToWorld(2, 50 + 239, 20, x, y);
  EXPECT_NEAR(x, 3.0, 1e-12);
  EXPECT_NEAR(y, 1.5, 1e-12);
}

TEST_F(Transforms, LogarithmicAxesAndValuesOutOfTheirReach) {
  Range(1, 1, 100, 0.01, 1);
  chart.ScaleX(1).SetLogarithmic(true);  // never loaded: accepted unchecked
  chart.ScaleY(1).SetLogarithmic(true);
  EXPECT_EQ(Pixel(1, 1, 1), (TPoint{50, 20}));
  EXPECT_EQ(Pixel(1, 0, 0), (TPoint{0, 315}));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(Pixel(1, nan, -1), (TPoint{0, 315}));
  Range(1, 100, 1, 1, 0.01);  // reversed
  EXPECT_EQ(Pixel(1, 0, 0), (TPoint{553, 0}));
  double x = 0;
  double y = 0;
  chart.PixelToWorld(1, 50, 20, x, y);
  EXPECT_NEAR(x, 100, 1e-9);
  EXPECT_NEAR(y, 0.01, 1e-12);
}

TEST_F(Transforms, NoNumberAndFarPointsStayWithinPixelRange) {
  Range(1, 0, 1, 0, 1);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Pixel(1, nan, nan), (TPoint{0, 315}));
  EXPECT_EQ(Pixel(1, inf, -inf), (TPoint{2147483647, 2147483647}));
  EXPECT_EQ(Pixel(1, -1e300, 1e300), (TPoint{-2147483647, -2147483647}));
}

TEST_F(Transforms, APlotWithoutRoomMapsEverythingToTheMiddle) {
  chart.SetMarginLeft(400);
  chart.SetMarginRight(400);
  EXPECT_EQ(chart.Kx(1), 0);
  EXPECT_EQ(Pixel(1, 123.0, 0).X, 276);  // 553 / 2 rounded to even
  EXPECT_EQ(Pixel(1, std::numeric_limits<double>::infinity(), 0).X, 276);
  double x = 0;
  double y = 0;
  Range(1, -3, 7, 0, 1);
  chart.PixelToWorld(1, 17, 100, x, y);
  EXPECT_EQ(x, -3.0);
  // A span lost in the magnitude of its ends is no room either.
  chart.SetMarginLeft(50);
  chart.SetMarginRight(20);
  chart.ScaleY(1).StoreRange(1e20, 1e20);
  chart.RecalcTransforms();
  EXPECT_EQ(chart.Ky(1), 0);
  EXPECT_EQ(Pixel(1, 0, 1e20).Y, 158);  // 315 / 2 rounded to even
}

TEST_F(Transforms, LogarithmicBoundBelowZeroIsReported) {
  chart.ScaleX(2).StoreRange(0, 2);
  chart.ScaleX(3).StoreRange(-1, 10);
  // Accepted unchecked before loading; the chart's reaction reports it.
  EXPECT_THROW(chart.ScaleX(3).SetLogarithmic(true), EZarnVorelError);
  try {
    chart.RecalcTransforms();
    FAIL() << "no error";
  } catch (const EZarnVorelError& e) {
    EXPECT_STREQ(e.what(), "Logarithmic axis must not be negative.");
  }
  // Layers before the faulty one have their new coefficients.
  EXPECT_EQ(Pixel(2, 2, 0).X, 533);
}

// The platform's paint and resize never see the error: every other axis is
// mapped and drawn, and a handler's exception ends the picture, not the program.
TEST_F(Transforms, PaintAndResizeDrawAroundAnAxisThatCannotBeMapped) {
  Range(3, 0, 10, 0, 10);
  chart.ScaleX(2).SetVisible(true);
  EXPECT_THROW(chart.ScaleX(2).SetLogarithmic(true), EZarnVorelError);
  chart.SetBounds(0, 0, 600, 400);
  EXPECT_EQ(Pixel(3, 10, 10), (TPoint{600 - 20, 20}));
  EXPECT_NO_THROW(chart.SetPaintHold(false));
  const TBitmap& plot = chart.PlotImage();
  ASSERT_EQ(plot.Width(), 600 - 50 - 20 + 1);
  EXPECT_EQ(plot.ScanLine(plot.Height() - 1)[plot.Width() - 1], clBlack);  // the plot frame
  chart.OnDataRendered = [](TObject*, TCanvas&, int, int) { throw std::runtime_error("handler"); };
  EXPECT_NO_THROW(chart.Paint());
}

}  // namespace
}  // namespace zarn
