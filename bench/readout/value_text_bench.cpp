// The value text is rebuilt on every paint, and the viewer repaints two
// read-outs per mouse move: its share of the paint budget.
#include <benchmark/benchmark.h>

#include "readout/zarn_nimbic.h"

namespace {

void BM_QuantileText(benchmark::State& state) {
  zarn::TDisplaySettings s;
  s.Precision = 4;
  s.Value = 1.2345678;
  const zarn::TTextWidthFunc width = [](const std::string& t) {
    return static_cast<int>(t.size()) * 7;
  };
  for (auto _ : state) {
    s.Value += 1e-9;
    benchmark::DoNotOptimize(zarn::BuildDisplayText(s, width));
  }
}
BENCHMARK(BM_QuantileText);

void BM_EngineeringText(benchmark::State& state) {
  zarn::TDisplaySettings s;
  s.DisplayType = zarn::dtEEng;
  s.Precision = 3;
  s.Value = 4700;
  for (auto _ : state) {
    s.Value += 1e-6;
    benchmark::DoNotOptimize(zarn::BuildDisplayText(s, {}));
  }
}
BENCHMARK(BM_EngineeringText);

}  // namespace
