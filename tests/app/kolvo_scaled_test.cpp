// The viewer on a desktop at twice the density: logical input, device detail.
#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>

#include "stats/zarn_fdist.h"
#include "tests/app/kolvo_fixture.h"

namespace zarn {
namespace {

using kolvotest::Picture;

// The plotting area's corner at the designed size.
constexpr int kPlotLeft = 50;
constexpr int kPlotTop = 20;

class ScaledEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_SCALE_FACTOR", "2");
    kolvotest::Backend();
  }
  void TearDown() override { kolvotest::StopBackend(); }
};
[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(std::make_unique<ScaledEnvironment>().release());

TEST(KolvoScaled, ADragInLogicalPixelsReadsWhatItReadsAtOneAndShowsTheSameAsAFullPaint) {
  TFrmKolvo& form = kolvotest::CreateMainWindow();
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(WidgetOf(form)));
  TVorel& chart = *form.Vorel1;
  EXPECT_EQ(chart.DeviceScale(), 2);
  EXPECT_EQ(Picture(form).size(), QSize(1106, 760));
  auto column = [&](double x) {
    int px = 0, py = 0;
    chart.WorldToPixel(1, x, 0.0, px, py);
    return px;
  };
  QWidget* widget = WidgetOf(chart);
  const int y = chart.Height() / 2, from = column(1.0), to = column(2.5);
  QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(from, y));
  QTest::mouseMove(widget, QPoint((from + to) / 2, y));
  QTest::mouseMove(widget, QPoint(to, y));
  QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(to, y));
  const double x = chart.CrossHair1().PosX();
  EXPECT_NEAR(x, 2.5, 6.0 / 483);  // within a logical pixel
  EXPECT_EQ(form.NLabQuantile->Value(), x);
  EXPECT_EQ(form.NLabCrosshair->Value(), 1 - FLowerTail(4, 4, x));

  // The crosshair's strips were composed at device pixels: a full paint
  // draws the same picture, the dotted line two device columns wide.
  const QImage composed = Picture(chart);
  chart.Invalidate();
  const QImage painted = Picture(chart);
  EXPECT_EQ(composed, painted);
  int dots = 0;
  for (int row = 2 * 21; row < 2 * 274; ++row) {
    const bool dark = qGray(painted.pixel(2 * column(x), row)) < 96;
    EXPECT_EQ(qGray(painted.pixel(2 * column(x) + 1, row)) < 96, dark) << row;
    dots += dark;
  }
  EXPECT_GT(dots, 2 * 253 / 3);

  // The curve passes through its points where the transform at the device's
  // scale puts them, not where the chart's pixels would.
  int placed = 0, finer = 0;
  for (int i = 0; i + 1 < chart.DataCount(); ++i) {
    const TvoChartItem& item = chart.DataItems()[i];
    if (item.Kind != ikLineTo) continue;
    int px, py, lx, ly;
    chart.WorldToPixel(item.Layer, item.X1, item.Y1, px, py, 2);
    chart.WorldToPixel(item.Layer, item.X1, item.Y1, lx, ly);
    // (Inside the plot, and not under the crosshair's dotted line.)
    if (px <= 2 * kPlotLeft || py <= 2 * kPlotTop || py >= 2 * (chart.Height() - 40) ||
        std::abs(lx - column(x)) <= 1)
      continue;
    EXPECT_LT(qGray(painted.pixel(px, py)), 96) << item.X1;
    ++placed;
    finer += px != 2 * lx || py != 2 * ly;
  }
  EXPECT_GT(placed, 300);
  EXPECT_GT(finer, placed / 3);
  Application().Reset();
}

}  // namespace
}  // namespace zarn
