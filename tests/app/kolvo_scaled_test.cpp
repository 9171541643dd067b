// The viewer on a desktop at twice the density: logical input, device detail.
#include <gtest/gtest.h>

#include <QTest>

#include "stats/zarn_fdist.h"
#include "tests/app/kolvo_fixture.h"

namespace zarn {
namespace {

using kolvotest::Picture;

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
  Application().Reset();
}

}  // namespace
}  // namespace zarn
