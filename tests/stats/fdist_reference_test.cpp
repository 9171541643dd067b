// The F functions against Boost.Math over the viewer's whole range: degrees of
// freedom 1 to 100 and x in (0, 6].
#include <gtest/gtest.h>

#include <boost/math/distributions/fisher_f.hpp>
#include <cmath>
#include <cstdio>
#include <string>

#include "stats/zarn_fdist.h"

namespace zarn {
namespace {

// Largest errors seen on a dense grid (every df pair, x step 0.01): 6.5e-10
// absolute for the lower tail, 2.6e-10 relative for the density.
constexpr double kTailBound = 1e-9;
constexpr double kDensityBound = 5e-10;

struct Worst {
  double error = 0.0;
  int df1 = 0, df2 = 0;
  double x = 0.0;
  void Note(double e, int d1, int d2, double at) {
    if (e > error) *this = {e, d1, d2, at};
  }
};

void Compare(int df1, int df2, double x, Worst& tail, Worst& density) {
  const boost::math::fisher_f_distribution<double> f(df1, df2);
  tail.Note(std::fabs(FLowerTail(df1, df2, x) - boost::math::cdf(f, x)), df1, df2, x);
  const double pdf = boost::math::pdf(f, x);
  density.Note(std::fabs(FDensity(df1, df2, x) - pdf) / pdf, df1, df2, x);
}

std::string Text(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.3g", v);
  return buffer;
}

void Expect(const Worst& tail, const Worst& density) {
  EXPECT_LT(tail.error, kTailBound)
      << "lower tail at (" << tail.df1 << ", " << tail.df2 << ", " << tail.x << ")";
  EXPECT_LT(density.error, kDensityBound)
      << "density at (" << density.df1 << ", " << density.df2 << ", " << density.x << ")";
  ::testing::Test::RecordProperty("MaxLowerTailAbsError", Text(tail.error));
  ::testing::Test::RecordProperty("MaxDensityRelError", Text(density.error));
}

TEST(FDistributionReference, EveryPairOfDegreesAtSomePoints) {
  Worst tail, density;
  for (int df1 = 1; df1 <= 100; ++df1)
    for (int df2 = 1; df2 <= 100; ++df2)
      for (double x : {0.05, 0.6, 1.0, 1.63, 4.6, 6.0})
        Compare(df1, df2, x, tail, density);
  Expect(tail, density);
}

TEST(FDistributionReference, SomeDegreesOverTheWholeRange) {
  const int degrees[] = {1, 2, 3, 4, 5, 7, 10, 15, 22, 33, 46, 60, 72, 80, 91, 100};
  Worst tail, density;
  for (int df1 : degrees)
    for (int df2 : degrees)
      for (int i = 1; i <= 120; ++i)
        Compare(df1, df2, 6.0 * i / 120, tail, density);
  Expect(tail, density);
}

}  // namespace
}  // namespace zarn
