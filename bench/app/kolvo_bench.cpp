// The viewer's window built from its stored layout, offscreen: a crosshair drag
// step and a scroll-bar step, each from the event to the finished chart and
// read-outs; and the whole program's start-up to its first picture beside a
// Qt Widgets program that only opens an empty window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <cstdlib>
#include <string>

#include "tests/app/kolvo_fixture.h"

namespace {

using namespace zarn;

TFrmKolvo& ShownWindow() {
  TFrmKolvo& form = kolvotest::CreateMainWindow();
  form.Show();
  if (!QTest::qWaitForWindowExposed(WidgetOf(form))) std::abort();
  QApplication::processEvents();
  return form;
}

void SendMouse(QWidget* widget, QEvent::Type type, int x, int y, Qt::MouseButtons buttons) {
  const QPointF local(x, y);
  QMouseEvent event(type, local, widget->mapToGlobal(local), Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

void BM_CrossHairDragStep(benchmark::State& state) {
  TFrmKolvo& form = ShownWindow();
  QWidget* chart = WidgetOf(*form.Vorel1);
  int px = 0, py = 0;
  form.Vorel1->WorldToPixel(1, 1.0, 0.75, px, py);
  SendMouse(chart, QEvent::MouseButtonPress, px, py, Qt::LeftButton);
  int step = 0;
  for (auto _ : state) {
    step = (step + 1) % 200;  // to and fro across a third of the plot
    SendMouse(chart, QEvent::MouseMove, px + (step < 100 ? step : 200 - step), py, Qt::LeftButton);
    if (state.range(0)) QApplication::processEvents();
  }
  SendMouse(chart, QEvent::MouseButtonRelease, px, py, Qt::NoButton);
  benchmark::DoNotOptimize(form.NLabCrosshair->Value());
  Application().Reset();
}
// Argument 0: the chart's picture and the read-outs finished in the event;
// 1: also put on the screen by Qt.
BENCHMARK(BM_CrossHairDragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ScrollBarStep(benchmark::State& state) {
  TFrmKolvo& form = ShownWindow();
  int position = 4;
  for (auto _ : state) {
    position = position % 100 + 1;
    form.SBDf1->SetPosition(position);
    if (state.range(0)) QApplication::processEvents();
  }
  benchmark::DoNotOptimize(form.NLabCrosshair->Value());
  Application().Reset();
}
BENCHMARK(BM_ScrollBarStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The stored layout with count extra panels in the named parent.
std::string LayoutWithPanels(int count, const std::string& parent) {
  std::string layout(kolvo::EmbeddedLayout());
  std::string extra;
  for (int i = 0; i < count; ++i)
    extra += R"(, {"Class": "TPanel", "Name": "Extra)" + std::to_string(i) + R"(", "Parent": ")" +
             parent + R"(", "Properties": {"Left": 1, "Top": 1, "Width": 5, "Height": 5}})";
  layout.insert(layout.rfind(']'), extra);
  return layout;
}

// A window of thousands of components loaded, pictured and freed: each of
// these once went over every other component, or its Qt tree, per component.
// Argument: the number of extra panels; 0 puts them in the form, 1 in Panel1.
void BM_ManyPanelsLoadSnapshotFree(benchmark::State& state) {
  const std::string layout =
      LayoutWithPanels(static_cast<int>(state.range(0)), state.range(1) ? "Panel1" : "FrmKolvo");
  for (auto _ : state) {
    TFrmKolvo& form = kolvotest::CreateMainWindow(layout);
    SaveFormSnapshot(form, "/tmp/kolvo_bench_panels.png");
    Application().Reset();
  }
}
BENCHMARK(BM_ManyPanelsLoadSnapshotFree)
    ->ArgsProduct({{2000, 10000, 20000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Whole processes; a few runs only, since each starts Qt afresh.
void RunProcess(benchmark::State& state, const std::string& command) {
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError(("failed: " + command).c_str());
}

void BM_StartUpToSnapshot(benchmark::State& state) {
  RunProcess(state, "QT_QPA_PLATFORM=offscreen " KOLVO_PATH
                    " --snapshot /tmp/kolvo_bench_snapshot.png >/dev/null 2>&1");
}
BENCHMARK(BM_StartUpToSnapshot)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void BM_StartUpEmptyQtWindow(benchmark::State& state) {
  RunProcess(state, "QT_QPA_PLATFORM=offscreen " EMPTY_WINDOW_PATH " >/dev/null 2>&1");
}
BENCHMARK(BM_StartUpEmptyQtWindow)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  kolvotest::Backend();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  kolvotest::StopBackend();
  return 0;
}
