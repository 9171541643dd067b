#include "base/zarn_engineering.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/zarn_format.h"

namespace zarn {

namespace {

char PrefixLetter(int group) {
  static constexpr char kLetters[] = "afpnum?kMGT";  // groups -6 … 4
  return kLetters[group + 6];
}

}  // namespace

std::string FormatEngineering(std::int32_t Digits, double X) {
  const int p = std::clamp(Digits, -9, 9);
  const int signedDecimals = p >= 2 ? p - 1 : (p >= -1 ? 0 : p + 1);
  const int decimals = std::abs(signedDecimals);
  if (X == 0 || std::isnan(X)) return FormatFloatFixed(0, 1, decimals);
  if (std::isinf(X)) return {};

  const double a = std::fabs(X);
  // The decimal logarithm in double precision is exact at powers of ten, so
  // 1000 lands in the kilo group and not at 2.999… in the unit group.
  const double lg = std::log10(a);
  const int exponent = static_cast<int>(std::floor(lg));
  const int group = std::clamp(static_cast<int>(std::floor(lg / 3)), -6, 4);
  const int shown = std::max(decimals + 3 * group - exponent, 0);
  const long double scale = std::pow(10.0L, 3 * std::abs(group));
  const long double mantissa = group >= 0 ? a / scale : a * scale;
  std::string text = FormatFloatFixed(mantissa, 1, shown);

  if (group != 0) {
    const char letter = PrefixLetter(group);
    const std::size_t point = text.find('.');
    if (signedDecimals < 0 && point != std::string::npos) {
      text[point] = letter;
    } else {
      text += letter;
    }
  }
  return X < 0 ? "-" + text : text;
}

}  // namespace zarn
