#pragma once
// Choosing the distance between labelled ticks of a linear axis.

#include <cstdint>

namespace zarn {

struct TTickStep {
  long double FirstTick = 0;
  long double TickDistance = 0;      // negative on a reversed range, 0 when there are no ticks
  std::uint16_t ShortTickCount = 1;  // short-tick intervals per tick distance
};

// A tick distance of 1, 2 or 5 times a power of ten that gives more than
// MinTicks intervals over Low .. High (one tick per unit when MinTicks is 0),
// and the first multiple of it at Low or just beyond, in the direction of the
// range. Ends that are not finite give a distance of 0.
TTickStep NiceTickStep(int MinTicks, long double Low, long double High);

}  // namespace zarn
