// The elapsed-time tick sequence (values in seconds).

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "scale/draw_pass.h"
#include "scale/scale_internal.h"
#include "scale/zarn_scale.h"

namespace zarn {

using scale_internal::Floor;
using scale_internal::Int;
using scale_internal::RoundAway;

namespace {

struct TTimeStep {
  long double Distance;
  int Short;
};

// Entries 1 .. 28; entry 0 stands for "below a millisecond".
constexpr std::array<TTimeStep, 29> kTimeTickSteps{{
    {0, 1},    {0.001L, 5}, {0.002L, 4}, {0.005L, 5}, {0.01L, 5}, {0.02L, 4}, {0.05L, 5}, {0.1L, 5},
    {0.2L, 4}, {0.5L, 5},   {1, 5},      {2, 4},      {5, 5},     {10, 5},    {20, 4},    {30, 6},
    {60, 6},   {120, 6},    {180, 6},    {300, 5},    {600, 5},   {1200, 6},  {1800, 6},  {3600, 6},
    {7200, 4}, {14400, 4},  {21600, 6},  {43200, 6},  {86400, 6},
}};

constexpr long double kTol = 0.999999999L;

}  // namespace

bool TScaleEngine::TimeSequence(TDrawPass& pass) {
  const long double low = settings_.RangeLow;
  const long double high = settings_.RangeHigh;
  const long double ideal = settings_.MinTicks == 0 ? std::numeric_limits<long double>::infinity()
                                                    : std::fabs(high - low) / settings_.MinTicks;
  int entry = 28;
  while (entry > 0 && ideal < kTimeTickSteps[static_cast<std::size_t>(entry)].Distance)
    --entry;
  if (entry == 28 || entry == 0) return false;

  const TTimeStep& e = kTimeTickSteps[static_cast<std::size_t>(entry)];
  const long double d = high > low ? 1 : -1;
  const long double dist = d * e.Distance;
  const long double s = dist / e.Short;
  // The start is the multiple of the distance at or before RangeLow, also
  // for negative values and reversed ranges, where cutting toward zero would
  // leave the first ticks out.
  const long double q = low / dist;
  const long double start = Floor(q >= 0 ? q / kTol : q * kTol) * dist;
  // Enough positions to reach RangeHigh from that start.
  const long double count = Int((high - start) / s) + 2;
  const int n = std::isfinite(count) ? static_cast<int>(std::clamp<long double>(
                                           count, 0, static_cast<long double>(pass.MaxSteps)))
                                     : 0;
  // Bounds widened outward by the tolerance, whichever way the range runs.
  const long double a = std::min(low, high);
  const long double b = std::max(low, high);
  const long double lower = a >= 0 ? a * kTol : a / kTol;
  const long double upper = b > 0 ? b / kTol : b * kTol;
  auto inside = [&](long double p) { return p >= lower && p <= upper; };

  if (settings_.ShortTicks) {
    for (int t = 0; t <= n; ++t) {
      const long double p = start + t * s;
      if (!inside(p)) continue;
      Record(static_cast<double>(p));
      const int pos = ValueToPixel(static_cast<double>(p));
      DrawMark(pass, pos, 4);
      TickDrawn(pass, p, pos);
    }
  }
  if (!pass.Horizontal) pass.ZeroHeight = pass.Canvas.TextHeight("0");
  const bool withMs = entry <= 9;
  for (int t = 0; t <= n; ++t) {
    const long double p = start + t * s;
    const long double k = p / dist;
    if (!(std::fabs(k - RoundAway(k)) < 0.01L) || !inside(p)) continue;
    if (!pass.Horizontal || !settings_.ShortTicks) Record(static_cast<double>(p));
    const int pos = ValueToPixel(static_cast<double>(p));
    DrawMark(pass, pos, pass.Horizontal ? 7 : 6);
    PlaceLabel(pass, pos, BeforeLabel(p, ElapsedTimeText(p, withMs)), pass.ZeroHeight, 0);
    TickDrawn(pass, p, pos);
  }
  return true;
}

}  // namespace zarn
