#include "platform/zarn_datetime.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>

#include "surface/zarn_errors.h"

namespace zarn {

namespace {

using namespace std::chrono;

constexpr std::int64_t kMsPerDay = 86400000;

// Day 0 in the system clock's day count.
constexpr sys_days kDayZero = sys_days{year{1899} / December / 30};

constexpr std::array<std::string_view, 12> kShortMonths = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 12> kLongMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kShortDays = {"Sun", "Mon", "Tue", "Wed",
                                                        "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 7> kLongDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Case-insensitive test whether `word` starts at pattern[i].
bool StartsWith(std::string_view pattern, std::size_t i, std::string_view word) {
  if (pattern.size() - i < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k) {
    if (Lower(pattern[i + k]) != word[k]) return false;
  }
  return true;
}

// Length of an am/pm field at pattern[i], 0 when there is none.
std::size_t AmPmLength(std::string_view pattern, std::size_t i) {
  if (StartsWith(pattern, i, "am/pm")) return 5;
  if (StartsWith(pattern, i, "ampm")) return 4;
  if (StartsWith(pattern, i, "a/p")) return 3;
  return 0;
}

// Skips quoted text starting at pattern[i] (a quote); returns the index after
// the closing quote, or the end when it is missing.
std::size_t SkipQuoted(std::string_view pattern, std::size_t i, std::string* out) {
  const char quote = pattern[i++];
  while (i < pattern.size() && pattern[i] != quote) {
    if (out != nullptr) *out += pattern[i];
    ++i;
  }
  return i < pattern.size() ? i + 1 : i;
}

bool HasAmPm(std::string_view pattern) {
  for (std::size_t i = 0; i < pattern.size();) {
    if (pattern[i] == '"' || pattern[i] == '\'') {
      i = SkipQuoted(pattern, i, nullptr);
    } else if (AmPmLength(pattern, i) != 0) {
      return true;
    } else {
      ++i;
    }
  }
  return false;
}

void AppendNumber(std::string& out, int v, int minDigits) {
  std::string digits = std::to_string(v);
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  out += digits;
}

}  // namespace

bool TryEncodeDate(int y, int m, int d, double& date) {
  if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return false;
  const year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
  if (!ymd.ok()) return false;
  date = static_cast<double>((sys_days{ymd} - kDayZero).count());
  return true;
}

double EncodeDate(int y, int m, int d) {
  double date = 0;
  if (!TryEncodeDate(y, m, d, date)) throw EConvertError("Invalid argument to date encode");
  return date;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, double& time) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 ||
      msec > 999)
    return false;
  const std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + msec;
  time = static_cast<double>(ms) / kMsPerDay;
  return true;
}

double EncodeTime(int hour, int minute, int second, int msec) {
  double time = 0;
  if (!TryEncodeTime(hour, minute, second, msec, time))
    throw EConvertError("Invalid argument to time encode");
  return time;
}

namespace {

// Milliseconds of the time of day, rounded; 86400000 when it rounds up to the next midnight.
std::int64_t DayMilliseconds(long double value) {
  const long double frac = std::fabs(value - std::trunc(value));
  return static_cast<std::int64_t>(std::nearbyint(frac * kMsPerDay));
}

}  // namespace

bool DecodeDateTime(long double value, TDateTimeParts& parts) {
  parts = {};
  if (!std::isfinite(value)) return false;
  long double dayNumber = std::trunc(value);
  if (dayNumber < kFirstDateTimeDay || dayNumber > kLastDateTimeDay) return false;
  std::int64_t ms = DayMilliseconds(value);
  if (ms >= kMsPerDay) {
    ms -= kMsPerDay;
    dayNumber += 1;  // the next calendar day, whatever the sign
    if (dayNumber > kLastDateTimeDay) return false;
  }
  const sys_days dayPoint = kDayZero + days{static_cast<std::int64_t>(dayNumber)};
  const year_month_day ymd{dayPoint};
  parts.Year = static_cast<int>(ymd.year());
  parts.Month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  parts.Day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  parts.DayOfWeek = static_cast<int>(weekday{dayPoint}.c_encoding()) + 1;
  parts.Hour = static_cast<int>(ms / 3600000);
  parts.Minute = static_cast<int>(ms / 60000 % 60);
  parts.Second = static_cast<int>(ms / 1000 % 60);
  parts.MilliSecond = static_cast<int>(ms % 1000);
  return true;
}

