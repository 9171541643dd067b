// One drawing of an axis the way the chart asks for it: a transparent,
// embedded scale drawing on the chart's bitmap.

#include <benchmark/benchmark.h>

#include "platform/zarn_datetime.h"
#include "scale/zarn_scale.h"
#include "surface/zarn_bitmap.h"

namespace {

using namespace zarn;

// The viewer's plotting area: 484 x 300 pixels inside margins 50, 20, 16, 32.
constexpr int kWidth = 50 + 484 + 20 - 1;
constexpr int kHeight = 16 + 300 + 32 - 1;

struct Axis {
  TBitmap image{kWidth, kHeight};
  TScale scale{nullptr};

  explicit Axis(TScaleType type) {
    scale.SetBounds(0, 0, kWidth, kHeight);
    scale.SetMarginLeft(50);
    scale.SetMarginRight(20);
    scale.SetMarginTop(16);
    scale.SetMarginBottom(32);
    scale.SetScaleType(type);
    scale.SetTransparent(true);
    scale.SetEmbedded(true);
    scale.SetExternalCanvas(&image.Canvas(), 0, 0);
  }
};

void Run(benchmark::State& state, Axis& axis) {
  axis.scale.RenderNow();  // warm the glyph cache
  for (auto _ : state) {
    axis.scale.RenderNow();
    benchmark::DoNotOptimize(axis.scale.NumTicks());
  }
}

void BM_ViewerXAxis(benchmark::State& state) {
  Axis axis(sctXT);
  axis.scale.SetRange(0, 6);
  Run(state, axis);
}
BENCHMARK(BM_ViewerXAxis);

void BM_ViewerYAxis(benchmark::State& state) {
  Axis axis(sctYR);
  axis.scale.SetRange(0, 1.5);
  axis.scale.SetMinTicks(2);
  Run(state, axis);
}
BENCHMARK(BM_ViewerYAxis);

void BM_LogAxis12Decades(benchmark::State& state) {
  Axis axis(sctXT);
  axis.scale.SetRange(1e-6, 1e6);
  axis.scale.SetLogarithmic(true);
  axis.scale.SetMinTicks(state.range(0));
  Run(state, axis);
}
BENCHMARK(BM_LogAxis12Decades)->Arg(3)->Arg(10);

void BM_DateAxis10Years(benchmark::State& state) {
  Axis axis(sctXT);
  axis.scale.SetLabelType(ftDateTime);
  axis.scale.SetRange(EncodeDate(2015, 1, 1), EncodeDate(2025, 1, 1));
  Run(state, axis);
}
BENCHMARK(BM_DateAxis10Years);

// The densest sequences: one labelled tick per unit (MinTicks 0), drawn
// whole up to 10 000 ticks and cut beyond, and 600 decades.
void BM_UnitTicks(benchmark::State& state) {
  Axis axis(sctXT);
  axis.scale.SetRange(0, static_cast<double>(state.range(0)));
  axis.scale.SetMinTicks(0);
  Run(state, axis);
}
BENCHMARK(BM_UnitTicks)->Arg(1000)->Arg(10000)->Arg(1000000000)->Unit(benchmark::kMillisecond);

void BM_LogAxis600Decades(benchmark::State& state) {
  Axis axis(sctYR);
  axis.scale.SetRange(1e-300, 1e300);
  axis.scale.SetLogarithmic(true);
  Run(state, axis);
}
BENCHMARK(BM_LogAxis600Decades)->Unit(benchmark::kMillisecond);

// The tick computation alone, without text: label type ftNoFigs.
void BM_ViewerXAxisTicksOnly(benchmark::State& state) {
  Axis axis(sctXT);
  axis.scale.SetRange(0, 6);
  axis.scale.SetLabelType(ftNoFigs);
  Run(state, axis);
}
BENCHMARK(BM_ViewerXAxisTicksOnly);

// A stand-alone opaque scale: background, frame and one copy per paint.
void BM_OpaqueStandAlone(benchmark::State& state) {
  TScale scale(nullptr);
  scale.SetBounds(0, 0, 400, 60);
  scale.CreateHandle();
  scale.SetRange(0, 6);
  for (auto _ : state)
    scale.RenderNow();
}
BENCHMARK(BM_OpaqueStandAlone);

}  // namespace
