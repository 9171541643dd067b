// Tick step, mapping and the linear and logarithmic tick sequences.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/zarn_ticks.h"
#include "scale_probe.h"

namespace zarn::test {
namespace {

using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::Pointwise;

struct StepCase {
  int minTicks;
  long double low, high;
  long double first, distance;
  int shortCount;
};

TEST(NiceTickStep, ChoosesOneTwoFiveBelowTheIdealDistance) {
  const StepCase cases[] = {
      {3, 0, 6, 0, 1, 5},                      // ideal exactly 2: the next smaller mantissa
      {2, 0, 1.5L, 0, 0.5L, 5},                // ideal 0.75
      {3, 0, 100, 0, 20, 4},                   // ideal 33.3
      {5, 0, 1, 0, 0.1L, 5},                   // ideal exactly 0.2
      {3, 10, 0, 10, -2, 4},                   // reversed: negative distance from the top
      {3, -5.5L, 5, -4, 2, 4},                 // first multiple at or above a negative Low
      {3, 0.001L, 0.004L, 0.001L, 0.001L, 5},  // ideal exactly a power of ten
      {0, 0, 25, 0, 1, 1},                     // one tick per unit, short ticks on the long ones
      {0, 0, 8, 0, 1, 5},
      {0, 3.5L, -3, 3, -1, 5},  // per unit, downward on a falling range
  };
  for (const StepCase& c : cases) {
    const TTickStep s = NiceTickStep(c.minTicks, c.low, c.high);
    SCOPED_TRACE(::testing::Message()
                 << c.minTicks << " " << double(c.low) << ".." << double(c.high));
    EXPECT_NEAR(double(s.TickDistance), double(c.distance), 1e-12);
    EXPECT_NEAR(double(s.FirstTick), double(c.first), 1e-12);
    EXPECT_EQ(s.ShortTickCount, c.shortCount);
  }
}

TEST(NiceTickStep, DegenerateRangesHaveNoDistance) {
  const long double inf = std::numeric_limits<long double>::infinity();
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  for (auto [lo, hi] : {std::pair{1.0L, 1.0L}, {nan, 1.0L}, {0.0L, inf}, {-inf, inf}}) {
    const TTickStep s = NiceTickStep(3, lo, hi);
    EXPECT_EQ(s.TickDistance, 0);
    EXPECT_EQ(s.ShortTickCount, 1);
  }
}

TEST(Mapping, EndsLandOnTheMargins) {
  ProbeEngine e;
  e.SetRange(0, 6);
  EXPECT_EQ(e.ValueToPixel(0), 20);
  EXPECT_EQ(e.ValueToPixel(6), 379);
  e.SetScaleType(sctYL);
  EXPECT_EQ(e.ValueToPixel(6), 20);
  EXPECT_EQ(e.ValueToPixel(0), 379);
  e.SetRange(10, 1000);
  e.SetLogarithmic(true);
  EXPECT_EQ(e.ValueToPixel(1000), 20);
  EXPECT_EQ(e.ValueToPixel(std::pow(10.0, 2.5)), 110);  // 20 + 359 / 4: far from a half pixel
  EXPECT_EQ(e.ValueToPixel(10), 379);
  EXPECT_EQ(e.ValueToPixel(0), 0);  // at or below 1e-100
  // Far values are clamped before rounding; NaN has no pixel and gets 0.
  e.SetLogarithmic(false);
  EXPECT_EQ(e.ValueToPixel(1e300), -2147483647);
  EXPECT_EQ(e.ValueToPixel(-1e300), 2147483647);
  EXPECT_EQ(e.ValueToPixel(std::nan("")), 0);
}

TEST(Mapping, LogarithmicWithNonPositiveEndKeepsThePreviousMapping) {
  ProbeEngine e;
  e.SetRange(1, 100);
  e.SetLogarithmic(true);
  const double factor = e.PixelFactor();
  const double offset = e.PixelOffset();
  e.SetRangeLow(-5);
  EXPECT_EQ(e.PixelFactor(), factor);
  EXPECT_EQ(e.PixelOffset(), offset);
}

TEST(Mapping, NoUsableLengthMapsEverythingToTheMiddle) {
  ProbeEngine e;
  e.SetExtent(41, 300);
  e.SetMarginLeft(20);
  e.SetMarginRight(20);
  for (double v : {0.0, 50.0, 100.0, -1e9})
    EXPECT_EQ(e.ValueToPixel(v), 20);  // 20.5 to even
  e.SetExtent(300, 40);
  e.SetScaleType(sctYR);
  EXPECT_EQ(e.ValueToPixel(7), 20);
}

TEST(LinearTicks, ViewerXAxisRecordsShortTicksOnly) {
  ProbeEngine e;
  e.SetRange(0, 6);
  const Drawn d = Capture(e);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-12), Steps(0, 0.2, 6)));
  EXPECT_THAT(d.labels, ElementsAre("0.0", "1.0", "2.0", "3.0", "4.0", "5.0", "6.0"));
  EXPECT_EQ(d.ticks.size(), 31u + 7u);
}

