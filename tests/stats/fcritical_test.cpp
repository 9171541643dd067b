// Critical values against Boost.Math's quantile of the complement, and
// against the read-out the viewer shows for them.
#include <gtest/gtest.h>

#include <boost/math/distributions/fisher_f.hpp>
#include <climits>
#include <cmath>
#include <exception>
#include <limits>

#include "stats/zarn_fdist.h"

namespace zarn {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(FCriticalValue, MatchesTheReferenceWhereTheTailsAgree) {
  const int degrees[] = {1, 2, 3, 5, 10, 30, 100, 1000, 100000};
  const double levels[] = {0.5, 0.1, 0.05, 0.025, 0.01, 0.001, 1e-5, 1e-10};
  int compared = 0;
  for (int df1 : degrees)
    for (int df2 : degrees)
      for (double alpha : levels) {
        const boost::math::fisher_f_distribution<double> f(df1, df2);
        double reference = 0;
        try {
          reference = quantile(complement(f, alpha));
        } catch (const std::exception&) {
          continue;  // the reference finds no root there either
        }
        // Where our tail itself strays from the reference, so may its inverse.
        const double tail = 1 - FLowerTail(df1, df2, reference);
        if (std::fabs(tail - alpha) > 1e-8 * alpha && std::fabs(tail - alpha) > 1e-12) continue;
        ++compared;
        const double x = FCriticalValue(df1, df2, alpha);
        // 1e-6 is what a user needs; the bound is tighter because the tail
        // taken as 1 minus the lower tail already strays by 9.5e-7 at 1e-10.
        EXPECT_NEAR(x / reference, 1.0, 3e-7) << df1 << ", " << df2 << " at " << alpha;
      }
  EXPECT_GT(compared, 500);  // of 648: the far tails at very large df are left out
}

TEST(FCriticalValue, TheReadOutShowsTheLevel) {
  // The viewer shows 1 - FLowerTail to four decimals: a critical value placed
  // as the crosshair must read as its level.
  for (int df1 = 1; df1 <= 100; df1 += 7)
    for (int df2 = 1; df2 <= 100; df2 += 7)
      for (double alpha : {0.10, 0.05, 0.025, 0.01, 0.001}) {
        const double x = FCriticalValue(df1, df2, alpha);
        EXPECT_LT(std::fabs(1 - FLowerTail(df1, df2, x) - alpha), 5e-7)
            << df1 << ", " << df2 << " at " << alpha;
      }
  // F(1, 1) at 0.05 lies far beyond the viewer's axis.
  EXPECT_NEAR(FCriticalValue(1, 1, 0.05), 161.4476, 1e-4);
}

TEST(FCriticalValue, OutsideItsDomainIsNaN) {
  for (double alpha : {0.0, 1.0, -0.5, 1.5, kNaN, std::numeric_limits<double>::infinity()})
    EXPECT_TRUE(std::isnan(FCriticalValue(3, 4, alpha))) << alpha;
  EXPECT_TRUE(std::isnan(FCriticalValue(0, 4, 0.05)));
  EXPECT_TRUE(std::isnan(FCriticalValue(3, INT_MIN, 0.05)));
  // Levels below what a double's range of x can reach give +infinity.
  EXPECT_EQ(FCriticalValue(1, 1, 1e-300), std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace zarn
