// The chart's 32 axis engines: created, set up and sized the way the chart
// does it (parentless, suspended, transparent, drawing on the chart's image).
// Besides the time, each run reports the resident memory the 32 engines add.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <memory>

#include <unistd.h>

#include "scale/zarn_scale.h"
#include "surface/zarn_bitmap.h"

namespace {

using namespace zarn;

constexpr int kAxes = 32;
constexpr int kWidth = 553;
constexpr int kHeight = 315;

double ResidentMegabytes() {
  long pages = 0;
  long resident = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

using Axes = std::array<std::unique_ptr<TScale>, kAxes>;

void CreateAxes(Axes& axes, TBitmap& image) {
  for (int i = 0; i < kAxes; ++i) {
    auto& s = axes[static_cast<std::size_t>(i)];
    s = std::make_unique<TScale>(nullptr);
    s->ResetToDefaults();
    s->SetTransparent(true);
    s->SetColorBackGnd(clWhite);
    s->SetFrameStyle(fsNone);
    s->SetBounds(0, 0, kWidth, kHeight);
    s->SetScaleType(i < kAxes / 2 ? sctXB : sctYL);
    s->SetMarginLeft(50);
    s->SetMarginRight(20);
    s->SetMarginTop(16);
    s->SetMarginBottom(32);
    s->SetEmbedded(true);
    s->SetExternalCanvas(&image.Canvas(), 0, 0);
  }
}

void BM_Create32AxisEngines(benchmark::State& state) {
  TBitmap image(kWidth, kHeight);
  double added = 0;
  for (auto _ : state) {
    const double before = ResidentMegabytes();
    Axes axes;
    CreateAxes(axes, image);
    state.PauseTiming();
    added = ResidentMegabytes() - before;
    axes = {};
    state.ResumeTiming();
  }
  state.counters["resident_added_MB"] = added;
}
BENCHMARK(BM_Create32AxisEngines)->Unit(benchmark::kMillisecond);

// The chart resizes its engines with every change of its own size.
void BM_Resize32AxisEngines(benchmark::State& state) {
  TBitmap image(kWidth, kHeight);
  Axes axes;
  CreateAxes(axes, image);
  const double before = ResidentMegabytes();
  int step = 0;
  for (auto _ : state) {
    step ^= 1;
    for (auto& s : axes)
      s->SetBounds(0, 0, kWidth + step, kHeight + step);
  }
  state.counters["resident_added_MB"] = ResidentMegabytes() - before;
}
BENCHMARK(BM_Resize32AxisEngines)->Unit(benchmark::kMicrosecond);

}  // namespace
