// Elapsed-time and calendar ticks, their labels and messages, and TDTLabel.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/zarn_datetime.h"
#include "scale_probe.h"
#include "surface/zarn_errors.h"

namespace zarn::test {
namespace {

using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::Pointwise;

TEST(ElapsedTimeText, FieldsAndSign) {
  EXPECT_EQ(ElapsedTimeText(5400, false), " 01:30:00");
  EXPECT_EQ(ElapsedTimeText(2.5L, true), " 00:00:02.500");
  EXPECT_EQ(ElapsedTimeText(-300, false), "-00:05:00");
  EXPECT_EQ(ElapsedTimeText(360000, false), " 100:00:00");
  // Sums of short distances land a hair below the tick they stand for.
  EXPECT_EQ(ElapsedTimeText(0.99999999999L, true), " 00:00:01.000");
  EXPECT_EQ(ElapsedTimeText(1199.9999999L, false), " 00:20:00");
}

TEST(TimeTicks, TwentyMinuteStepsOverAnHour) {
  ProbeEngine e;
  e.SetLabelType(ftTime);
  EXPECT_EQ(e.DecPlaces(), 4);
  e.SetRange(0, 3600);
  const Drawn d = Capture(e);
  EXPECT_THAT(d.labels, ElementsAre(" 00:00:00", " 00:20:00", " 00:40:00", " 01:00:00"));
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-9), Steps(0, 200, 3600)));
  // The event of a labelled tick follows its label.
  EXPECT_EQ(d.events[d.events.size() - 2], "label");
  EXPECT_EQ(d.events.back(), "tick");
}

TEST(TimeTicks, HalfSecondsShowMilliseconds) {
  ProbeEngine e;
  e.SetLabelType(ftTime);
  e.SetMinTicks(4);
  e.SetRange(0, 2);
  EXPECT_THAT(Capture(e).labels, ElementsAre(" 00:00:00.000", " 00:00:00.500", " 00:00:01.000",
                                             " 00:00:01.500", " 00:00:02.000"));
}

TEST(TimeTicks, DaysOrMoreFallBackToNumbers) {
  ProbeEngine e;
  e.SetLabelType(ftTime);
  e.SetMinTicks(2);
  e.SetRange(0, 200000);
  EXPECT_THAT(Capture(e).labels, ElementsAre("0.0", "100000.0000", "200000.0000"));
}

TEST(TimeTicks, NegativeAndReversedRangesKeepTheirEndTicks) {
  ProbeEngine e;
  e.SetLabelType(ftTime);
  e.SetShortTicks(false);
  e.SetRange(-100, 100);
  // Ideal 66.7 s: a minute, from the multiple at or below -100.
  EXPECT_THAT(Capture(e).labels, ElementsAre("-00:01:00", " 00:00:00", " 00:01:00"));
  e.SetShortTicks(true);
  Capture(e);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-9), Steps(-100, 10, 100)));
  e.SetShortTicks(false);
  e.SetRange(3600, 0);
  EXPECT_THAT(Capture(e).labels, ElementsAre(" 01:00:00", " 00:40:00", " 00:20:00", " 00:00:00"));
}

TEST(TimeTicks, VerticalLongPassRecordsLikeTheLinearOne) {
  ProbeEngine e;
  e.SetScaleType(sctYL);
  e.SetLabelType(ftTime);
  e.SetRange(0, 3600);
  Capture(e);
  std::vector<double> expected = Steps(0, 200, 3600);
  for (double v : {0.0, 1200.0, 2400.0, 3600.0})
    expected.push_back(v);
  EXPECT_THAT(Recorded(e), Pointwise(DoubleNear(1e-9), expected));
}

class DateTicks : public ::testing::Test {
 protected:
  static double Day(int y, int m, int d) { return EncodeDate(y, m, d); }
  ProbeEngine e;
  void SetUp() override { e.SetLabelType(ftDateTime); }
};

TEST_F(DateTicks, ThreeDayStepsCountFromTheFirstOfJanuary) {
  e.SetRange(Day(2024, 3, 2), Day(2024, 3, 12));
  e.SetShortTicks(false);
  // Ideal 3.33 days: 3-day steps on days 0, 3, 6, ... of 2024 (1 March is day 60).
  EXPECT_THAT(Capture(e).labels, ElementsAre("04-Mar-2024", "07-Mar-2024", "10-Mar-2024"));
  e.SetShortTicks(true);
  Capture(e);
  EXPECT_THAT(Recorded(e),
              Pointwise(DoubleNear(1e-9), Steps(Day(2024, 3, 2), 1, Day(2024, 3, 12))));
}