TEST(LinearTicks, VerticalScaleRecordsLongPositionsTwice) {
  ProbeEngine e;
  e.SetScaleType(sctYL);
  e.SetRange(0, 1.5);
  e.SetMinTicks(2);
  const Drawn d = Capture(e);
  std::vector<double> expected = Steps(0, 0.1, 1.5);
  for (double v : {0.0, 0.5, 1.0, 1.5})
    expected.push_back(v);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-12), expected));
  EXPECT_THAT(d.labels, ElementsAre("0.00", "0.50", "1.00", "1.50"));
  e.SetShortTicks(false);
  Capture(e);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-12), Steps(0, 0.5, 1.5)));
}

TEST(LinearTicks, HorizontalLongPassRecordsWithoutShortTicks) {
  ProbeEngine e;
  e.SetRange(0, 100);
  e.SetShortTicks(false);
  Capture(e);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-12), Steps(0, 20, 100)));
  e.SetShortTicks(true);
  Capture(e);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-12), Steps(0, 5, 100)));
}

TEST(LinearTicks, OneTickPerUnit) {
  ProbeEngine e;
  e.SetMinTicks(0);
  e.SetRange(0, 25);
  const Drawn d = Capture(e);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-12), Steps(0, 1, 25)));
  EXPECT_EQ(d.labels.size(), 26u);
  e.SetRange(0, 8);
  Capture(e);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-12), Steps(0, 0.2, 8)));
}

TEST(LinearTicks, OneTickPerUnitOnAFallingRange) {
  ProbeEngine e;
  e.SetMinTicks(0);
  e.SetRange(3.5, -3);
  e.SetShortTicks(false);
  const Drawn d = Capture(e);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-12), Steps(3, -1, -3)));
  EXPECT_EQ(d.labels.size(), 7u);
}

TEST(LinearTicks, ReversedRangeRunsDownward) {
  ProbeEngine e;
  e.SetRange(10, 0);
  e.SetShortTicks(false);
  const Drawn d = Capture(e);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-12), Steps(10, -2, 0)));
  EXPECT_THAT(d.labels, ElementsAre("10.0", "8.0", "6.0", "4.0", "2.0", "0.0"));
  // The first tick sits at the left end.
  EXPECT_EQ(d.tickPixels.front().X, 20);
  EXPECT_EQ(d.tickPixels.back().X, 379);
}

TEST(LinearTicks, RecordsAtMost250ButDrawsOn) {
  ProbeEngine e;
  e.SetExtent(2000, 100);
  e.SetMinTicks(0);
  e.SetRange(0, 300);
  const Drawn d = Capture(e);
  EXPECT_EQ(e.NumTicks(), 250);
  EXPECT_EQ(e.TickPosition(250), 249);
  EXPECT_EQ(e.TickPosition(251), 0);
  EXPECT_EQ(e.TickPosition(0), 0);
  EXPECT_EQ(e.TickPosition(1), 0);
  EXPECT_EQ(d.ticks.size(), 301u * 2);
}

// Sequences far denser than the scale's pixels are still drawn whole: every
// tick and every label up to the end of the range.
TEST(LinearTicks, DenseSequencesAreDrawnToTheEnd) {
  for (double high : {1000.0, 9999.0}) {
    ProbeEngine e;  // 400 pixels wide
    e.SetMinTicks(0);
    e.SetRange(0, high);
    const Drawn d = Capture(e);
    EXPECT_EQ(d.labels.size(), static_cast<std::size_t>(high) + 1);
    EXPECT_EQ(d.labelValues.back(), high);
    EXPECT_EQ(d.labels.back(), FormatTickNumber(high, 0));
    EXPECT_EQ(d.ticks.size(), 2 * d.labels.size());
  }
}

