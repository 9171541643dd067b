// One step of a crosshair drag on the viewer's chart, headless: from the
// mouse-move event to the finished picture on the control's surface.
#include <benchmark/benchmark.h>

#include "chart/zarn_vorel.h"
#include "platform/application.h"
#include "tests/support/viewer_chart.h"

namespace {

using namespace zarn;

// The viewer's chart with a curve of points + 1 points, shown, dragged with
// the left button.
void SetUpViewerChart(TVorel& chart, int points) {
  test::BuildViewerChart(chart);
  chart.SetAllocSize(1000000);
  test::AddViewerCurve(chart, points);
  chart.SetMouseAction(maDragCrossH);
  chart.SetPaintHold(false);
  chart.ShowItems();
}

// Arguments: the curve's points and the device scale. Without handlers a
// move redraws only the crosshair's strips over the kept picture; with a
// render handler assigned every position setter's repaint can be seen, so
// the move paints three times.
void BM_CrossHairDragMove(benchmark::State& state, bool renderHandler) {
  Application().Reset();
  TVorel chart(nullptr);
  chart.SetDeviceScale(static_cast<int>(state.range(1)));
  SetUpViewerChart(chart, static_cast<int>(state.range(0)));
  if (renderHandler) chart.OnDataRendered = [](TObject*, TCanvas&, int, int) {};
  int moves = 0;
  chart.OnCrossHairMove = [&](TObject*, TCrossHair*) { ++moves; };
  const TShiftState left{ssLeft};
  chart.DispatchMouseDown(mbLeft, left, 150, 150);
  chart.DispatchMouseMove(left, 150, 150);
  int step = 0;
  for (auto _ : state) {
    step = (step + 1) % 200;  // to and fro across a third of the plot
    chart.DispatchMouseMove(left, 150 + (step < 100 ? step : 200 - step), 150);
  }
  chart.DispatchMouseUp(mbLeft, {}, 150, 150);
  if (moves == 0) state.SkipWithError("the crosshair did not move");
  benchmark::DoNotOptimize(chart.CrossHair1().PosX());
}
BENCHMARK_CAPTURE(BM_CrossHairDragMove, composed, false)
    ->Args({500, 1})
    ->Args({1000000, 1})
    ->Args({500, 2})
    ->Args({1000000, 2})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CrossHairDragMove, every_repaint, true)
    ->Args({500, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
