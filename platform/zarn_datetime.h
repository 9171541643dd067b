#pragma once
// Date and time values on the day-number calendar: the integer part counts
// days from 30 December 1899 (day 0), the fraction is the time of day. Before
// day 0 the fraction still counts forward within the day, by its magnitude:
// -1.25 is 29 December 1899, 06:00. The calendar is the proleptic Gregorian
// one from 1 January of year 1 (day -693593) to 31 December 9999 (day
// 2958465); nothing outside it, nor NaN or an infinity, decodes or formats.

#include <string>
#include <string_view>

namespace zarn {

inline constexpr double kFirstDateTimeDay = -693593.0;  // 1 January 0001
inline constexpr double kLastDateTimeDay = 2958465.0;   // 31 December 9999

// Day number of a calendar date; false (and date untouched) for a date that
// does not exist or lies outside years 1 … 9999.
bool TryEncodeDate(int year, int month, int day, double& date);
// As TryEncodeDate, but an invalid date raises EConvertError.
double EncodeDate(int year, int month, int day);

// Fraction of a day for a clock time (0 … 23, 0 … 59, 0 … 59, 0 … 999).
bool TryEncodeTime(int hour, int minute, int second, int msec, double& time);
double EncodeTime(int hour, int minute, int second, int msec);

struct TDateTimeParts {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int MilliSecond = 0;
  int DayOfWeek = 0;  // 1 Sunday … 7 Saturday
};

// The time of day is rounded to whole milliseconds; a time that rounds up to
// midnight belongs to the next day. False, with all parts zero, for values
// outside the calendar.
bool DecodeDateTime(long double value, TDateTimeParts& parts);
bool DecodeDate(long double value, int& year, int& month, int& day);
// Any finite value has a time of day; false only for NaN and infinities.
bool DecodeTime(long double value, int& hour, int& minute, int& second, int& msec);

// True when the value decodes to a date within the calendar.
bool IsDateTimeInRange(long double value);

// English names; month 1 … 12, day of the week 1 (Sunday) … 7. Empty outside.
std::string_view ShortMonthName(int month);
std::string_view LongMonthName(int month);
std::string_view ShortDayName(int dayOfWeek);
std::string_view LongDayName(int dayOfWeek);

// Writes a date-time value through a pattern. Letters, in either case:
//   y, yy  year modulo 100, two digits   yyy, yyyy  year, four digits
//   m, mm  month, or the minute when the previous letter field was h or hh
//   mmm    short month name              mmmm  long month name
//   d, dd  day                           ddd, dddd  short, long day name
//   h, hh  hour (12-hour clock when the pattern has an am/pm field)
//   n, nn  minute                        s, ss  second
//   z, zz, zzz  milliseconds with at least 1, 2, 3 digits
//   am/pm, a/p  "am"/"pm", "a"/"p", in the letter case written;  ampm  "AM"/"PM"
// One letter writes the number without, two with a leading zero. Text inside
// "..." or '...' and every other character is copied as it is. A value
// outside the calendar gives an empty text.
std::string FormatDateTime(std::string_view pattern, long double value);

}  // namespace zarn
