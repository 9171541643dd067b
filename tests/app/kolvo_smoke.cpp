// The built viewer on a real X server (under xvfb-run), driven by xdotool: on
// a desktop at twice the density, the window at twice the size showing what
// its snapshot at that scale shows; then at the usual density a drag of the
// crosshair with the left button, a screenshot whose crosshair column and
// read-outs must agree with the drag, a critical value chosen from the
// chart's menu with the keyboard, then "Exit" and a clean end.

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace {

// The window's designed geometry: the chart below a 65-pixel panel, its plot
// 483 pixels wide from x = 50 for the x range 0 ... 6.
constexpr int kChartTop = 65;
constexpr int kPlotLeft = 50;
constexpr int kPlotTop = 20;
constexpr int kPlotBottom = 315 - 40;
constexpr double kPixelsPerUnit = 483.0 / 6.0;
const QRect kQuantileReadOut(384, 8, 164, 22);
const QRect kTailReadOut(384, 32, 164, 22);
const QPoint kExitButton(8 + 36, 8 + 24);

QString Xdotool(const QStringList& args) {
  QProcess p;
  p.start("xdotool", args);
  p.waitForFinished(10000);
  return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

int Fail(const std::string& why, QProcess& viewer) {
  std::fprintf(stderr, "kolvo smoke test: %s\n", why.c_str());
  viewer.kill();
  viewer.waitForFinished(5000);
  return 1;
}

int DarkPixels(const QImage& image, int x, int y0, int y1) {
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    n += qGray(image.pixel(x, y)) < 96;
  return n;
}

bool SameReadOuts(const QImage& shot, const QImage& expected) {
  for (const QRect& readOut : {kQuantileReadOut, kTailReadOut})
    if (shot.copy(readOut) != expected.copy(readOut)) return false;
  return true;
}

QImage GrabWindow(QPoint origin, int scale = 1) {
  const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  return screen.copy(QRect(origin, QSize(553, 380) * scale)).convertToFormat(QImage::Format_RGB32);
}

// The viewer's window on screen: its id, and its corner and size in the
// screen's pixels.
struct TShownWindow {
  QString Id;
  QRect Geometry;
};

TShownWindow FindWindow() {
  TShownWindow w;
  w.Id = Xdotool({"search", "--sync", "--onlyvisible", "--name", "^F Distribution$"})
             .section('\n', 0, 0);
  if (w.Id.isEmpty()) return w;
  for (const QString& line : Xdotool({"getwindowgeometry", "--shell", w.Id}).split('\n')) {
    const int value = line.section('=', 1).toInt();
    if (line.startsWith("X=")) w.Geometry.moveLeft(value);
    if (line.startsWith("Y=")) w.Geometry.moveTop(value);
    if (line.startsWith("WIDTH=")) w.Geometry.setWidth(value);
    if (line.startsWith("HEIGHT=")) w.Geometry.setHeight(value);
  }
  return w;
}

// Our own controls' areas, at a scale: the chart and both read-outs.
bool SameOwnControls(const QImage& shot, const QImage& expected, int scale) {
  for (const QRect& area : {QRect(0, kChartTop, 553, 315), kQuantileReadOut, kTailReadOut}) {
    const QRect device(area.topLeft() * scale, area.size() * scale);
    if (shot.copy(device) != expected.copy(device)) return false;
  }
  return true;
}

// Grabs until `ready` accepts the picture or ten seconds pass, and returns
// the last picture: the X server shows a change when it gets to it.
QImage GrabWhen(const std::function<QImage()>& grab,
                const std::function<bool(const QImage&)>& ready) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  QImage shot = grab();
  while (!ready(shot) && std::chrono::steady_clock::now() < deadline) {
    QThread::msleep(20);
    shot = grab();
  }
  return shot;
}
QImage GrabWhen(QPoint origin, const std::function<bool(const QImage&)>& ready) {
  return GrabWhen([origin] { return GrabWindow(origin); }, ready);
}

}  // namespace

