// Creating charts and recording items: what the viewer does on every change of
// its degrees of freedom, and long series.

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <vector>

#include "chart/zarn_vorel.h"

namespace {

using namespace zarn;

void ViewerSize(TVorel& chart) {
  chart.SetBounds(0, 65, 553, 315);
}

void BM_CreateChart(benchmark::State& state) {
  for (auto _ : state) {
    TVorel chart(nullptr);
    ViewerSize(chart);
    benchmark::DoNotOptimize(chart.DataCount());
  }
}
BENCHMARK(BM_CreateChart)->Unit(benchmark::kMicrosecond);

// The viewer's curve: a start point and 500 points of the density.
void AppendCurve(TVorel& chart) {
  chart.MovePenTo(0, 0);
  for (int i = 1; i <= 500; ++i)
    chart.LineToPoint(6.0 * i / 500, 0.5);
}

void BM_AppendCurve(benchmark::State& state) {
  TVorel chart(nullptr);
  ViewerSize(chart);
  for (auto _ : state) {
    state.PauseTiming();  // ClearItems also paints the plot's background
    chart.ClearItems();
    state.ResumeTiming();
    AppendCurve(chart);
    benchmark::DoNotOptimize(chart.DataCount());
  }
}
BENCHMARK(BM_AppendCurve);

void BM_MillionAppends(benchmark::State& state) {
  TVorel chart(nullptr);
  ViewerSize(chart);
  for (auto _ : state) {
    chart.ClearItems();
    for (int i = 0; i < 1000000; ++i)
      chart.LineToPoint(i, i);
    benchmark::DoNotOptimize(chart.DataCount());
  }
}
BENCHMARK(BM_MillionAppends)->Unit(benchmark::kMillisecond);

// A million appends to a list that has never held anything.
void BM_MillionAppendsFreshList(benchmark::State& state) {
  for (auto _ : state) {
    TVoItemContainer list;
    for (int i = 0; i < 1000000; ++i)
      list.Append(1000).X1 = i;
    benchmark::DoNotOptimize(list.Count());
  }
}
BENCHMARK(BM_MillionAppendsFreshList)->Unit(benchmark::kMillisecond);

long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

// Resident memory that ten viewer-sized charts add, with their windows.
void BM_TenChartsResident(benchmark::State& state) {
  for (auto _ : state) {
    const long before = ResidentKiB();
    std::vector<std::unique_ptr<TVorel>> charts;
    for (int i = 0; i < 10; ++i) {
      charts.push_back(std::make_unique<TVorel>(nullptr));
      ViewerSize(*charts.back());
      charts.back()->CreateHandle();
    }
    state.counters["KiB_per_chart"] = static_cast<double>(ResidentKiB() - before) / 10;
  }
}
BENCHMARK(BM_TenChartsResident)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
