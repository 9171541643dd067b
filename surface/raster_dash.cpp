#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "surface/raster.h"

namespace zarn::raster {

void DashedRing(const TTarget& t, std::vector<TPoint64>& pixels, long double cx, long double cy,
                long double start, std::span<const int> pattern, TPaint pen, const TPaint* gap) {
  using real = long double;
  constexpr real kTwoPi = 2 * std::numbers::pi_v<real>;
  // Angle from the start ray, counter-clockwise on the screen (y up): along a
  // ring around the centre it grows monotonically, so it orders the pixels.
  const auto angle = [&](const TPoint64& p) {
    real a = std::atan2(cy - static_cast<real>(p.Y), static_cast<real>(p.X) - cx) - start;
    while (a < 0)
      a += kTwoPi;
    while (a >= kTwoPi)
      a -= kTwoPi;
    return a;
  };
  std::vector<std::pair<real, TPoint64>> ordered;
  ordered.reserve(pixels.size());
  for (const TPoint64& p : pixels)
    ordered.emplace_back(angle(p), p);
  std::sort(ordered.begin(), ordered.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::array<bool, 64> on{};
  int period = 0;
  bool state = true;
  for (int len : pattern) {
    for (int j = 0; j < len && period < 64; ++j)
      on[static_cast<std::size_t>(period++)] = state;
    state = !state;
  }
  if (period == 0) return;
  int pos = 0;
  for (const auto& entry : ordered) {
    const TPoint64& p = entry.second;
    if (on[static_cast<std::size_t>(pos)])
      Span(t, p.Y, p.X, p.X + 1, pen);
    else if (gap)
      Span(t, p.Y, p.X, p.X + 1, *gap);
    if (++pos == period) pos = 0;
  }
}

}  // namespace zarn::raster
