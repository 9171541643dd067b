#include <gtest/gtest.h>

#include <cmath>

#include "stats/zarn_fdist.h"

namespace zarn {
namespace {

TEST(FDistribution, MedianOfEqualDegreesIsOne) {
  EXPECT_NEAR(FLowerTail(4, 4, 1.0), 0.5, 1e-10);
  EXPECT_NEAR(FDensity(4, 4, 1.0), 0.375, 1e-10);
}

}  // namespace
}  // namespace zarn
