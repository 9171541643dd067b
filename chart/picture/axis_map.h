#pragma once
// A layer's world-to-pixel transform in double, for the many points whose
// pixel the double result settles: the same pixel the chart's long double
// transform gives, or no answer, never another pixel.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "chart/zarn_vorel.h"

// Where the processor has wider vectors, a second copy of a loop so marked
// uses them: the same operations on more values at once, so the same results.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ZARN_WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define ZARN_WIDE_VECTORS
#endif

namespace zarn::vorel_detail {

// Pixel positions reach the surface within this range.
inline constexpr int kPixelLimit = 30000;

inline int ClampPixel(std::int64_t v) {
  return static_cast<int>(v < -kPixelLimit ? -kPixelLimit : (v > kPixelLimit ? kPixelLimit : v));
}

struct TAxisMap {
  // Beyond this the double transform is not trusted.
  static constexpr double kFastLimit = 1e9;
  // Added and taken away, it rounds to nearest, halves to even, as rint does,
  // without a library call.
  static constexpr double kRoundShift = 6755399441055744.0;  // 1.5 * 2^52
  static constexpr int kUnsure = -1'000'000'000;

  TAxisMap() = default;
  // shift: from control pixels to the surface's.
  TAxisMap(long double k, long double d, bool log, std::int64_t shift)
      : K(static_cast<double>(k)),
        D(static_cast<double>(d)),
        Log(log),
        Shift(shift),
        // The double terms differ from the long double ones by a few units in
        // their last place, and stay below the limit plus |D|: 1e-14 of that
        // is ten times the difference. Within it of a half, the exact
        // transform decides.
        Edge(0.5 - (1e-14 * (kFastLimit + 2 * std::fabs(D)) + 1e-9)) {}

  // The control pixel the chart's transform gives; false when the double
  // result might round otherwise: near a half, far out, below a logarithmic
  // axis's reach, or no number.
  bool Control(double v, std::int64_t& out) const {
    double t = v;
    if (Log) {
      if (!(v > 1e-100)) return false;
      t = std::log(v);
    }
    const double f = K * t + D;
    if (!(std::fabs(f) < kFastLimit)) return false;
    const double r = (f + kRoundShift) - kRoundShift;
    if (std::fabs(f - r) > Edge) return false;
    out = static_cast<std::int64_t>(r);
    return true;
  }
  // The same on the surface, within the pixel limit.
  bool Pixel(double v, int& out) const {
    std::int64_t control;
    if (!Control(v, control)) return false;
    out = ClampPixel(control + Shift);
    return true;
  }
  // The surface pixels of n values on a linear axis at once, kUnsure for each
  // that needs the exact transform or is no number.
  void Pixels(const double* v, std::size_t n, int* out) const;

  double K = 0, D = 0;
  bool Log = false;
  std::int64_t Shift = 0;
  double Edge = 0;
  int Scale = 1;  // device pixels per chart pixel
};

// A layer's transforms onto a surface whose origin lies at the plotting
// area's corner plus (ox, oy), as the chart's transform is now; at a scale
// above 1, onto the pixels of a device that many times denser.
TAxisMap XMapOf(const TCustomVorel& chart, int layer, int ox, int scale = 1);
TAxisMap YMapOf(const TCustomVorel& chart, int layer, int oy, int scale = 1);

}  // namespace zarn::vorel_detail
