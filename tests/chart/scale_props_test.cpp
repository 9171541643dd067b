#include <gtest/gtest.h>

#include <limits>

#include "chart/zarn_vorel.h"

namespace zarn {
namespace {

struct ScaleProps : ::testing::Test {
  void SetUp() override {
    axis.OnChange = [this](TObject*) { ++changes; };
  }
  TScalePropsHoriz axis;
  int changes = 0;
};

TEST_F(ScaleProps, RangeEndsKeepTheMinimumSpan) {
  axis.SetRangeHigh(5);
  axis.SetRangeLow(5);
  EXPECT_EQ(axis.RangeLow(), 5);
  EXPECT_EQ(axis.RangeHigh(), 5 + 1e-10);
  axis.SetRangeLow(0);
  axis.SetRangeHigh(1);
  changes = 0;
  axis.SetMinRange(0.5);  // the span is wide enough: stored, nothing else
  EXPECT_EQ(axis.MinRange(), 0.5);
  EXPECT_EQ(changes, 0);
  axis.SetMinRange(2);  // re-centred on the old middle
  EXPECT_EQ(axis.RangeLow(), -0.5);
  EXPECT_EQ(axis.RangeHigh(), 1.5);
  EXPECT_EQ(changes, 1);
  axis.SetMinRange(1e-100);
  EXPECT_EQ(axis.MinRange(), 2);
  EXPECT_EQ(changes, 1);
}

TEST_F(ScaleProps, ValuesThatAreNoNumberAreIgnored) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  axis.SetRangeLow(nan);
  axis.SetRangeHigh(inf);
  axis.SetMinRange(inf);
  EXPECT_EQ(axis.RangeLow(), 0);
  EXPECT_EQ(axis.RangeHigh(), 1);
  EXPECT_EQ(axis.MinRange(), 1e-10);
  EXPECT_EQ(changes, 0);
  // Ends near the largest double: the minimum span would run past it.
  const double big = std::numeric_limits<double>::max();
  axis.SetMinRange(big);
  EXPECT_EQ(axis.RangeHigh(), 0.5 + big / 2);
  axis.SetRangeLow(big);
  EXPECT_EQ(axis.RangeLow(), 0.5 - big / 2);
  EXPECT_EQ(axis.RangeHigh(), 0.5 + big / 2);
}

TEST_F(ScaleProps, LogarithmicOnlyWhereTheRangeAllowsIt) {
  axis.SetLogarithmic(true);  // while loading, unchecked
  EXPECT_TRUE(axis.Logarithmic());
  axis.SetLogarithmic(false);
  axis.SetLoadingFlag(false);
  changes = 0;
  axis.SetLogarithmic(true);  // 0 .. 1
  EXPECT_FALSE(axis.Logarithmic());
  EXPECT_EQ(changes, 1);
  axis.SetRangeHigh(100);
  axis.SetRangeLow(1);
  axis.SetLogarithmic(true);
  EXPECT_TRUE(axis.Logarithmic());
  axis.SetRangeLow(0);  // below the reach of a logarithmic axis
  EXPECT_EQ(axis.RangeLow(), 1);
  axis.SetLabelType(ftDateTime);
  EXPECT_FALSE(axis.Logarithmic());
  axis.SetLogarithmic(true);
  EXPECT_FALSE(axis.Logarithmic());
  axis.SetLabelType(ftTime);
  EXPECT_EQ(axis.DecPlaces(), 4);
  axis.SetDecPlaces(20);
  EXPECT_EQ(axis.DecPlaces(), 12);
  axis.SetDecPlaces(-10);
  EXPECT_EQ(axis.DecPlaces(), -3);
}

TEST_F(ScaleProps, LogarithmicBoundNeverReachesZero) {
  axis.SetRangeLow(1e-20);
  axis.SetLogarithmic(true);
  axis.SetRangeHigh(5e-11);  // the minimum span would put RangeLow at -5e-11
  EXPECT_EQ(axis.RangeLow(), 1e-20);
  EXPECT_EQ(axis.RangeHigh(), 1);
  axis.SetMinRange(10);  // re-centring would too
  EXPECT_EQ(axis.RangeLow(), 1e-20);
  EXPECT_EQ(axis.RangeHigh(), 1);
}

TEST_F(ScaleProps, AssignCopiesSettingsAndKeepsHooks) {
  TScalePropsHoriz source;
  source.SetCaption("t");
  source.SetRangeHigh(9);
  source.Font().SetHeight(-20);
  source.DateFormat().SetDateSeparator('/');
  source.SetScaleLocation(slTop);
  source.SetScalePos(30);
  int formatChanges = 0;
  axis.DateFormat().OnChange = [&](TObject*) { ++formatChanges; };
  axis.SetLoadingFlag(false);
  axis.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(axis.LoadingFlag());
  EXPECT_EQ(axis.Caption(), "t");
  EXPECT_EQ(axis.RangeHigh(), 9);
  EXPECT_EQ(axis.Font().Height(), -20);
  EXPECT_EQ(axis.DateFormat().DateSeparator(), '/');
  EXPECT_EQ(axis.ScaleLocation(), slTop);
  EXPECT_EQ(axis.ScalePos(), 30);
  // The copied hooks still reach this object's owner, not the source's.
  axis.DateFormat().SetDateSeparator('.');
  EXPECT_EQ(formatChanges, 1);
  axis.Font().SetHeight(-9);
  EXPECT_EQ(changes, 2);
  axis.ResetDefaults();
  EXPECT_TRUE(axis.LoadingFlag());
  EXPECT_EQ(axis.RangeHigh(), 1);
  EXPECT_EQ(axis.DateFormat().DateSeparator(), '-');
  EXPECT_EQ(axis.ScaleLocation(), slBottom);
  EXPECT_EQ(changes, 2);
}

TEST(ScalePropsVert, LocationAndPositionFollowTheScaleType) {
  TScalePropsVert axis;
  EXPECT_EQ(axis.ScaleLocation(), slLeft);
  EXPECT_EQ(axis.ScaleType(), sctYR);
  axis.SetScalePos(50);
  EXPECT_EQ(axis.VerticalPos(), 50);
  axis.SetScaleLocation(slRight);
  EXPECT_EQ(axis.ScaleType(), sctYL);
  EXPECT_EQ(axis.ScalePos(), 50);
  axis.SetScaleType(sctXB);  // horizontal types read the other position
  EXPECT_EQ(axis.ScalePos(), 0);
  axis.ResetDefaults();
  EXPECT_EQ(axis.ScaleType(), sctYR);
}

}  // namespace
}  // namespace zarn
