#include <benchmark/benchmark.h>

#include "chart/zarn_vorel.h"

namespace {

// A zoom step on a viewer-sized chart whose 16 layers all follow layer 1.
void BM_SetJointRange16Joined(benchmark::State& state) {
  zarn::TVorel chart(nullptr);
  chart.SetBounds(0, 0, 553, 315);
  chart.JointLayers().SetChart(&chart);
  for (int layer = 2; layer <= zarn::kVorelLayers; ++layer) {
    chart.JointLayers().SetXControlledBy(layer, 1);
    chart.JointLayers().SetYControlledBy(layer, 1);
  }
  double step = 0;
  for (auto _ : state) {
    step = step > 1 ? 0 : step + 0.01;
    chart.SetJointRange(1, -step, 0, 6 + step, 1.5 + step);
  }
  benchmark::DoNotOptimize(chart.Kx(16));
}
BENCHMARK(BM_SetJointRange16Joined);

}  // namespace
