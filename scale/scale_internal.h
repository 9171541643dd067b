#pragma once
// Helpers shared by the engine's source files.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "surface/zarn_canvas.h"

namespace zarn::scale_internal {

// A drawing position from margins, offsets, the base and text sizes, any of
// which may lie near the limits of int: added in 64 bits, clamped to int.
template <class... T>
int PixelSum(T... terms) {
  const std::int64_t sum = (std::int64_t{0} + ... + std::int64_t{terms});
  return static_cast<int>(std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// Nearest integer, ties to even (the default rounding mode).
inline long double RoundEven(long double x) {
  return std::rint(x);
}
inline long double Int(long double x) {
  return std::trunc(x);
}
// The largest integer not above x.
inline long double Floor(long double x) {
  const long double r = std::rint(x);
  return r > x ? r - 1 : r;
}
// Round half away from zero.
inline long double RoundAway(long double x) {
  return std::round(x);
}

// 10^e; the powers a double's range needs come from a table, as powl is slow.
inline long double PowerOfTen(int e) {
  constexpr int kLow = -350;
  constexpr int kHigh = 350;
  static const auto table = [] {
    std::array<long double, kHigh - kLow + 1> t{};
    for (int i = kLow; i <= kHigh; ++i)
      t[static_cast<std::size_t>(i - kLow)] = std::pow(10.0L, static_cast<long double>(i));
    return t;
  }();
  if (e < kLow || e > kHigh) return std::pow(10.0L, static_cast<long double>(e));
  return table[static_cast<std::size_t>(e - kLow)];
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
