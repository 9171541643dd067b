#include "base/zarn_numeric.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <utility>

#include "platform/zarn_format.h"
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
  return FormatFloatFixed(X, Width, Decimals);
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
