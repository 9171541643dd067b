#include "platform/zarn_datetime.h"

#include <gtest/gtest.h>

#include <limits>

#include "surface/zarn_errors.h"

namespace zarn {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(EncodeDate, DayNumbersOfKnownDates) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1899, 12, 29), -1);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(1900, 3, 1), 61);  // 1900 is not a leap year
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(1, 1, 1), kFirstDateTimeDay);
  EXPECT_EQ(EncodeDate(9999, 12, 31), kLastDateTimeDay);
}

TEST(EncodeDate, InvalidDatesAreRefused) {
  double d = 42;
  EXPECT_FALSE(TryEncodeDate(2023, 2, 29, d));
  EXPECT_FALSE(TryEncodeDate(0, 12, 31, d));
  EXPECT_FALSE(TryEncodeDate(10000, 1, 1, d));
  EXPECT_FALSE(TryEncodeDate(2024, 13, 1, d));
  EXPECT_FALSE(TryEncodeDate(2024, 4, 31, d));
  EXPECT_EQ(d, 42);
  EXPECT_TRUE(TryEncodeDate(2024, 2, 29, d));
  EXPECT_THROW(EncodeDate(2024, 0, 1), EConvertError);
}

TEST(EncodeTime, FractionsOfTheDay) {
  EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  EXPECT_EQ(EncodeTime(0, 0, 0, 0), 0);
  EXPECT_DOUBLE_EQ(EncodeTime(14, 5, 30, 250), 50730250.0 / 86400000.0);
  double t = 0;
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, t));
  EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, t));
  EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, t));
  EXPECT_THROW(EncodeTime(-1, 0, 0, 0), EConvertError);
}

TEST(DecodeDateTime, PartsIncludingBeforeDayZero) {
  TDateTimeParts p;
  ASSERT_TRUE(DecodeDateTime(36526.5, p));
  EXPECT_EQ(p.Year, 2000);
  EXPECT_EQ(p.Month, 1);
  EXPECT_EQ(p.Day, 1);
  EXPECT_EQ(p.Hour, 12);
  EXPECT_EQ(p.DayOfWeek, 7);  // a Saturday

  // Before day 0 the fraction is still the time of day, by its magnitude.
  ASSERT_TRUE(DecodeDateTime(-1.25, p));
  EXPECT_EQ(p.Year, 1899);
  EXPECT_EQ(p.Month, 12);
  EXPECT_EQ(p.Day, 29);
  EXPECT_EQ(p.Hour, 6);
  ASSERT_TRUE(DecodeDateTime(-0.75, p));
  EXPECT_EQ(p.Day, 30);
  EXPECT_EQ(p.Hour, 18);

  ASSERT_TRUE(DecodeDateTime(2 + EncodeTime(23, 59, 59, 999), p));
  EXPECT_EQ(p.Second, 59);
  EXPECT_EQ(p.MilliSecond, 999);
}

TEST(DecodeDateTime, TimeRoundingUpToMidnightMovesToTheNextDay) {
  TDateTimeParts p;
  ASSERT_TRUE(DecodeDateTime(2.99999999999, p));
  EXPECT_EQ(p.Month, 1);
  EXPECT_EQ(p.Day, 2);
  EXPECT_EQ(p.Hour, 0);
  EXPECT_EQ(p.MilliSecond, 0);
  ASSERT_TRUE(DecodeDateTime(-1.99999999999, p));  // 29 Dec, just before midnight
  EXPECT_EQ(p.Day, 30);
  EXPECT_EQ(p.Hour, 0);
  int h = 0, n = 0, s = 0, ms = 0;
  ASSERT_TRUE(DecodeTime(2.99999999999, h, n, s, ms));
  EXPECT_EQ(h + n + s + ms, 0);
}

TEST(DecodeDateTime, CalendarLimits) {
  EXPECT_TRUE(IsDateTimeInRange(kFirstDateTimeDay));
  EXPECT_TRUE(IsDateTimeInRange(-693593.5));  // 1 January 0001, noon
  EXPECT_FALSE(IsDateTimeInRange(-693594));
  EXPECT_TRUE(IsDateTimeInRange(2958465.99999));
  EXPECT_FALSE(IsDateTimeInRange(2958465.9999999999));  // rounds into year 10000
  EXPECT_FALSE(IsDateTimeInRange(2958466));
  EXPECT_FALSE(IsDateTimeInRange(1e300));
  EXPECT_FALSE(IsDateTimeInRange(kNaN));
  EXPECT_FALSE(IsDateTimeInRange(-kInf));
  int y = 1, m = 1, d = 1;
  EXPECT_FALSE(DecodeDate(kInf, y, m, d));
  EXPECT_EQ(y + m + d, 0);
  int h = 0, n = 0, s = 0, ms = 0;
  EXPECT_TRUE(DecodeTime(1e300, h, n, s, ms));
  EXPECT_FALSE(DecodeTime(kNaN, h, n, s, ms));
}

TEST(MonthAndDayNames, EnglishAndEmptyOutside) {
  EXPECT_EQ(ShortMonthName(1), "Jan");
  EXPECT_EQ(ShortMonthName(12), "Dec");
  EXPECT_EQ(LongMonthName(9), "September");
  EXPECT_EQ(ShortMonthName(0), "");
  EXPECT_EQ(ShortMonthName(13), "");
  EXPECT_EQ(ShortDayName(1), "Sun");
  EXPECT_EQ(LongDayName(7), "Saturday");
  EXPECT_EQ(LongDayName(8), "");
}