int CheckTwiceTheDensity() {
  QProcess viewer;
  viewer.setProcessChannelMode(QProcess::ForwardedChannels);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_SCALE_FACTOR", "2");
  viewer.setProcessEnvironment(env);
  viewer.start(KOLVO_PATH, {});
  if (!viewer.waitForStarted(10000)) return Fail("the viewer did not start at scale 2", viewer);
  const TShownWindow window = FindWindow();
  if (window.Id.isEmpty()) return Fail("no window at scale 2", viewer);
  if (window.Geometry.size() != QSize(1106, 760))
    return Fail("the window at scale 2 is " + std::to_string(window.Geometry.width()) + " x " +
                    std::to_string(window.Geometry.height()),
                viewer);
  QTemporaryDir dir;
  const QString reference = dir.filePath("scaled.png");
  if (QProcess::execute(KOLVO_PATH, {"--scale", "2", "--snapshot", reference}) != 0)
    return Fail("no snapshot at scale 2", viewer);
  const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
  auto same = [&](const QImage& shot) { return SameOwnControls(shot, expected, 2); };
  if (!same(GrabWhen([&] { return GrabWindow(window.Geometry.topLeft(), 2); }, same)))
    return Fail("the window at scale 2 differs from its snapshot", viewer);
  viewer.terminate();
  viewer.waitForFinished(10000);
  return 0;
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (const int failed = CheckTwiceTheDensity()) return failed;
  QProcess viewer;
  viewer.setProcessChannelMode(QProcess::ForwardedChannels);
  viewer.start(KOLVO_PATH, {});
  if (!viewer.waitForStarted(10000)) return Fail("the viewer did not start", viewer);

  const TShownWindow window = FindWindow();
  if (window.Id.isEmpty()) return Fail("no window captioned \"F Distribution\"", viewer);
  const QPoint origin = window.Geometry.topLeft();
  auto at = [&](int x, int y) {
    return QStringList{"mousemove", "--sync", QString::number(origin.x() + x),
                       QString::number(origin.y() + kChartTop + y)};
  };
  const int from = kPlotLeft + 80;  // x = 1, where the crosshair starts
  const int to = kPlotLeft + 201;   // x = 2.497
  const int y = 150;
  const int top = kChartTop + kPlotTop + 1, bottom = kChartTop + kPlotBottom - 1;
  auto crosshairIn = [&](const QImage& shot, int column) {
    const int dark = DarkPixels(shot, column, top, bottom);
    return dark >= (bottom - top) / 4 && dark <= (bottom - top) * 3 / 4;
  };
  if (!crosshairIn(GrabWhen(origin, [&](const QImage& s) { return crosshairIn(s, from); }), from))
    return Fail("no first picture with the crosshair in column " + std::to_string(from), viewer);
  Xdotool(at(from, y) << "mousedown"
                      << "1" << at((from + to) / 2, y) << "sleep"
                      << "0.1" << at(to, y) << "mouseup"
                      << "1");

  // The read-outs show what the viewer shows when started at the dragged x.
  QTemporaryDir dir;
  const QString reference = dir.filePath("reference.png");
  const double x = (to - kPlotLeft) / kPixelsPerUnit;
  if (QProcess::execute(KOLVO_PATH,
                        {"--x", QString::number(x, 'g', 17), "--snapshot", reference}) != 0)
    return Fail("no reference snapshot", viewer);
  const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
  auto readOutsAgree = [&](const QImage& shot) { return SameReadOuts(shot, expected); };
  auto dragShown = [&](const QImage& shot) {
    return crosshairIn(shot, to) && DarkPixels(shot, from, top, top + 60) <= 3 &&
           readOutsAgree(shot);
  };
  const QImage shot = GrabWhen(origin, dragShown);

  // A dotted line in the new column, and none left in the old one.
  if (!crosshairIn(shot, to))
    return Fail("no dotted crosshair in column " + std::to_string(to), viewer);
  if (DarkPixels(shot, from, top, top + 60) > 3)
    return Fail("the crosshair is still in column " + std::to_string(from), viewer);
  if (!readOutsAgree(shot))
    return Fail("a read-out disagrees with the crosshair at x = " + std::to_string(x), viewer);

  // A right click opens the chart's menu; the keyboard chooses its second
  // entry, the critical value for 0.05, which at (4, 4) is 6.388 on an x axis
  // widened to 0 ... 10.
  // Elsewhere than the drag's end: a --sync move to where the pointer is waits forever.
  Xdotool(at(to + 20, y) << "click"
                         << "3"
                         << "sleep"
                         << "0.5"
                         << "key"
                         << "Down"
                         << "Down"
                         << "Return");
  const QString alphaReference = dir.filePath("alpha.png");
  if (QProcess::execute(KOLVO_PATH, {"--alpha", "0.05", "--snapshot", alphaReference}) != 0)
    return Fail("no reference snapshot at alpha = 0.05", viewer);
  const QImage alphaExpected = QImage(alphaReference).convertToFormat(QImage::Format_RGB32);
  const int critical = kPlotLeft + 309;  // 6.388 of 10 units over 483 pixels
  auto criticalShown = [&](const QImage& shot) {
    return crosshairIn(shot, critical) && SameReadOuts(shot, alphaExpected);
  };
  if (!criticalShown(GrabWhen(origin, criticalShown)))
    return Fail(
        "the menu's critical value for 0.05 is not shown in column " + std::to_string(critical),
        viewer);

  Xdotool(at(kExitButton.x(), kExitButton.y() - kChartTop) << "click"
                                                           << "1");
  if (!viewer.waitForFinished(10000)) return Fail("\"Exit\" did not end the viewer", viewer);
  if (viewer.exitStatus() != QProcess::NormalExit || viewer.exitCode() != 0)
    return Fail("the viewer ended with " + std::to_string(viewer.exitCode()), viewer);
  return 0;
}
