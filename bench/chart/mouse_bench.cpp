// One step of a crosshair drag on the viewer's chart, headless: from the
// mouse-move event to the finished picture on the control's surface.
#include <benchmark/benchmark.h>

#include <cmath>

#include "chart/zarn_vorel.h"
#include "platform/application.h"

namespace {

using namespace zarn;

// The viewer's chart: 553 x 315, x 0 .. 6, y 0 .. 1.5, both axes shown, a
// dotted vertical crosshair and a curve of points + 1 points.
void SetUpViewerChart(TVorel& chart, int points) {
  chart.SetBounds(0, 0, 553, 315);
  chart.SetMarginLeft(50);
  chart.SetMarginRight(20);
  chart.SetMarginTop(20);
  chart.SetMarginBottom(40);
  chart.SetCaption("Drag the crosshair line with the left mouse button");
  chart.SetLayerRange(1, 0, 0, 6, 1.5);
  chart.Scale1X().SetVisible(true);
  chart.Scale1Y().SetVisible(true);
  chart.Scale1Y().SetMinTicks(2);
  chart.SetMouseAction(maDragCrossH);
  TCrossHair& h = chart.CrossHair1();
  h.SetColor(clBlack);
  h.SetMode(chVert);
  h.SetLineType(psDot);
  h.SetPosX(1.0);
  chart.SetPaintHold(false);
  chart.MovePenTo(0, 0);
  for (int i = 1; i <= points; ++i) {
    const double x = 6.0 * i / points;
    chart.LineToPoint(x, x * std::exp(-x));
  }
  chart.ShowItems();
}

// Argument: the curve's points. Without handlers a move redraws only the
// crosshair's strips over the kept picture; with a render handler assigned
// every position setter's repaint can be seen, so the move paints three times.
void BM_CrossHairDragMove(benchmark::State& state, bool renderHandler) {
  Application().Reset();
  TVorel chart(nullptr);
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
    ->Arg(500)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CrossHairDragMove, every_repaint, true)
    ->Arg(500)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
