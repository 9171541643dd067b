#include <cmath>

#include "base/zarn_ticks.h"

namespace zarn {

namespace {

// The first tick sits at most a few distances away from where it starts, but
// once the distance is lost in the precision of Low the additions would stop
// changing anything.
constexpr int kMaxFirstTickSteps = 16;

// mantissa × 10^k from products that are exact up to 10^27 and one division:
// the same bits on every processor, where exp and log may differ in their
// last bit between processors.
long double TimesPowerOfTen(long double mantissa, long double k) {
  long double power = 1;
  for (long double i = 0; i < std::fabs(k) && std::isfinite(power); ++i)
    power *= 10;
  return k < 0 ? mantissa / power : mantissa * power;
}

void AdvanceToLow(TTickStep& step, long double low, long double e) {
  const long double slack = 0.001L * std::fabs(step.TickDistance);
  for (int i = 0; i < kMaxFirstTickSteps && e * (low - step.FirstTick) > slack; ++i)
    step.FirstTick += step.TickDistance;
}

}  // namespace

TTickStep NiceTickStep(int MinTicks, long double Low, long double High) {
  TTickStep step;
  step.FirstTick = Low;
  if (High == Low || !std::isfinite(Low) || !std::isfinite(High)) return step;
  const long double e = Low < High ? 1.0L : -1.0L;
  const long double span = std::fabs(High - Low);

  if (MinTicks <= 0) {
    // One unit per tick in the direction of the range: a positive unit on a
    // falling range would run away from RangeHigh and never reach it.
    step.TickDistance = e;
    step.FirstTick = std::trunc(Low) - e;
    AdvanceToLow(step, Low, e);
    step.ShortTickCount = span > 10 ? 1 : 5;
    return step;
  }

  long double g = std::log(span / MinTicks) / std::log(10.0L);
  long double h = g - std::trunc(g);
  if (std::fabs(h) < 1e-10L || std::fabs(h) > 0.9999999999L) {
    g = std::nearbyint(g);
    h = 0;
  }
  if (g < 0 && h != 0) g -= 1;
  if (h < 0) h += 1;

  const long double log2 = std::log10(2.0L);
  const long double log5 = std::log10(5.0L);
  long double mantissa;
  if (h < log2 + 1e-10L) {
    mantissa = 1;
    step.ShortTickCount = 5;
  } else if (h < log5 + 1e-10L) {
    mantissa = 2;
    step.ShortTickCount = 4;
  } else {
    mantissa = 5;
    step.ShortTickCount = 5;
  }
  const long double distance = e * TimesPowerOfTen(mantissa, std::trunc(g));
  if (!std::isfinite(distance) || distance == 0) {
    step.ShortTickCount = 1;
    return step;
  }
  step.TickDistance = distance;
  step.FirstTick = (std::trunc(Low / distance) - 1) * distance;
  AdvanceToLow(step, Low, e);
  return step;
}

}  // namespace zarn
