// Runs the test window on a real X server (under xvfb-run) and drives it with
// real X input from xdotool: a press, a drag and a release over the custom
// control, then a double click. Exits with 0 when the control saw them with
// the right coordinates and shift states and the window closed normally.

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <string>

#include "tests/platform/qt/qt_test_form.h"

namespace {

using zarn::TShiftState;
using zarn::qttest::TMouseRecord;

std::string Describe(const TMouseRecord& r) {
  std::string s = r.Kind + " " + std::to_string(r.X) + "," + std::to_string(r.Y);
  if (r.Shift.Contains(zarn::ssLeft)) s += " L";
  if (r.Shift.Contains(zarn::ssDouble)) s += " D";
  return s;
}

// Where it went wrong, or empty.
std::string Check(const std::vector<TMouseRecord>& log) {
  std::vector<TMouseRecord> clicks;
  bool dragged = false;
  for (const TMouseRecord& r : log) {
    // The X server and Qt may merge moves; the last one is at the release point.
    if (r.Kind == "move" && r.Shift.Contains(zarn::ssLeft) && r.X == 100 && r.Y == 70)
      dragged = true;
    if (r.Kind == "down" || r.Kind == "up" || r.Kind == "dbl") clicks.push_back(r);
  }
  if (clicks.size() < 2) return "no press and release";
  const TMouseRecord& down = clicks[0];
  const TMouseRecord& up = clicks[1];
  if (down.Kind != "down" || down.X != 20 || down.Y != 30 ||
      down.Shift != TShiftState{zarn::ssLeft})
    return "press: " + Describe(down);
  if (!dragged) return "no move with the left button to 100,70";
  if (up.Kind != "up" || up.X != 100 || up.Y != 70 || !up.Shift.Empty())
    return "release: " + Describe(up);
  std::vector<std::string> rest;
  for (std::size_t i = 2; i < clicks.size(); ++i)
    rest.push_back(clicks[i].Kind);
  const std::vector<std::string> expected{"down", "up", "dbl", "down", "up"};
  if (rest != expected) {
    std::string got;
    for (std::size_t i = 2; i < clicks.size(); ++i)
      got += Describe(clicks[i]) + "; ";
    return "double click: " + got;
  }
  if (!clicks[5].Shift.Contains(zarn::ssDouble)) return "second press without ssDouble";
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  zarn::TQtBackend backend(argc, argv);
  zarn::qttest::RegisterQtTestClasses();
  zarn::TApplication& app = zarn::Application();
  app.Initialize();
  auto& form = app.CreateForm<zarn::qttest::TQtTestForm>(zarn::qttest::kTestLayout);
  auto& pattern = form.Get<zarn::qttest::TPatternControl>("Pattern1");
  form.SetBounds(0, 0, form.Width(), form.Height());

  std::string failure = "timed out";
  QProcess xdotool;
  QTimer::singleShot(0, [&] {
    QWidget* w = zarn::WidgetOf(pattern);
    if (!w || !QTest::qWaitForWindowExposed(w->window())) {
      failure = "window not exposed";
      app.Terminate();
      return;
    }
    const QPoint o = w->mapToGlobal(QPoint(0, 0));
    auto at = [&](int x, int y) {
      return QStringList{"mousemove", "--sync", QString::number(o.x() + x),
                         QString::number(o.y() + y)};
    };
    QStringList args = at(20, 30);
    args << "mousedown"
         << "1";
    args << at(60, 50) << "sleep"
         << "0.1" << at(100, 70);
    args << "mouseup"
         << "1";
    args << "sleep"
         << "0.6";  // not a double click with the drag's release
    args << at(40, 40) << "click"
         << "--repeat"
         << "2"
         << "--delay"
         << "80"
         << "1";
    xdotool.start("xdotool", args);
  });
  // The last X events may arrive after xdotool ends: judge once the log
  // passes, or with what it holds after five seconds.
  QTimer judge;
  QElapsedTimer waited;
  int xdotoolCode = 0;
  QObject::connect(&judge, &QTimer::timeout, [&] {
    failure = xdotoolCode != 0 ? "xdotool failed" : Check(pattern.Log);
    if (!failure.empty() && waited.elapsed() < 5000) return;
    judge.stop();
    if (!failure.empty())
      for (const TMouseRecord& r : pattern.Log)
        std::fprintf(stderr, "  %s\n", Describe(r).c_str());
    form.Close();
  });
  QObject::connect(&xdotool, &QProcess::finished, [&](int code, QProcess::ExitStatus) {
    xdotoolCode = code;
    waited.start();
    judge.start(20);
  });
  QTimer::singleShot(20000, [&] { app.Terminate(); });

  const int code = app.Run();
  if (!failure.empty()) {
    std::fprintf(stderr, "smoke test: %s\n", failure.c_str());
    return 1;
  }
  return code;
}
