// Series of millions of points: drawing all of them, following the newest
// ones, appending, and a crosshair over them; QCustomPlot's graph (adaptive
// sampling on, its default) with the same data in the same run when installed.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <random>
#include <vector>

#include "tests/support/viewer_chart.h"

#ifdef ZARN_BENCH_QCUSTOMPLOT
#include <qcustomplot.h>

#include <QApplication>
#endif

// Bytes held by the program, for what the chart adds beyond the caller's points.
namespace {
std::atomic<long long> g_heldBytes{0};
}  // namespace

void* operator new(std::size_t n) {
  void* p = std::malloc(n ? n : 1);
  if (!p) throw std::bad_alloc();
  g_heldBytes += static_cast<long long>(malloc_usable_size(p));
  return p;
}
void operator delete(void* p) noexcept {
  if (p) g_heldBytes -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  operator delete(p);
}

namespace {

using namespace zarn;

constexpr std::size_t kPoints = 10'000'000;

// A sorted random walk: x = 0, 1, 2, ...
std::shared_ptr<TSeriesPoints> Walk(std::size_t n) {
  std::vector<double> x(n), y(n);
  std::mt19937 rng(7);
  std::normal_distribution<double> step(0.0, 1.0);
  double v = 0;
  for (std::size_t i = 0; i < n; ++i) {
    x[i] = static_cast<double>(i);
    y[i] = v += step(rng);
  }
  return std::make_shared<TSeriesPoints>(std::move(x), std::move(y));
}

const std::shared_ptr<TSeriesPoints>& TenMillion() {
  static const std::shared_ptr<TSeriesPoints> points = Walk(kPoints);
  return points;
}

// The viewer's geometry with a series in place of the curve, the y range
// fitted to the walk.
struct TSeriesChart {
  TVorel chart{nullptr};
  explicit TSeriesChart(std::shared_ptr<TSeriesPoints> points, double xLow, double xHigh) {
    test::BuildViewerChart(chart);
    chart.ClearItems();
    chart.SetPaintHold(false);
    chart.Scale1Y().SetRangeLow(-8000);
    chart.Scale1Y().SetRangeHigh(8000);
    chart.Scale1X().SetRangeLow(xLow);
    chart.Scale1X().SetRangeHigh(xHigh);
    chart.AddSeries(std::move(points));
  }
};

void BM_SeriesShowAll(benchmark::State& state) {
  TSeriesChart s(std::make_shared<TSeriesPoints>(), 0, kPoints);
  s.chart.ShowItems();
  // What the series adds to a chart that is already shown.
  const long long before = g_heldBytes;
  s.chart.ReplaceSeries(0, TenMillion());
  s.chart.ShowItems();
  state.counters["chart_bytes"] = static_cast<double>(g_heldBytes - before);
  for (auto _ : state)
    s.chart.ShowItems();
}
BENCHMARK(BM_SeriesShowAll)->Unit(benchmark::kMillisecond);

// The view follows the newest 100 000 points.
void BM_SeriesShowNewest(benchmark::State& state) {
  TSeriesChart s(TenMillion(), kPoints - 100'000, kPoints);
  for (auto _ : state)
    s.chart.ShowItems();
}
BENCHMARK(BM_SeriesShowNewest)->Unit(benchmark::kMicrosecond);

// 1000 new points, the view moved with them, the picture shown.
void BM_SeriesAppendAndFollow(benchmark::State& state) {
  auto points = Walk(kPoints);
  TSeriesChart s(points, kPoints - 100'000, kPoints);
  double next = kPoints, y = 0;
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i)
      points->Append(next++, y += (i % 7) - 3);
    s.chart.SetJointRange(1, next - 100'000, -8000, next, 8000);  // paints the whole chart once
  }
}
BENCHMARK(BM_SeriesAppendAndFollow)->Unit(benchmark::kMicrosecond);

void BM_SeriesCrossHairMove(benchmark::State& state) {
  TSeriesChart s(TenMillion(), 0, kPoints);
  s.chart.CrossHair1().SetMode(chVert);
  s.chart.ShowItems();
  int step = 0;
  for (auto _ : state) {
    step = (step + 1) % 400;
    s.chart.MoveCrossHair(1, kPoints * (step < 200 ? step : 400 - step) / 200.0, 0);
  }
}
BENCHMARK(BM_SeriesCrossHairMove)->Unit(benchmark::kMicrosecond);

#ifdef ZARN_BENCH_QCUSTOMPLOT

QApplication& App() {
  static int argc = 1;
  static char name[] = "chart_series_bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

struct TPeer {
  QApplication& app = App();
  QCustomPlot plot;
  TPeer(double xLow, double xHigh) {
    plot.resize(553, 315);
    plot.xAxis->setRange(xLow, xHigh);
    plot.yAxis->setRange(-8000, 8000);
    plot.addGraph();
    const TSeriesPoints& p = *TenMillion();
    QVector<double> xs(static_cast<qsizetype>(p.Size())), ys(xs.size());
    for (std::size_t b = 0; b < p.BlockCount(); ++b)
      for (std::size_t i = 0; i < p.BlockX(b).size(); ++i) {
        xs[static_cast<qsizetype>(p.BlockStart(b) + i)] = p.BlockX(b)[i];
        ys[static_cast<qsizetype>(p.BlockStart(b) + i)] = p.BlockY(b)[i];
      }
    plot.graph(0)->setData(xs, ys, true);
    plot.show();
  }
};

void BM_PeerReplotAll(benchmark::State& state) {
  TPeer p(0, kPoints);
  for (auto _ : state)
    p.plot.replot(QCustomPlot::rpImmediateRefresh);
}
BENCHMARK(BM_PeerReplotAll)->Unit(benchmark::kMillisecond);

void BM_PeerReplotNewest(benchmark::State& state) {
  TPeer p(kPoints - 100'000, kPoints);
  for (auto _ : state)
    p.plot.replot(QCustomPlot::rpImmediateRefresh);
}
BENCHMARK(BM_PeerReplotNewest)->Unit(benchmark::kMicrosecond);

#endif

}  // namespace
