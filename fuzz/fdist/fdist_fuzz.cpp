// Any degrees of freedom and any x, NaN and infinities included: the F
// functions must return, and give a probability, a non-negative density and
// a non-negative critical value.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "stats/zarn_fdist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::int32_t df1 = 0, df2 = 0;
  double x = 0.0, a = 0.0, b = 0.0;
  if (size < sizeof df1 + sizeof df2 + sizeof x) return 0;
  std::memcpy(&df1, data, sizeof df1);
  std::memcpy(&df2, data + 4, sizeof df2);
  std::memcpy(&x, data + 8, sizeof x);
  if (size >= 32) {
    std::memcpy(&a, data + 16, sizeof a);
    std::memcpy(&b, data + 24, sizeof b);
  }

  const double p = zarn::FLowerTail(df1, df2, x);
  if (!(p >= 0.0 && p <= 1.0)) std::abort();
  const double f = zarn::FDensity(df1, df2, x);
  if (!(f >= 0.0)) std::abort();
  // x read as a level: a critical value is NaN, +infinity or a point where
  // the tail has fallen to the level.
  const double c = zarn::FCriticalValue(df1, df2, x);
  if (df1 >= 1 && df2 >= 1 && x > 0.0 && x < 1.0 && !(c >= 0.0)) std::abort();
  // Shapes that no degrees of freedom produce may overflow ln Γ; they only have to return.
  volatile double sink = zarn::IncompleteBeta(x, a, b) + zarn::LogGamma(a);
  (void)sink;
  return 0;
}