TEST_F(DateTicks, DayLabelOrders) {
  e.SetRange(Day(2024, 3, 4), Day(2024, 3, 5) + 0.5);
  e.SetMinTicks(0);  // taken as 1: a one-day step
  e.DateFormat().SetDateOrder(doMMDDYY);
  e.DateFormat().SetMonthName(false);
  e.DateFormat().SetDateSeparator('/');
  EXPECT_THAT(Capture(e).labels, ElementsAre("03/04/2024", "03/05/2024"));
  e.DateFormat().SetDateOrder(doYYMMDD);
  e.DateFormat().SetYearLength(ylYY);
  EXPECT_THAT(Capture(e).labels, ElementsAre("24/03/04", "24/03/05"));
  e.DateFormat().SetYearLength(ylNone);
  EXPECT_THAT(Capture(e).labels, ElementsAre("/03/04", "/03/05"));
}

TEST_F(DateTicks, HalfHourStepsWithTheDateOncePerDay) {
  const double day = Day(2024, 3, 4);
  e.SetRange(day + 10 / 24.0, day + 12 / 24.0);
  e.SetShortTicks(false);
  EXPECT_THAT(Capture(e).labels,
              ElementsAre("10:00", "04-Mar-2024", "10:30", "11:00", "11:30", "12:00"));
  e.DateFormat().SetDateForTime(dtAllTicks);
  EXPECT_EQ(Capture(e).labels.size(), 10u);
  e.DateFormat().SetDateForTime(dtNone);
  EXPECT_EQ(Capture(e).labels.size(), 5u);
  e.DateFormat().SetDateForTime(dtOnePerDay);
  e.SetRange(day + 21 / 24.0, day + 30 / 24.0);  // 3-hour steps over midnight
  EXPECT_THAT(Capture(e).labels,
              ElementsAre("21:00", "04-Mar-2024", "00:00", "05-Mar-2024", "03:00", "06:00"));
  e.DateFormat().SetDateForTime(dtOnePerChart);
  EXPECT_THAT(Capture(e).labels, ElementsAre("21:00", "04-Mar-2024", "00:00", "03:00", "06:00"));
}

TEST_F(DateTicks, ClockFormats) {
  const double day = Day(2024, 3, 4);
  e.SetShortTicks(false);
  e.DateFormat().SetDateForTime(dtNone);
  e.SetRange(day + 14 / 24.0, day + 20 / 24.0);  // hours
  e.DateFormat().SetTimeFormat(tfHHhMM);
  EXPECT_THAT(Capture(e).labels, ElementsAre("14h", "16h", "18h", "20h"));
  e.DateFormat().SetTimeFormat(tfAMPM);
  EXPECT_THAT(Capture(e).labels, ElementsAre("2pm", "4pm", "6pm", "8pm"));
  e.SetRange(day + 14 / 24.0, day + 14 / 24.0 + 3 / 1440.0);  // minutes
  EXPECT_THAT(Capture(e).labels, ElementsAre("2:00pm", "2:01pm", "2:02pm", "2:03pm"));
  e.DateFormat().SetTimeFormat(tfHHhMM);
  EXPECT_THAT(Capture(e).labels, ElementsAre("14h00", "14h01", "14h02", "14h03"));
  e.DateFormat().SetTimeFormat(tfHHMMSS);
  e.DateFormat().SetTimeSeparator('.');
  EXPECT_THAT(Capture(e).labels, ElementsAre("14.00", "14.01", "14.02", "14.03"));
}

TEST_F(DateTicks, SecondsAndHundredths) {
  const double t = Day(2024, 3, 4) + 14 / 24.0 + 5 / 1440.0 + 30 / 86400.0;
  e.SetShortTicks(false);
  e.DateFormat().SetDateForTime(dtNone);
  e.SetRange(t, t + 30 / 86400.0);
  EXPECT_THAT(Capture(e).labels, ElementsAre("14:05:30", "14:05:40", "14:05:50", "14:06:00"));
  // Half a second: hundredths on a vertical scale, a message on a horizontal one.
  e.SetRange(t, t + 0.5 / 86400.0);
  Drawn d = Capture(e);
  EXPECT_TRUE(d.labels.empty());
  EXPECT_EQ(e.NumTicks(), 0);
  e.SetScaleType(sctYL);
  d = Capture(e);
  ASSERT_GE(d.labels.size(), 2u);
  EXPECT_EQ(d.labels[0], "14:05:30.000");
  EXPECT_EQ(d.labels[1], "14:05:30.100");
}

TEST_F(DateTicks, MonthSteps) {
  e.SetShortTicks(false);
  e.SetMinTicks(4);
  e.SetRange(Day(2024, 1, 1), Day(2024, 1, 1) + 366);
  EXPECT_THAT(Capture(e).labels, ElementsAre("Apr-2024", "Jul-2024", "Oct-2024", "Jan-2025"));
  e.SetRange(Day(2023, 1, 1), Day(2023, 1, 1) + 365);
  EXPECT_THAT(Capture(e).labels,
              ElementsAre("Mar-2023", "May-2023", "Jul-2023", "Sep-2023", "Nov-2023", "Jan-2024"));
  // With short ticks every month is a position; the quarter months carry labels.
  e.SetShortTicks(true);
  e.SetRange(Day(2024, 1, 1), Day(2024, 1, 1) + 366);
  const Drawn d = Capture(e);
  EXPECT_EQ(e.NumTicks(), 13);
  EXPECT_THAT(d.labels, ElementsAre("Jan-2024", "Apr-2024", "Jul-2024", "Oct-2024", "Jan-2025"));
  e.DateFormat().SetDateOrder(doYYMMDD);
  e.DateFormat().SetMonthName(false);
  EXPECT_EQ(Capture(e).labels[0], "2024-01");
}

