#pragma once
// Helpers shared by the engine's source files.

#include <cmath>
#include <string>

#include "surface/zarn_canvas.h"

namespace zarn::scale_internal {

inline long double RoundEven(long double x) {
  return std::nearbyint(x);
}
inline long double Int(long double x) {
  return std::trunc(x);
}
// The largest integer not above x.
inline long double Floor(long double x) {
  const long double r = std::nearbyint(x);
  return r > x ? r - 1 : r;
}
// Round half away from zero.
inline long double RoundAway(long double x) {
  return std::round(x);
}

// A Latin-1 character as UTF-8 text; empty for the character 0.
inline std::string Latin1ToUtf8(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u == 0) return {};
  if (u < 0x80) return std::string(1, static_cast<char>(u));
  std::string s;
  s += static_cast<char>(0xC0 | (u >> 6));
  s += static_cast<char>(0x80 | (u & 0x3F));
  return s;
}

// Scale values count days continuously; the calendar's encoding counts the
// time of a day before day 0 forward from that day's start.
inline long double ToCalendarValue(long double v) {
  if (std::fabs(v) < 1e-8L) return 0;
  if (v >= 0) return v;
  const long double frac = v - Int(v);
  return frac <= -1e-8L ? Floor(v) - frac - 1 : Floor(v) - frac;
}

}  // namespace zarn::scale_internal
