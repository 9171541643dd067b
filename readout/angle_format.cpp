#include <algorithm>
#include <cmath>

#include "platform/zarn_format.h"
#include "readout/zarn_nimbic.h"

namespace zarn {

namespace {

constexpr const char* kDegreeSign = "\u00B0";
// Below this distance a value counts as the whole number next to it, so that
// 30 minutes do not show as 29.999… and round up to a field of 60.
constexpr long double kWholeTolerance = 3e-12L;

long double SnapToWhole(long double v) {
  const long double whole = std::nearbyint(v);
  return std::fabs(v - whole) < kWholeTolerance ? whole : v;
}

// x rounded to `decimals` decimals, halves away from zero.
long double RoundDecimals(long double x, int decimals) {
  const long double scale = std::pow(10.0L, decimals);
  return std::round(x * scale) / scale;
}

long double Frac(long double x) {
  return x - std::trunc(x);
}

}  // namespace

std::string FormatAngle(TAngleKind Kind, std::int32_t Decimals, double X) {
  // Minutes and seconds of a value without digits would only repeat it.
  if (!std::isfinite(X)) return FormatFloatFixed(X, 1, 0) + kDegreeSign;
  const int decimals = std::clamp(Decimals, 0, 8);
  if (Kind == akDeg) return FormatFloatFixed(X, 1, decimals) + kDegreeSign;

  const long double parts = Kind == akDegMin ? 60.0L : 3600.0L;
  const long double v = SnapToWhole(RoundDecimals(parts * X, decimals) / parts);
  const long double degrees = std::trunc(v);
  std::string text = (degrees == 0 && v < 0) ? "-0" : FormatFloatFixed(degrees, 1, 0);
  text += kDegreeSign;
  text += ' ';

  const long double minutes = Frac(std::fabs(v)) * 60;
  if (Kind == akDegMin) return text + FormatFloatFixed(minutes, decimals + 3, decimals) + "'";

  const long double wholeMinutes = SnapToWhole(minutes);
  text += FormatFloatFixed(std::trunc(wholeMinutes), 2, 0) + "' ";
  const long double seconds = Frac(wholeMinutes) * 60;
  return text + FormatFloatFixed(seconds, decimals + 3, decimals) + "\"";
}

}  // namespace zarn
