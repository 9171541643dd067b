// The F functions beside Boost.Math's fisher_f on the viewer's workload: single
// calls at df (4, 4) and the whole 500-point density curve of one redraw.
#include <benchmark/benchmark.h>

#include <array>
#include <boost/math/distributions/fisher_f.hpp>

#include "stats/zarn_fdist.h"

namespace {

constexpr int kPoints = 500;

// x = 6 i / 500 for i = 1 ... 500; the curve's start point at 0 is not computed.
const std::array<double, kPoints>& CurveX() {
  static const std::array<double, kPoints> xs = [] {
    std::array<double, kPoints> a{};
    for (int i = 0; i < kPoints; ++i)
      a[i] = 6.0 * (i + 1) / kPoints;
    return a;
  }();
  return xs;
}

const boost::math::fisher_f_distribution<double> kBoostF(4, 4);

void BM_FDensity(benchmark::State& state) {
  const auto& xs = CurveX();
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zarn::FDensity(4, 4, xs[i]));
    i = (i + 1) % kPoints;
  }
}
BENCHMARK(BM_FDensity);

void BM_BoostPdf(benchmark::State& state) {
  const auto& xs = CurveX();
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(boost::math::pdf(kBoostF, xs[i]));
    i = (i + 1) % kPoints;
  }
}
BENCHMARK(BM_BoostPdf);

void BM_FLowerTail(benchmark::State& state) {
  const auto& xs = CurveX();
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zarn::FLowerTail(4, 4, xs[i]));
    i = (i + 1) % kPoints;
  }
}
BENCHMARK(BM_FLowerTail);

void BM_BoostCdf(benchmark::State& state) {
  const auto& xs = CurveX();
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(boost::math::cdf(kBoostF, xs[i]));
    i = (i + 1) % kPoints;
  }
}
BENCHMARK(BM_BoostCdf);

void BM_DensityCurve(benchmark::State& state) {
  std::array<double, kPoints> ys{};
  for (auto _ : state) {
    for (int i = 0; i < kPoints; ++i)
      ys[i] = zarn::FDensity(4, 4, CurveX()[i]);
    benchmark::DoNotOptimize(ys.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DensityCurve);

// A scroll-bar step: every curve at a new pair, so the terms of the degrees of
// freedom are computed once per curve rather than found from the last one.
void BM_DensityCurveNewPair(benchmark::State& state) {
  std::array<double, kPoints> ys{};
  int df1 = 1;
  for (auto _ : state) {
    df1 = df1 % 100 + 1;
    for (int i = 0; i < kPoints; ++i)
      ys[i] = zarn::FDensity(df1, 4, CurveX()[i]);
    benchmark::DoNotOptimize(ys.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DensityCurveNewPair);

void BM_BoostDensityCurve(benchmark::State& state) {
  std::array<double, kPoints> ys{};
  for (auto _ : state) {
    for (int i = 0; i < kPoints; ++i)
      ys[i] = boost::math::pdf(kBoostF, CurveX()[i]);
    benchmark::DoNotOptimize(ys.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BoostDensityCurve);

}  // namespace