TEST(LinearTicks, TickMarksHaveTheirLengthsAndDirections) {
  // Long ticks 7 pixels on horizontal, 6 on vertical scales, short ones 4,
  // pointing away from the base line into the scale.
  struct Case {
    TScaleType type;
    int dx, dy;
    int longLength;
  };
  for (const Case& c :
       {Case{sctXB, 0, -1, 7}, Case{sctXT, 0, 1, 7}, Case{sctYL, 1, 0, 6}, Case{sctYR, -1, 0, 6}}) {
    ProbeEngine e;
    e.SetScaleType(c.type);
    e.SetRange(0, 6);
    e.SetLabelType(ftNoFigs);
    TBitmap bmp(400, 400);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(Rect(0, 0, 400, 400));
    const bool horizontal = c.type == sctXB || c.type == sctXT;
    const int base = c.type == sctXB ? 379 : c.type == sctYR ? 379 : 20;
    const Drawn d = Capture(e, bmp, base);
    auto length = [&](TPoint at) {
      int n = 0;
      while (bmp.Canvas().Pixel(at.X + n * c.dx, at.Y + n * c.dy) == clBlack)
        ++n;
      return n;
    };
    SCOPED_TRACE(int(c.type));
    ASSERT_EQ(d.tickPixels.size(), 31u + 7u);
    EXPECT_EQ(length(d.tickPixels[31]), c.longLength);  // the long tick at 0
    EXPECT_EQ(length(d.tickPixels[1]), 4);              // the short tick at 0.2
    EXPECT_EQ(horizontal ? d.tickPixels[1].Y : d.tickPixels[1].X, base);
  }
}

TEST(LogTicks, SparseShowsDecadesOnly) {
  ProbeEngine e;
  e.SetRange(1, 1000);
  e.SetLogarithmic(true);
  const Drawn d = Capture(e);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-9), {1.0, 10.0, 100.0, 1000.0}));
  EXPECT_THAT(d.labels, ElementsAre("1", "10", "100", "1000"));
}

TEST(LogTicks, DenseAddsLabelledTwoAndFiveAndShortOthers) {
  ProbeEngine e;
  e.SetRange(1, 1000);
  e.SetLogarithmic(true);
  e.SetMinTicks(4);
  const Drawn d = Capture(e);
  std::vector<double> expected;
  for (double decade : {1.0, 10.0, 100.0})
    for (int k = 1; k <= 9; ++k)
      expected.push_back(k * decade);
  expected.push_back(1000);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-9), expected));
  EXPECT_THAT(d.labels, ElementsAre("1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"));
  // Events come between mark and label.
  EXPECT_EQ(d.events[0], "tick");
  EXPECT_EQ(d.events[1], "label");
  e.SetShortTicks(false);
  Capture(e);
  EXPECT_EQ(e.NumTicks(), 10);
}

TEST(LogTicks, SixHundredDecadesAreDrawnToTheEnd) {
  ProbeEngine e;
  e.SetRange(1e-300, 1e300);
  e.SetLogarithmic(true);
  const Drawn d = Capture(e);
  EXPECT_EQ(d.ticks.size(), 601u);
  EXPECT_EQ(d.labels.size(), 601u);
  EXPECT_DOUBLE_EQ(d.ticks.back(), 1e300);
}

TEST(LogTicks, LessThanADecadeUsesTheLinearSequence) {
  ProbeEngine e;
  e.SetRange(2, 8);
  e.SetLogarithmic(true);
  e.SetShortTicks(false);
  const Drawn d = Capture(e);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-12), Steps(2, 1, 8)));
  EXPECT_THAT(d.labels, ElementsAre("2.0", "3.0", "4.0", "5.0", "6.0", "7.0", "8.0"));
  // Placed on the logarithmic mapping.
  EXPECT_EQ(d.tickPixels[0].X, 20);
  EXPECT_EQ(d.tickPixels[1].X, 20 + int(std::lround(359 * std::log(1.5) / std::log(4.0))));
}

TEST(LogTicks, TicksAHairOutsideTheRangeStillShow) {
  ProbeEngine e;
  e.SetRange(1.0000000001, 99.9999999);
  e.SetLogarithmic(true);
  e.SetMinTicks(2);
  Capture(e);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-9), {1.0, 10.0, 100.0}));
}

}  // namespace
}  // namespace zarn::test
