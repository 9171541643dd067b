// FDensity remembers the terms of its last pair of degrees of freedom; these
// tests hold it to the bits of the density written out whole, computed in the
// same run, so that they hold whatever bits the C library's exp and log give.
#include <gtest/gtest.h>

#include <array>
#include <barrier>
#include <cmath>
#include <thread>

#include "stats/zarn_fdist.h"

namespace zarn {
namespace {

struct Point {
  int df1, df2;
  double x;
};

// Neighbours share df1 or df2, so a cache that looked at one of them only
// would hand one pair's terms to the next.
constexpr std::array<Point, 9> kPoints = {{
    {4, 4, 1.0},
    {4, 5, 0.5},
    {1, 5, 0.012},
    {1, 1, 0x1.89374bc6a7efap-7},
    {2, 7, 0.5},
    {100, 7, 6.0},
    {100, 100, 1.0},
    {4, 4, 0x1.56e1fc2f8f359p-997},
    {1, 100, 0x1.19799812dea11p-40},
}};

// The density as one expression, in the order the cached terms are summed.
double WholeDensity(int df1, int df2, double x) {
  using Ext = long double;
  const double h = (static_cast<long long>(df1) + df2) / 2.0;
  const double half1 = df1 / 2.0, half2 = df2 / 2.0;
  const Ext n1 = df1, n2 = df2, xe = x;
  const Ext head = Ext{LogGamma(h)} - LogGamma(half1) - LogGamma(half2) + half1 * std::log(n1 / n2);
  return static_cast<double>(
      std::exp(head + (half1 - 1.0L) * std::log(xe) - h * std::log(n1 * xe / n2 + 1.0L)));
}

TEST(FDensityCache, GivesTheUncachedBitsOnHitAndMiss) {
  for (std::size_t i = 0; i < kPoints.size(); ++i) {
    const Point& p = kPoints[i];
    const Point& before = kPoints[(i + kPoints.size() - 1) % kPoints.size()];
    const double whole = WholeDensity(p.df1, p.df2, p.x);
    FDensity(before.df1, before.df2, before.x);
    EXPECT_EQ(FDensity(p.df1, p.df2, p.x), whole) << "miss " << p.df1 << " " << p.df2;
    EXPECT_EQ(FDensity(p.df1, p.df2, p.x), whole) << "hit " << p.df1 << " " << p.df2;
  }
  // The viewer's curves: one miss, then 499 hits.
  constexpr std::array<int, 6> dfs = {1, 2, 3, 10, 33, 100};
  for (int df1 : dfs)
    for (int df2 : dfs)
      for (int i = 1; i <= 500; ++i) {
        const double x = static_cast<double>(6.0L * i / 500);
        ASSERT_EQ(FDensity(df1, df2, x), WholeDensity(df1, df2, x))
            << df1 << " " << df2 << " " << x;
      }
}

TEST(FDensityCache, ThreadsDoNotShareTheirPairs) {
  const Point a = kPoints[2], b = kPoints[5];
  const double wantA = FDensity(a.df1, a.df2, a.x), wantB = FDensity(b.df1, b.df2, b.x);
  // Both threads ask at once, over and over: a cache shared between them
  // would be overwritten by one while the other reads it. That is rarely seen
  // in the values; the thread-sanitized build of this test sees every time.
  constexpr int kRounds = 20, kCallsPerRound = 1000;
  std::barrier lockstep(2);
  auto run = [&lockstep](const Point& p, double want, int& wrong) {
    for (int round = 0; round < kRounds; ++round) {
      lockstep.arrive_and_wait();
      for (int call = 0; call < kCallsPerRound; ++call)
        wrong += FDensity(p.df1, p.df2, p.x) != want;
    }
  };
  int wrongA = 0, wrongB = 0;
  std::thread ta(run, std::cref(a), wantA, std::ref(wrongA));
  std::thread tb(run, std::cref(b), wantB, std::ref(wrongB));
  ta.join();
  tb.join();
  EXPECT_EQ(wrongA, 0);
  EXPECT_EQ(wrongB, 0);
}

}  // namespace
}  // namespace zarn
