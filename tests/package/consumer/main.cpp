#include <cmath>
#include <cstdio>

#include "base/zarn_zarnbase.h"
#include "stats/zarn_fdist.h"

int main() {
  const double median = zarn::FLowerTail(4, 4, 1.0);
  if (std::fabs(median - 0.5) > 1e-10) {
    std::printf("unexpected FLowerTail(4, 4, 1) = %.17g\n", median);
    return 1;
  }
  if (zarn::ContrastTextColor(zarn::clWhite) != zarn::clBlack ||
      !zarn::ColorFromName("aliceblue")) {
    std::printf("unexpected colour helpers\n");
    return 1;
  }
  return 0;
}
