// Texts of numeric and elapsed-time tick labels.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/zarn_format.h"
#include "scale/scale_internal.h"
#include "scale/zarn_scale.h"

namespace zarn {

using scale_internal::Int;
using scale_internal::RoundEven;

std::string FormatTickNumber(long double Value, int Decimals) {
  if (Decimals >= 0) return FormatFloatFixed(Value, 0, std::min(Decimals, 12));
  if (!std::isfinite(Value)) return std::string(8, '*');
  // "d.dE+dddd" with a sign column in front, then the exponent cut to two digits.
  std::string text = FormatFloatExponent(Value, 2, 4);
  if (Value >= 0) text.insert(0, 1, ' ');
  const std::size_t e = text.find('E');
  if (e == std::string::npos || text.size() < e + 6) return text;
  const bool fits = text[e + 2] == '0' && text[e + 3] == '0';
  text.erase(e + 2, 2);
  if (!fits) text.assign(text.size(), '*');
  return text;
}

int AutoDecimals(int DecPlaces, long double RangeHigh, long double RangeLow) {
  if (DecPlaces != -2 && DecPlaces != -3) return DecPlaces;
  const long double d = std::fabs(RangeHigh - RangeLow);
  if (!(d < 1000000) || d <= 0.0001L) return -1;
  if (d >= 100) return 0;
  return 2 - static_cast<int>(RoundEven(std::log(d) / 2.5L));
}

int AutoLogDecimals(int DecPlaces, long double RangeLow, long double RangeHigh) {
  if (DecPlaces != -2) return DecPlaces;
  const long double lo = std::min(RangeLow, RangeHigh);
  const long double hi = std::max(RangeLow, RangeHigh);
  const long double d = hi - lo;
  if (!(d < 1000000) || d <= 0.0001L) return -1;
  if (lo >= 1) return 0;
  if (lo == 0) return 12;
  // Below 1e-11 the decimals would run past what a label can show.
  const long double k = 1 - RoundEven(std::log10(std::fabs(lo)));
  return static_cast<int>(std::clamp<long double>(k, 0, 12));
}

std::string UserTickTextPiece(std::string_view UserTickText, int Index) {
  std::size_t start = 0;
  for (int n = 1; n < Index; ++n) {
    const std::size_t bar = UserTickText.find('|', start);
    if (bar == std::string_view::npos) break;  // fewer pieces: the last one repeats
    start = bar + 1;
  }
  const std::size_t end = UserTickText.find('|', start);
  return std::string(UserTickText.substr(start, end == std::string_view::npos ? end : end - start));
}

std::string ApplyInscript(std::string_view NumberText, std::string_view ScaleInscript) {
  if (NumberText.empty()) return {};
  const std::size_t amp = ScaleInscript.find('&');
  if (amp == std::string_view::npos) return std::string(ScaleInscript) + std::string(NumberText);
  std::string label(ScaleInscript.substr(0, amp));
  label += NumberText;
  label += ScaleInscript.substr(amp + 1);
  return label;
}

namespace {

void AppendTwoDigits(std::string& s, std::int64_t v) {
  if (v < 10) s += '0';
  s += std::to_string(v);
}

}  // namespace

std::string ElapsedTimeText(long double Seconds, bool WithMilliseconds) {
  std::string s(1, Seconds >= 0 ? ' ' : '-');
  long double a = std::fabs(Seconds);
  if (!std::isfinite(a)) a = 0;
  // Tick values carry the rounding noise of their sums (0.99999... for 1):
  // whole milliseconds first, so that the fields cannot show a carry lost.
  a = std::min(a, 1e15L);
  const auto ms = static_cast<std::int64_t>(RoundEven(a * 1000));
  std::int64_t total = WithMilliseconds ? ms : static_cast<std::int64_t>(Int(ms / 1000.0L));
  if (!WithMilliseconds) total *= 1000;
  const std::int64_t h = total / 3600000;
  const std::int64_t m = total / 60000 % 60;
  const std::int64_t sec = total / 1000 % 60;
  AppendTwoDigits(s, h);
  s += ':';
  AppendTwoDigits(s, m);
  s += ':';
  AppendTwoDigits(s, sec);
  if (WithMilliseconds) {
    const std::int64_t r = total % 1000;
    s += '.';
    if (r < 100) s += '0';
    if (r < 10) s += '0';
    s += std::to_string(r);
  }
  return s;
}

}  // namespace zarn
