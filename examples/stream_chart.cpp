// A live signal: a series the program appends to a thousand times a second,
// drawn straight from its point store, with the x axis following the newest
// ten seconds. Drag the dotted line; the read-out shows the sample under it.
//
//   stream_chart                      opens the window
//   stream_chart --snapshot s.png     draws ten seconds of it to a picture instead

#include <QTimer>
#include <chrono>
#include <cmath>
#include <memory>
#include <numbers>

#include "chart/zarn_vorel.h"
#include "platform/qt/zarn_qt.h"
#include "readout/zarn_nimbic.h"

using namespace zarn;

namespace {

constexpr double kRate = 1000;  // samples a second
constexpr double kWindow = 10;  // seconds in view
constexpr int kTickMs = 20;     // the timer appends what came in meanwhile

// Two tones and a slow drift, as a sensor might give.
double Signal(double t) {
  return std::sin(2 * std::numbers::pi * 0.7 * t) + 0.3 * std::sin(2 * std::numbers::pi * 13 * t) +
         0.2 * std::sin(0.05 * t);
}

class TStream {
 public:
  TStream(TVorel& chart, TNimbic& readOut)
      : chart_(chart), readOut_(readOut), points_(std::make_shared<TSeriesPoints>()) {
    chart_.AddSeries(points_);
  }

  // Samples up to time t, the view moved to end there.
  void AppendUntil(double t) {
    for (; next_ / kRate <= t; ++next_)
      points_->Append(next_ / kRate, Signal(next_ / kRate));
    const double newest = (next_ - 1) / kRate;
    // The crosshair keeps its place in the view while the data moves on.
    following_ = true;
    chart_.MoveCrossHair(1, newest - age_, 0);
    following_ = false;
    chart_.SetJointRange(1, newest - kWindow, -1.8, newest, 1.8);
  }

  // A drag sets how far behind the newest sample the crosshair stays.
  void CrossHairMoved() {
    const double x = chart_.CrossHair1().PosX();
    if (!following_ && next_ > 0) age_ = (next_ - 1) / kRate - x;
    ShowSampleAt(x);
  }

 private:
  void ShowSampleAt(double x) {
    const std::size_t i = points_->LowerBoundX(x);
    if (i < points_->Size()) readOut_.SetValue(points_->Y(i));
  }

  TVorel& chart_;
  TNimbic& readOut_;
  std::shared_ptr<TSeriesPoints> points_;
  long long next_ = 0;  // the next sample's number
  double age_ = kWindow / 4;
  bool following_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  TQtBackend backend(argc, argv);  // first: it owns Qt's application object
  RegisterVorelClasses();
  RegisterNimbic();
  Application().Initialize();

  TForm& form = Application().CreateForm<TForm>();
  form.SetClientWidth(640);
  form.SetClientHeight(360);
  form.SetCaption("Live signal");

  TPanel& panel = TComponent::Create<TPanel>(form);
  panel.SetParent(&form);
  panel.SetAlign(alTop);
  panel.SetHeight(36);
  TNimbic& readOut = TComponent::Create<TNimbic>(form);
  readOut.SetParent(&panel);
  readOut.SetBounds(8, 7, 220, 22);
  readOut.SetLeftText("Sample");
  readOut.SetLeftSpace(64);
  readOut.SetPrecision(4);

  TVorel& chart = TComponent::Create<TVorel>(form);
  chart.SetParent(&form);
  chart.SetAlign(alClient);
  chart.SetCaption("Drag the dotted line; the view follows the newest ten seconds");
  chart.SetDataColor(clNavy);
  chart.CrossHair1().SetMode(chVert);
  chart.CrossHair1().SetLineType(psDot);
  chart.CrossHair1().SetColor(clBlack);
  chart.SetMouseAction(maDragCrossH);

  TStream stream(chart, readOut);
  chart.OnCrossHairMove = [&stream](TObject*, TCrossHair*) { stream.CrossHairMoved(); };
  stream.AppendUntil(kWindow);

  // A snapshot shows the first ten seconds; a window goes on with the clock.
  QTimer timer;
  if (backend.SnapshotFile().empty()) {
    const auto start = std::chrono::steady_clock::now();
    QObject::connect(&timer, &QTimer::timeout, [&stream, start] {
      const std::chrono::duration<double> running = std::chrono::steady_clock::now() - start;
      stream.AppendUntil(kWindow + running.count());
    });
    timer.start(kTickMs);
  }
  return backend.Run();
}
