// The calendar tick sequence: values count days from day 0 (30 December 1899).

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/zarn_datetime.h"
#include "scale/draw_pass.h"
#include "scale/scale_internal.h"
#include "scale/zarn_scale.h"

namespace zarn {

using scale_internal::Floor;
using scale_internal::Int;
using scale_internal::Latin1ToUtf8;
using scale_internal::PixelSum;
using scale_internal::RoundAway;
using scale_internal::RoundEven;
using scale_internal::ToCalendarValue;

namespace {

constexpr long double kLastCalendarDay = 2958465;  // 31 December 9999
constexpr long double kEndTolerance = 1e-8L;

struct TStepRow {
  std::array<int, 6> Long;
  std::array<int, 6> Short;
};
constexpr TStepRow kHourRow{{1, 2, 3, 6, 8, 12}, {1, 1, 1, 2, 2, 3}};
constexpr TStepRow kMinuteRow{{1, 2, 5, 10, 20, 30}, {1, 1, 1, 2, 5, 10}};
constexpr TStepRow kHundredthRow{{1, 2, 5, 10, 20, 50}, {1, 1, 1, 5, 10, 10}};
constexpr std::array<int, 6> kDaySteps{1, 2, 3, 7, 14, 28};
constexpr std::array<int, 5> kMonthSteps{1, 2, 3, 4, 6};

enum TClockUnit : std::uint8_t { cuHours, cuMinutes, cuSeconds, cuHundredths };

// A separator as quoted literal text of a date-time pattern.
std::string Quoted(char c) {
  const std::string text = Latin1ToUtf8(c);
  if (text.empty()) return {};
  return c == '"' ? "'" + text + "'" : "\"" + text + "\"";
}

std::string ClockPattern(TClockUnit unit, TTimeFormat format, char separator) {
  const std::string t = Quoted(separator);
  // Three millisecond digits: ".05" would read as half a second.
  switch (format) {
    case tfHHhMM:
      switch (unit) {
        case cuHours:
          return "h\"h\"";
        case cuMinutes:
          return "h\"h\"nn";
        case cuSeconds:
          return "h\"h\"nn" + t + "ss";
        default:
          return "h\"h\"nn" + t + "ss.zzz";
      }
    case tfAMPM:
      switch (unit) {
        case cuHours:
          return "ham/pm";
        case cuMinutes:
          return "h" + t + "nnam/pm";
        case cuSeconds:
          return "h" + t + "nn\".\"ssam/pm";
        default:
          return "h" + t + "nn\".\"ss.zzzam/pm";
      }
    default:
      switch (unit) {
        case cuHours:
        case cuMinutes:
          return "hh" + t + "nn";
        case cuSeconds:
          return "hh" + t + "nn" + t + "ss";
        default:
          return "hh" + t + "nn" + t + "ss.zzz";
      }
  }
}

std::string MonthField(const TDTLabel& f) {
  return f.MonthName() ? "mmm" : "mm";
}

std::string YearField(const TDTLabel& f) {
  switch (f.YearLength()) {
    case ylYY:
      return "yy";
    case ylYYYY:
      return "yyyy";
    default:
      return {};
  }
}

std::string DayPattern(const TDTLabel& f) {
  const std::string s = Quoted(f.DateSeparator());
  const std::string m = MonthField(f);
  const std::string y = YearField(f);
  switch (f.DateOrder()) {
    case doMMDDYY:
      return m + s + "dd" + s + y;
    case doYYMMDD:
      return y + s + m + s + "dd";
    default:
      return "dd" + s + m + s + y;
  }
}

// The date line under clock times leaves out a missing year with its separator.
std::string DateLinePattern(const TDTLabel& f) {
  const std::string s = Quoted(f.DateSeparator());
  const std::string m = MonthField(f);
  const std::string y = YearField(f);
  switch (f.DateOrder()) {
    case doMMDDYY:
      return y.empty() ? m + s + "dd" : m + s + "dd" + s + y;
    case doYYMMDD:
      return y.empty() ? m + s + "dd" : y + s + m + s + "dd";
    default:
      return y.empty() ? "dd" + s + m : "dd" + s + m + s + y;
  }
}

std::string MonthPattern(const TDTLabel& f) {
  const std::string s = Quoted(f.DateSeparator());
  return f.DateOrder() == doYYMMDD ? YearField(f) + s + MonthField(f)
                                   : MonthField(f) + s + YearField(f);
}

std::string FormatDays(std::string_view pattern, long double t) {
  return FormatDateTime(pattern, ToCalendarValue(t));
}

bool DecodeDays(long double t, int& year, int& month, int& day) {
  return DecodeDate(ToCalendarValue(t), year, month, day);
}

long double FirstOfMonth(int year, int month) {
  double d = 0;
  if (!TryEncodeDate(year, month, 1, d)) return NAN;
  return d;
}

std::int64_t Mod(std::int64_t a, std::int64_t q) {
  const std::int64_t r = a % q;
  return r < 0 ? r + q : r;
}

}  // namespace

void TScaleEngine::DateTimeMessage(TDrawPass& pass, std::string_view oneLine,
                                   std::initializer_list<std::string_view> lines) {
  TCanvas& c = pass.Canvas;
  const int mid = ValueToPixel(static_cast<double>(
      (static_cast<long double>(settings_.RangeLow) + settings_.RangeHigh) / 2));
  if (pass.Horizontal) {
    c.TextOut(PixelSum(mid, -(c.TextWidth(oneLine) / 2)), PixelSum(pass.Base, 7), oneLine);
    return;
  }
  const int h = c.TextHeight("T");
  int top = PixelSum(mid, -h);
  for (std::string_view line : lines) {
    const int x = settings_.ScaleType == sctYR ? PixelSum(pass.Base, -c.TextWidth(line), -2)
                                               : PixelSum(pass.Base, 2);
    c.TextOut(x, top, line);
    top = PixelSum(top, h);
  }
}

void TScaleEngine::CalendarTick(TDrawPass& pass, long double t, bool isLong,
                                const std::string& label, bool clock) {
  Record(static_cast<double>(t));
  const int pos = ValueToPixel(static_cast<double>(t));
  if (!isLong) {
    DrawMark(pass, pos, 4);
    TickDrawn(pass, t, pos);
    return;
  }
  DrawMark(pass, pos, pass.Horizontal ? 7 : 6);
  PlaceLabel(pass, pos, BeforeLabel(t, label), 0, 0);
  const TDateForTime when = dateFormat_.DateForTime();
  if (clock && when != dtNone) {
    int year = 0, month = 0, day = 0;
    DecodeDays(t, year, month, day);
    const bool draw =
        when == dtAllTicks || !pass.DateDrawn || (when == dtOnePerDay && day != pass.LastDay);
    if (draw) {
      PlaceLabel(pass, pos, BeforeLabel(t, FormatDays(DateLinePattern(dateFormat_), t)), 0, 1);
      pass.DateDrawn = true;
      pass.LastDay = day;
    }
  }
  TickDrawn(pass, t, pos);
}

void TScaleEngine::DateTimeSequence(TDrawPass& pass) {
  const long double low = settings_.RangeLow;
  const long double high = settings_.RangeHigh;
  if (!std::isfinite(low) || !std::isfinite(high) || high < low || low < -693593 ||
      high > 3000000) {
    DateTimeMessage(pass, "invalid DateTime scale", {"invalid", "DateTime", "scale"});
    return;
  }
  // MinTicks 0 leaves no ideal step: taken as 1.
  const long double ideal = (high - low) / (settings_.MinTicks == 0 ? 1 : settings_.MinTicks);
  if (pass.Horizontal) {
    if (ideal <= 0.000011574L) return DateTimeMessage(pass, "DateTime range is below 1 second", {});
    if (ideal <= 0.00069444L) return ClockTicks(pass, 86400, cuSeconds, ideal);
  } else {
    if (ideal <= 1 / 8640000.0L)
      return DateTimeMessage(pass, "DateTime range is below 1 second",
                             {"DateTime", "range is", "below 1", "second"});
    if (ideal <= 1 / 86400.0L) return ClockTicks(pass, 8640000, cuHundredths, ideal);
    if (ideal <= 60 / 86400.0L) return ClockTicks(pass, 86400, cuSeconds, ideal);
  }
  if (ideal <= 0.041667L) return ClockTicks(pass, 1440, cuMinutes, ideal);
  if (ideal <= 1) return ClockTicks(pass, 24, cuHours, ideal);
  if (ideal <= 30) return DayTicks(pass, ideal);
  if (ideal > 366) return YearTicks(pass, ideal);
  MonthTicks(pass, ideal);
}

void TScaleEngine::ClockTicks(TDrawPass& pass, long double unitsPerDay, int unit,
                              long double ideal) {
  const TStepRow& row = unit == cuHours        ? kHourRow
                        : unit == cuHundredths ? kHundredthRow
                                               : kMinuteRow;
  int q = row.Long[0];
  int shortStep = row.Short[0];
  for (std::size_t i = 0; i < row.Long.size(); ++i) {
    if (row.Long[i] <= unitsPerDay * ideal) {
      q = row.Long[i];
      shortStep = row.Short[i];
    }
  }
  const long double low = settings_.RangeLow;
  const long double high = settings_.RangeHigh;
  const long double longDist = q / unitsPerDay;
  const long double shortDist = shortStep / unitsPerDay;
  const long double dayStart = Floor(low);
  // Stored day values carry an error of about 1e-11 days: a tick a hair
  // before RangeLow counts as on it.
  const long double units = (low - kEndTolerance - dayStart) * unitsPerDay;
  long double t0 = dayStart + std::ceil(units / q) * longDist;
  if (settings_.ShortTicks) {
    for (int i = 0; i < 64 && t0 > low; ++i)
      t0 -= shortDist;
  }
  const long double step = settings_.ShortTicks ? shortDist : longDist;
  const std::string pattern = ClockPattern(static_cast<TClockUnit>(unit), dateFormat_.TimeFormat(),
                                           dateFormat_.TimeSeparator());
  for (int i = 0; i < pass.MaxSteps; ++i) {
    const long double t = t0 + i * step;
    if (!(t - high < kEndTolerance)) break;
    if (t < low - kEndTolerance) continue;
    const long double k = t / longDist;
    const bool isLong = !settings_.ShortTicks || std::fabs(k - RoundAway(k)) < 0.1L;
    CalendarTick(pass, t, isLong, isLong ? FormatDays(pattern, t) : std::string(), true);
  }
}

void TScaleEngine::DayTicks(TDrawPass& pass, long double ideal) {
  int q = 1;
  for (int s : kDaySteps)
    if (s <= ideal) q = s;
  const int shortStep = q <= 7 ? 1 : 7;
  const long double low = settings_.RangeLow;
  const long double high = settings_.RangeHigh;
  int year = 0, month = 0, day = 0;
  if (!DecodeDays(low, year, month, day)) return;
  const long double jan1 = FirstOfMonth(year, 1);
  const long double first = jan1 + q * Int((low - jan1) / q);
  const std::int64_t remainder = Mod(static_cast<std::int64_t>(RoundEven(first)), q);
  const long double step = settings_.ShortTicks ? shortStep : q;
  const std::string pattern = DayPattern(dateFormat_);
  for (int i = 0; i < pass.MaxSteps; ++i) {
    const long double t = first + i * step;
    if (!(t - high < kEndTolerance)) break;
    if (t < low - kEndTolerance) continue;
    const bool isLong = Mod(static_cast<std::int64_t>(RoundEven(t)), q) == remainder;
    CalendarTick(pass, t, isLong, isLong ? FormatDays(pattern, t) : std::string(), false);
  }
}

void TScaleEngine::MonthTicks(TDrawPass& pass, long double ideal) {
  const long double months = ideal / 30.4375L;
  int q = 1;
  for (int s : kMonthSteps)
    if (s <= months) q = s;
  const long double low = settings_.RangeLow;
  const long double high = settings_.RangeHigh;
  int year = 0, month = 0, day = 0;
  if (!DecodeDays(low, year, month, day)) return;
  auto advance = [&](int by) {
    month += by;
    while (month > 12) {
      month -= 12;
      ++year;
    }
  };
  if (!settings_.ShortTicks && q > 1) {
    do {
      advance(1);
    } while (month % q != 1);
  }
  const std::string pattern = MonthPattern(dateFormat_);
  for (int i = 0; i < pass.MaxSteps; ++i, advance(settings_.ShortTicks ? 1 : q)) {
    const long double t = FirstOfMonth(year, month);
    if (!(t - high < kEndTolerance)) break;  // also past the calendar's end
    if (t < low - kEndTolerance) continue;
    const bool isLong = !(settings_.ShortTicks && q > 1 && month % q != 1);
    CalendarTick(pass, t, isLong, isLong ? FormatDays(pattern, t) : std::string(), false);
  }
}

void TScaleEngine::YearTicks(TDrawPass& pass, long double ideal) {
  const long double years = std::max(ideal / 365.25L, 1.0L);
  const long double e = Int(std::log10(years));
  const long double decade = std::pow(10.0L, e);
  const int f = years >= 5 * decade ? 5 : years >= 2 * decade ? 2 : 1;
  const auto h = static_cast<std::int64_t>(RoundEven(Int(decade) * f));
  std::int64_t shortStep = h;
  if (settings_.ShortTicks && h > 1)
    shortStep = static_cast<std::int64_t>(RoundEven(f == 5 ? h / 5.0L : h / 2.0L));
  shortStep = std::max<std::int64_t>(shortStep, 1);

  const long double low = settings_.RangeLow;
  const long double high = settings_.RangeHigh;
  int lowYear = 0, month = 0, day = 0;
  if (!DecodeDays(low, lowYear, month, day)) return;
  std::int64_t year = (lowYear + shortStep - 1) / shortStep * shortStep;
  if (year == lowYear && low > FirstOfMonth(lowYear, 1)) year += shortStep;
  for (int i = 0; i < pass.MaxSteps; ++i, year += shortStep) {
    const bool last = year > 9999;
    const long double t = last ? kLastCalendarDay : FirstOfMonth(static_cast<int>(year), 1);
    const std::int64_t shownYear = last ? 9999 : year;
    if (!(t - high < kEndTolerance)) break;
    if (t >= low - kEndTolerance) {
      const bool isLong = !(settings_.ShortTicks && shownYear % h != 0);
      std::string label;
      if (isLong && dateFormat_.YearLength() == ylYYYY) label = std::to_string(shownYear);
      if (isLong && dateFormat_.YearLength() == ylYY) label = FormatDays("yy", t);
      CalendarTick(pass, t, isLong, label, false);
    }
    if (last) break;
  }
}

}  // namespace zarn
