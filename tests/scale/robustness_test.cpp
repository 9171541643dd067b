// Ranges no tick loop may hang, crash or overflow on.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "scale_probe.h"

namespace zarn::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");

struct RangeCase {
  double low, high;
  int minTicks;
  bool logarithmic;
  TFigType type;
};

// Every drawing ends, records at most 250 positions and draws at most the
// bound of ticks (plus the few beyond the ends) per pass.
void ExpectBounded(const RangeCase& c, TScaleType scaleType) {
  ProbeEngine e;
  e.SetScaleType(scaleType);
  e.SetMinTicks(c.minTicks);
  e.SetLabelType(c.type);
  e.SetRange(c.low, c.high);
  e.SetLogarithmic(c.logarithmic);
  const Drawn d = Capture(e);
  EXPECT_LE(e.NumTicks(), 250);
  EXPECT_LE(d.ticks.size(), 3u * (kMaxDrawnTicks + 16));
  for (TPoint p : d.tickPixels) {
    EXPECT_GE(std::min(p.X, p.Y), -2147483647);
  }
}

TEST(Robustness, EveryTickLoopEnds) {
  const double big = 1e300;
  const RangeCase cases[] = {
      {kNaN, 1, 3, false, ftNum},
      {0, kNaN, 3, false, ftNum},
      {-kInf, kInf, 3, false, ftNum},
      {0, kInf, 0, false, ftNum},
      {0, 1e-300, 3, false, ftNum},
      {1, 1 + 1e-15, 3, false, ftNum},
      {-1e300, 1e300, 3, false, ftNum},
      {-1.7e308, 1.7e308, 10, false, ftNum},
      {big, std::nextafter(big, kInf), 3, false, ftNum},  // a tick distance changes nothing
      {big, 2 * big, 0, false, ftNum},
      {0, 1e9, 0, false, ftNum},  // a billion units, one tick each
      {-1e9, 0, 0, false, ftNum},
      {1e-300, 1e300, 3, true, ftNum},
      {1e-300, 1e300, 10, true, ftNum},
      {1e300, 1e-300, 10, true, ftUserText},
      {5e-324, 1.7e308, 10, true, ftNum},
      {0, 1000, 3, true, ftNum},  // accepted unchecked in code: no positive low end
      {-10, 1000, 3, true, ftNum},
      {kNaN, kNaN, 3, true, ftNum},
      {0, 1e9, 0, false, ftTime},
      {0, 1e-9, 3, false, ftTime},
      {0, kInf, 3, false, ftTime},
      {-1e300, 1e300, 2, false, ftTime},
      {-693593, 3000000, 2, false, ftDateTime},  // the calendar's limits
      {-693593, -693592.9, 10, false, ftDateTime},
      {2958465, 3000000, 2, false, ftDateTime},
      {2958464, 2958466, 3, false, ftDateTime},
      {0, 1e-12, 2, false, ftDateTime},
      {-kInf, kInf, 2, false, ftDateTime},
      {kNaN, 5, 2, false, ftDateTime},
      {0, 3000000, 0, false, ftDateTime},
  };
  for (const RangeCase& c : cases) {
    for (TScaleType t : {sctXB, sctYL}) {
      SCOPED_TRACE(::testing::Message()
                   << c.low << " .. " << c.high << " min " << c.minTicks << " log " << c.logarithmic
                   << " type " << int(c.type) << " scale " << int(t));
      ExpectBounded(c, t);
    }
  }
}

TEST(Robustness, AbsurdlyDenseTicksStopAtTheBoundAndKeepTheFirst250) {
  ProbeEngine e;
  e.SetMinTicks(0);
  e.SetRange(0, 1e9);
  const Drawn d = Capture(e);
  // Positions are those the rules give, one per unit from 0.
  ASSERT_EQ(e.NumTicks(), 250);
  for (int i = 1; i <= 250; ++i)
    EXPECT_EQ(e.TickPosition(i), i - 1);
  // Each pass examines the bound and a few more; the short pass skips its
  // start below 0.
  EXPECT_EQ(d.ticks.size(), 2u * (kMaxDrawnTicks + 16) - 1);
}

// Margins, caption offsets and the canvas offset each at the limits of int
// (a chart's ScalePos ends up in a margin): positions saturate, nothing overflows.
TEST(Robustness, PlacementsAtTheLimitsOfIntDrawWithoutOverflow) {
  constexpr int kMax = std::numeric_limits<int>::max();
  TBitmap image(300, 120);
  for (TScaleType type : {sctXB, sctXT, sctYL, sctYR}) {
    for (TFigType labels : {ftNum, ftTime, ftDateTime}) {
      for (int offset : {-kMax, 0, kMax}) {
        TScale axis(nullptr);
        axis.SetBounds(0, 0, 300, 120);
        axis.SetTransparent(true);
        axis.SetEmbedded(true);
        axis.SetExternalCanvas(&image.Canvas(), offset, -offset);
        axis.SetScaleType(type);
        axis.SetLabelType(labels);
        axis.SetCaption("caption");
        axis.SetCaptionAnchor(uaSclCenter);
        axis.SetCaptionPosX(offset);
        axis.SetCaptionPosY(-offset);
        axis.SetMarginLeft(kMax);
        axis.SetMarginRight(kMax);
        axis.SetMarginTop(kMax);
        axis.SetMarginBottom(kMax);
        axis.RenderNow();
        axis.SetMarginTop(0);
        axis.SetMarginLeft(0);
        axis.RenderNow();
      }
    }
  }
  TZoomPanInput drag;
  drag.MouseAction = maPan;
  drag.Width = drag.Height = 300;
  drag.MarginLeft = drag.MarginRight = drag.MarginTop = drag.MarginBottom = kMax;
  double low = 0, high = 0;
  EXPECT_FALSE(ComputeZoomPanRange(drag, low, high));
}

TEST(Robustness, EqualEndsAreNeverStoredEvenWhereOneIsLost) {
  ProbeEngine e;
  e.SetRangeHigh(1e300);
  e.SetRangeLow(1e300);
  EXPECT_NE(e.RangeLow(), e.RangeHigh());
  e.SetRange(kInf, kInf);
  EXPECT_NE(e.RangeLow(), e.RangeHigh());
  e.SetRange(5, 5);
  EXPECT_EQ(e.RangeHigh(), 6);
}

}  // namespace
}  // namespace zarn::test
