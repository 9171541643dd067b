// The viewer's picture: a full paint, a new curve shown, and a long curve,
// beside QCustomPlot drawing the same picture in the same run.

#include <benchmark/benchmark.h>

#include <cmath>

#include "tests/support/viewer_chart.h"

#ifdef ZARN_BENCH_QCUSTOMPLOT
#include <qcustomplot.h>
#include <QApplication>
#endif

namespace {

using namespace zarn;

// The viewer's chart, window created so that it paints.
struct TViewer {
  TVorel chart{nullptr};
  TViewer() {
    test::BuildViewerChart(chart);
    chart.SetPaintHold(false);
  }
};

// Everything drawn anew (a setting was set, with AutoRedraw off so that only
// the paint draws), and a paint with nothing changed, as a window uncovered
// asks for. Argument: the device scale (2: four times the pixels).
void BM_ViewerFullPaint(benchmark::State& state, bool changed) {
  TViewer v;
  v.chart.SetDeviceScale(static_cast<int>(state.range(0)));
  v.chart.SetAutoRedraw(false);
  for (auto _ : state) {
    if (changed) v.chart.SetChartFrameColor(v.chart.ChartFrameColor());
    v.chart.Paint();
  }
}
BENCHMARK_CAPTURE(BM_ViewerFullPaint, drawn_anew, true)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ViewerFullPaint, nothing_changed, false)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

void BM_ViewerNewCurveShown(benchmark::State& state) {
  TViewer v;
  for (auto _ : state) {
    test::AddViewerCurve(v.chart);
    v.chart.ShowItems();
  }
}
BENCHMARK(BM_ViewerNewCurveShown)->Unit(benchmark::kMicrosecond);

void BM_MillionPointShowItems(benchmark::State& state) {
  TViewer v;
  v.chart.SetAllocSize(1000000);
  v.chart.ClearItems();
  v.chart.MovePenTo(0, 0);
  for (int i = 1; i <= 1000000; ++i) {
    const double x = 6.0 * i / 1000000;
    v.chart.LineToPoint(x, test::F44(x));
  }
  for (auto _ : state)
    v.chart.ShowItems();
}
BENCHMARK(BM_MillionPointShowItems)->Unit(benchmark::kMillisecond);

#ifdef ZARN_BENCH_QCUSTOMPLOT

QApplication& App() {
  static int argc = 1;
  static char name[] = "chart_render_bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

// The same picture: caption, axes 0 .. 6 and 0 .. 1.5, the curve, a dotted
// vertical line at x = 1.
struct TPeer {
  QApplication& app = App();  // before any widget
  QCustomPlot plot;
  QVector<double> xs, ys;
  TPeer() {
    plot.resize(553, 315);
    plot.plotLayout()->insertRow(0);
    plot.plotLayout()->addElement(
        0, 0, new QCPTextElement(&plot, "Drag the crosshair line with the left mouse button"));
    plot.xAxis->setRange(0, 6);
    plot.yAxis->setRange(0, 1.5);
    plot.addGraph();
    Curve();
    // The cursor on a buffered layer of its own, as the peer advises for cursors.
    plot.addLayer("cursor", nullptr, QCustomPlot::limAbove);
    plot.layer("cursor")->setMode(QCPLayer::lmBuffered);
    line = new QCPItemStraightLine(&plot);
    line->setLayer("cursor");
    line->point1->setCoords(1, 0);
    line->point2->setCoords(1, 1);
    line->setPen(QPen(Qt::black, 1, Qt::DotLine));
    plot.show();
  }
  QCPItemStraightLine* line = nullptr;
  void Curve() {
    xs.resize(501);
    ys.resize(501);
    xs[0] = ys[0] = 0;
    for (int i = 1; i <= 500; ++i) {
      xs[i] = 6.0 * i / 500;
      ys[i] = test::F44(xs[i]);
    }
    plot.graph(0)->setData(xs, ys, true);
  }
};

void BM_PeerFullReplot(benchmark::State& state) {
  TPeer p;
  for (auto _ : state)
    p.plot.replot(QCustomPlot::rpImmediateRefresh);
}
BENCHMARK(BM_PeerFullReplot)->Unit(benchmark::kMicrosecond);

void BM_PeerNewCurveReplot(benchmark::State& state) {
  TPeer p;
  for (auto _ : state) {
    p.Curve();
    p.plot.replot(QCustomPlot::rpImmediateRefresh);
  }
}
BENCHMARK(BM_PeerNewCurveReplot)->Unit(benchmark::kMicrosecond);

// The peer's cursor move: its layer replotted, then the finished picture.
void BM_PeerCursorLayerMove(benchmark::State& state) {
  TPeer p;
  p.plot.replot(QCustomPlot::rpImmediateRefresh);
  int step = 0;
  for (auto _ : state) {
    step = (step + 1) % 200;
    const double x = 1 + 6.0 * (step < 100 ? step : 200 - step) / 484;
    p.line->point1->setCoords(x, 0);
    p.line->point2->setCoords(x, 1);
    p.plot.layer("cursor")->replot();
    benchmark::DoNotOptimize(p.plot.grab());
  }
}
BENCHMARK(BM_PeerCursorLayerMove)->Unit(benchmark::kMicrosecond);

#endif

}  // namespace
