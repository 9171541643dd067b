// FDensity remembers the terms of its last pair of degrees of freedom; these
// tests hold it to the bits it gave before it remembered anything.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <thread>

#include "stats/zarn_fdist.h"

namespace zarn {
namespace {

struct Point {
  int df1, df2;
  double x, density;
};

// Recorded from the uncached implementation.
constexpr std::array<Point, 8> kRecorded = {{
    {4, 4, 0x1p+0, 0x1.800000002a324p-2},
    {1, 1, 0x1.89374bc6a7efap-7, 0x1.6f86d97d5e855p+1},
    {2, 7, 0x1p-1, 0x1.18bdc14d5a1e3p-1},
    {100, 100, 0x1p+0, 0x1.fd5f01ae1a1eap+0},
    {3, 50, 0x1.7f3b645a1cac1p+2, 0x1.8bd5f5a5e4c6dp-10},
    {100, 1, 0x1.8p+2, 0x1.97d837e705dc3p-6},
    {4, 4, 0x1.56e1fc2f8f359p-997, 0x1.01297d23c7aa6p-994},
    {1, 100, 0x1.19799812dea11p-40, 0x1.849e8bf6e20bep+18},
}};

constexpr std::array<int, 10> kDfs = {1, 2, 3, 4, 5, 7, 10, 33, 99, 100};

// FNV-1a over the bits of the viewer's 500-point curves at every pair of kDfs.
std::uint64_t CurveHash() {
  std::uint64_t hash = 1469598103934665603ULL;
  for (int df1 : kDfs)
    for (int df2 : kDfs)
      for (int i = 1; i <= 500; ++i) {
        const double y = FDensity(df1, df2, static_cast<double>(6.0L * i / 500));
        std::uint64_t bits;
        std::memcpy(&bits, &y, sizeof bits);
        for (int k = 0; k < 8; ++k) {
          hash ^= (bits >> (8 * k)) & 0xFF;
          hash *= 1099511628211ULL;
        }
      }
  return hash;
}

TEST(FDensityCache, GivesTheUncachedBitsOnHitAndMiss) {
  // Each point twice in a row (miss, then hit), and the list in alternating
  // pairs, so that every point is also asked right after another pair.
  for (const Point& p : kRecorded) {
    EXPECT_EQ(FDensity(p.df1, p.df2, p.x), p.density) << p.df1 << " " << p.df2;
    EXPECT_EQ(FDensity(p.df1, p.df2, p.x), p.density) << p.df1 << " " << p.df2;
  }
  EXPECT_EQ(CurveHash(), 0xe78abd24fd67e1c7ULL);
}

TEST(FDensityCache, ThreadsDoNotShareTheirPairs) {
  auto curves = [](const Point& p, bool& same) {
    same = true;
    for (int round = 0; round < 2000; ++round)
      same = same && FDensity(p.df1, p.df2, p.x) == p.density;
  };
  bool sameA = false, sameB = false;
  std::thread a(curves, kRecorded[2], std::ref(sameA));
  std::thread b(curves, kRecorded[5], std::ref(sameB));
  a.join();
  b.join();
  EXPECT_TRUE(sameA);
  EXPECT_TRUE(sameB);
}

}  // namespace
}  // namespace zarn