class FormatDateTimeTest : public ::testing::Test {
 protected:
  // 31 December 2024, 14:05:30.250
  const double afternoon = EncodeDate(2024, 12, 31) + EncodeTime(14, 5, 30, 250);
};

TEST_F(FormatDateTimeTest, ClockTimeStyles) {
  EXPECT_EQ(FormatDateTime(R"(hh":"nn)", afternoon), "14:05");
  EXPECT_EQ(FormatDateTime(R"(h"h")", afternoon), "14h");
  EXPECT_EQ(FormatDateTime("ham/pm", afternoon), "2pm");
  EXPECT_EQ(FormatDateTime(R"(h"h"nn)", afternoon), "14h05");
  EXPECT_EQ(FormatDateTime(R"(h":"nnam/pm)", afternoon), "2:05pm");
  EXPECT_EQ(FormatDateTime(R"(hh":"nn":"ss)", afternoon), "14:05:30");
  EXPECT_EQ(FormatDateTime(R"(h"h"nn":"ss)", afternoon), "14h05:30");
  EXPECT_EQ(FormatDateTime(R"(h":"nn"."ssam/pm)", afternoon), "2:05.30pm");
  EXPECT_EQ(FormatDateTime(R"(hh":"nn":"ss.zz)", afternoon), "14:05:30.250");
  EXPECT_EQ(FormatDateTime(R"(h":"nn"."ss.zzam/pm)", afternoon), "2:05.30.250pm");
}

TEST_F(FormatDateTimeTest, TwelveHourClockForms) {
  const double day = EncodeDate(2024, 1, 5);
  EXPECT_EQ(FormatDateTime("h am/pm", day), "12 am");
  EXPECT_EQ(FormatDateTime("h am/pm", day + 0.5), "12 pm");
  EXPECT_EQ(FormatDateTime("hh AM/PM", day + EncodeTime(9, 0, 0, 0)), "09 AM");
  EXPECT_EQ(FormatDateTime("ha/p", afternoon), "2p");
  EXPECT_EQ(FormatDateTime("hampm", afternoon), "2PM");
  EXPECT_EQ(FormatDateTime("hh", afternoon), "14");
}

TEST_F(FormatDateTimeTest, DatesSeparatorsAndYears) {
  EXPECT_EQ(FormatDateTime("mmm-dd, yyyy", afternoon), "Dec-31, 2024");
  EXPECT_EQ(FormatDateTime(R"(dd"-"mmm"-"yyyy)", afternoon), "31-Dec-2024");
  EXPECT_EQ(FormatDateTime(R"(dd"-"mmm"-")", afternoon), "31-Dec-");
  EXPECT_EQ(FormatDateTime(R"("-"mmm"-"dd)", afternoon), "-Dec-31");
  EXPECT_EQ(FormatDateTime(R"(yy"/"mm"/"dd)", afternoon), "24/12/31");
  EXPECT_EQ(FormatDateTime("YYYY-MM-DD", afternoon), "2024-12-31");
  EXPECT_EQ(FormatDateTime("yyyy", EncodeDate(950, 6, 1)), "0950");
  EXPECT_EQ(FormatDateTime("yy", EncodeDate(5, 6, 1)), "05");
  EXPECT_EQ(FormatDateTime("dddd d mmmm, ddd", EncodeDate(2000, 1, 1)), "Saturday 1 January, Sat");
  EXPECT_EQ(FormatDateTime("d/m/yy h:n:s", EncodeDate(2024, 1, 5) + EncodeTime(9, 3, 7, 0)),
            "5/1/24 9:3:7");
  EXPECT_EQ(FormatDateTime("dd", -1.25), "29");
}

TEST_F(FormatDateTimeTest, MinuteAfterHourQuotesAndMilliseconds) {
  EXPECT_EQ(FormatDateTime("hh:mm", afternoon), "14:05");
  EXPECT_EQ(FormatDateTime("mm/dd hh:mm", afternoon), "12/31 14:05");
  EXPECT_EQ(FormatDateTime("hh dd mm", afternoon), "14 31 12");  // m after d is the month
  EXPECT_EQ(FormatDateTime("'at' hh 'h:m' \"yy\"", afternoon), "at 14 h:m yy");
  EXPECT_EQ(FormatDateTime("x \"unterminated", afternoon), "x unterminated");
  const double t = EncodeTime(0, 0, 0, 7);
  EXPECT_EQ(FormatDateTime("z|zz|zzz", t), "7|07|007");
  EXPECT_EQ(FormatDateTime("zz", afternoon), "250");
}

TEST_F(FormatDateTimeTest, OutOfRangeGivesEmptyText) {
  EXPECT_EQ(FormatDateTime("yyyy", -693594), "");
  EXPECT_EQ(FormatDateTime("yyyy", 2958466), "");
  EXPECT_EQ(FormatDateTime("yyyy", kNaN), "");
  EXPECT_EQ(FormatDateTime("yyyy", kInf), "");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd", kFirstDateTimeDay), "0001-01-01");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd", kLastDateTimeDay), "9999-12-31");
  EXPECT_EQ(FormatDateTime("", afternoon), "");
}

}  // namespace
}  // namespace zarn
