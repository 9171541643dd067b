#include <cmath>
#include <cstdio>

#include "stats/zarn_fdist.h"

int main() {
  const double median = zarn::FLowerTail(4, 4, 1.0);
  if (std::fabs(median - 0.5) > 1e-10) {
    std::printf("unexpected FLowerTail(4, 4, 1) = %.17g\n", median);
    return 1;
  }
  return 0;
}