TEST_F(DateTicks, YearSteps) {
  e.SetRange(Day(2015, 1, 1), Day(2025, 1, 1));
  const Drawn d = Capture(e);
  EXPECT_THAT(d.labels, ElementsAre("2016", "2018", "2020", "2022", "2024"));
  EXPECT_EQ(e.NumTicks(), 11);  // every year a position
  e.SetRange(Day(900, 6, 1), Day(1000, 1, 1));
  EXPECT_THAT(Capture(e).labels, ElementsAre("920", "940", "960", "980", "1000"));
  e.DateFormat().SetYearLength(ylYY);
  EXPECT_THAT(Capture(e).labels, ElementsAre("20", "40", "60", "80", "00"));
}

TEST_F(DateTicks, YearsEndAtTheLastCalendarDay) {
  e.SetShortTicks(false);
  e.SetRange(Day(9000, 1, 1), 3000000);
  const Drawn d = Capture(e);
  ASSERT_FALSE(d.ticks.empty());
  EXPECT_EQ(d.ticks.back(), kLastDateTimeDay);
}

TEST_F(DateTicks, ValuesBeforeDayZero) {
  e.SetShortTicks(false);
  e.SetRange(-1, -0.5);  // 29 December 1899, midnight to noon
  EXPECT_THAT(Capture(e).labels,
              ElementsAre("00:00", "29-Dec-1899", "03:00", "06:00", "09:00", "12:00"));
}

TEST_F(DateTicks, UnusableRangesShowMessages) {
  auto ink = [this](TScaleType type) {
    e.SetScaleType(type);
    TBitmap bmp(400, 400);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(Rect(0, 0, 400, 400));
    Capture(e, bmp, type == sctXT ? 20 : 200);
    int n = 0;
    for (int y = 0; y < 400; ++y)
      for (int x = 0; x < 400; ++x)
        n += bmp.Canvas().Pixel(x, y) != clWhite;
    return n;
  };
  e.SetRange(10, 5);
  EXPECT_GT(ink(sctXT), 100);
  EXPECT_EQ(e.NumTicks(), 0);
  EXPECT_GT(ink(sctYL), 100);
  e.SetRange(-700000, 0);
  EXPECT_GT(ink(sctXT), 100);
  EXPECT_EQ(e.NumTicks(), 0);
}

TEST(DTLabel, SettersNotifyAndAssignCopies) {
  TDTLabel a;
  EXPECT_EQ(a.TimeFormat(), tfHHMMSS);
  EXPECT_EQ(a.DateSeparator(), 0);
  EXPECT_EQ(a.YearLength(), ylNone);
  EXPECT_FALSE(a.MonthName());
  EXPECT_EQ(a.DateOrder(), doMMDDYY);
  EXPECT_EQ(a.DateForTime(), dtNone);
  int changes = 0;
  a.OnChange = [&changes](TObject*) { ++changes; };
  a.SetMonthName(false);      // unchanged: quiet
  a.SetDateOrder(doMMDDYY);   // always notifies
  a.SetTimeFormat(tfHHMMSS);  // always notifies
  a.SetYearLength(ylYY);
  EXPECT_EQ(changes, 3);

  TDTLabel b;
  b.Assign(a);
  EXPECT_EQ(b.YearLength(), ylYY);
  b.SetDateSeparator('.');  // the handler came along
  EXPECT_EQ(changes, 4);

  ProbeEngine e;  // a scale's defaults
  const TDTLabel& f = e.DateFormat();
  EXPECT_EQ(f.TimeFormat(), tfHHMMSS);
  EXPECT_EQ(f.DateSeparator(), '-');
  EXPECT_EQ(f.TimeSeparator(), ':');
  EXPECT_EQ(f.YearLength(), ylYYYY);
  EXPECT_TRUE(f.MonthName());
  EXPECT_EQ(f.DateOrder(), doDDMMYY);
  EXPECT_EQ(f.DateForTime(), dtOnePerDay);
  // Copying into a scale keeps the scale's own hook on its date format.
  e.SetDateFormat(a);
  EXPECT_EQ(e.DateFormat().YearLength(), ylYY);
  const int before = changes;
  e.DateFormat().SetYearLength(ylNone);
  EXPECT_EQ(changes, before);
}

TEST(DTLabel, AssignFromAnotherClassFails) {
  class Other : public TPersistent {
   public:
    std::string_view ClassName() const override { return "Other"; }
  } other;
  TDTLabel a;
  EXPECT_THROW(a.Assign(other), EConvertError);
}

}  // namespace
}  // namespace zarn::test
