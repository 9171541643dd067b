#include "base/zarn_numeric.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <utility>

#include "surface/zarn_errors.h"

namespace zarn {

int Luminance(int R, int G, int B) {
  // Weights in hundredths; the weighted sum lies within the range of the
  // inputs, so the rounded quotient always fits an int.
  const std::int64_t sum = 30 * std::int64_t{R} + 59 * std::int64_t{G} + 11 * std::int64_t{B};
  std::int64_t q = sum / 100;
  std::int64_t r = sum % 100;
  if (r < 0) {  // floor division
    r += 100;
    --q;
  }
  if (r > 50 || (r == 50 && (q & 1) != 0)) ++q;
  return static_cast<int>(q);
}

int ColorLuminance(TColor Colour) {
  return Luminance(GetRValue(Colour), GetGValue(Colour), GetBValue(Colour));
}

TColor ContrastTextColor(TColor Colour) {
  return ColorLuminance(Colour) >= 140 ? TColor{0x000000} : TColor{0xFFFFFF};
}

double DecimalLog(double X) {
  if (!(X > 0.0)) throw EMathError("logarithm: invalid argument");
  // log10 is exact at powers of ten, which callers floor to find decades.
  return static_cast<double>(std::log10(static_cast<long double>(X)));
}

int FloorInt(double X) {
  if (std::isnan(X)) return 0;
  const double f = std::floor(X);
  if (f <= static_cast<double>(INT_MIN)) return INT_MIN;
  if (f >= static_cast<double>(INT_MAX)) return INT_MAX;
  return static_cast<int>(f);
}

std::string FormatFixed(int Width, int Decimals, double X) {
  const int width = std::clamp(Width, 0, kFormatFixedMax);
  const int decimals = std::clamp(Decimals, 0, kFormatFixedMax);
  std::string text;
  if (std::isnan(X)) {
    text = "NaN";
  } else if (std::isinf(X)) {
    text = X < 0 ? "-Inf" : "Inf";
  } else {
    if (X == 0.0) X = 0.0;  // no "-" for negative zero
    // Up to 309 integer digits, the sign, the point and the decimals.
    text.resize(320 + static_cast<std::size_t>(decimals));
    const auto res = std::to_chars(text.data(), text.data() + text.size(), X,
                                   std::chars_format::fixed, decimals);
    text.resize(res.ec == std::errc{} ? static_cast<std::size_t>(res.ptr - text.data()) : 0);
  }
  if (text.size() < static_cast<std::size_t>(width))
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

void ExchangeInt(int& A, int& B) noexcept {
  std::swap(A, B);
}
void ExchangeDouble(double& A, double& B) noexcept {
  std::swap(A, B);
}
void ExchangeExtended(long double& A, long double& B) noexcept {
  std::swap(A, B);
}

}  // namespace zarn