bool DecodeDate(long double value, int& y, int& m, int& d) {
  TDateTimeParts parts;
  const bool ok = DecodeDateTime(value, parts);
  y = parts.Year;
  m = parts.Month;
  d = parts.Day;
  return ok;
}

bool DecodeTime(long double value, int& hour, int& minute, int& second, int& msec) {
  hour = minute = second = msec = 0;
  if (!std::isfinite(value)) return false;
  const std::int64_t ms = DayMilliseconds(value) % kMsPerDay;
  hour = static_cast<int>(ms / 3600000);
  minute = static_cast<int>(ms / 60000 % 60);
  second = static_cast<int>(ms / 1000 % 60);
  msec = static_cast<int>(ms % 1000);
  return true;
}

bool IsDateTimeInRange(long double value) {
  TDateTimeParts parts;
  return DecodeDateTime(value, parts);
}

std::string_view ShortMonthName(int month) {
  return month >= 1 && month <= 12 ? kShortMonths[month - 1] : std::string_view{};
}
std::string_view LongMonthName(int month) {
  return month >= 1 && month <= 12 ? kLongMonths[month - 1] : std::string_view{};
}
std::string_view ShortDayName(int dayOfWeek) {
  return dayOfWeek >= 1 && dayOfWeek <= 7 ? kShortDays[dayOfWeek - 1] : std::string_view{};
}
std::string_view LongDayName(int dayOfWeek) {
  return dayOfWeek >= 1 && dayOfWeek <= 7 ? kLongDays[dayOfWeek - 1] : std::string_view{};
}

std::string FormatDateTime(std::string_view pattern, long double value) {
  TDateTimeParts t;
  if (!DecodeDateTime(value, t)) return {};
  const bool twelveHour = HasAmPm(pattern);
  std::string out;
  char lastField = 0;  // the previous letter field, for the minute-after-hour rule
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '"' || c == '\'') {
      i = SkipQuoted(pattern, i, &out);
      continue;
    }
    const char lc = Lower(c);
    if (lc == 'a') {
      const std::size_t len = AmPmLength(pattern, i);
      if (len == 0) {
        out += c;
        ++i;
        continue;
      }
      const bool pm = t.Hour >= 12;
      if (len == 5) {
        out += pattern.substr(pm ? i + 3 : i, 2);
      } else if (len == 3) {
        out += pattern[pm ? i + 2 : i];
      } else {
        out += pm ? "PM" : "AM";
      }
      i += len;
      lastField = 'a';
      continue;
    }
    if (lc != 'y' && lc != 'm' && lc != 'd' && lc != 'h' && lc != 'n' && lc != 's' && lc != 'z') {
      out += c;
      ++i;
      continue;
    }
    std::size_t count = 1;
    while (i + count < pattern.size() && Lower(pattern[i + count]) == lc)
      ++count;
    i += count;
    const int pad = count >= 2 ? 2 : 1;
    switch (lc) {
      case 'y':
        if (count <= 2) {
          AppendNumber(out, t.Year % 100, 2);
        } else {
          AppendNumber(out, t.Year, 4);
        }
        break;
      case 'm':
        if (lastField == 'h' && count <= 2) {
          AppendNumber(out, t.Minute, pad);
        } else if (count <= 2) {
          AppendNumber(out, t.Month, pad);
        } else {
          out += count == 3 ? ShortMonthName(t.Month) : LongMonthName(t.Month);
        }
        break;
      case 'd':
        if (count <= 2) {
          AppendNumber(out, t.Day, pad);
        } else {
          out += count == 3 ? ShortDayName(t.DayOfWeek) : LongDayName(t.DayOfWeek);
        }
        break;
      case 'h': {
        int hour = t.Hour;
        if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
        AppendNumber(out, hour, pad);
        break;
      }
      case 'n':
        AppendNumber(out, t.Minute, pad);
        break;
      case 's':
        AppendNumber(out, t.Second, pad);
        break;
      case 'z':
        AppendNumber(out, t.MilliSecond, count >= 3 ? 3 : static_cast<int>(count));
        break;
    }
    lastField = lc;
  }
  return out;
}

}  // namespace zarn
