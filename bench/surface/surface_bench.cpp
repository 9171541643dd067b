// Each primitive drawn by the surface and, with the same geometry, by Qt's
// raster painter on a QImage of the same size (aliased): the pairs Zarn/x and
// Qt/x are meant to be read side by side.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "surface/zarn_surface.h"

#if ZARN_BENCH_QT
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#endif

namespace {

constexpr int kWidth = 484;  // the viewer's plotting area
constexpr int kHeight = 256;

std::vector<zarn::TPoint> Curve() {
  std::vector<zarn::TPoint> pts;
  for (int i = 0; i <= 500; ++i)
    pts.push_back({i * (kWidth - 1) / 500,
                   static_cast<int>(kHeight / 2 + 100 * std::sin(i / 30.0) * std::cos(i / 7.0))});
  return pts;
}

struct TSegment {
  int X1, Y1, X2, Y2;
};

std::vector<TSegment> ShortLines() {
  std::vector<TSegment> s;
  unsigned seed = 12345;
  const auto next = [&seed](int n) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % static_cast<unsigned>(n));
  };
  for (int i = 0; i < 1000; ++i) {
    const int x = next(kWidth), y = next(kHeight);
    s.push_back({x, y, x + next(21) - 10, y + next(21) - 10});
  }
  return s;
}

std::vector<zarn::TRect> Boxes() {
  std::vector<zarn::TRect> r;
  for (int i = 0; i < 100; ++i) {
    const int x = (i * 37) % (kWidth - 40), y = (i * 23) % (kHeight - 30);
    r.push_back(zarn::Rect(x, y, x + 40, y + 30));
  }
  return r;
}

const char* const kLabels[] = {"0.25",  "1.500", "12.75", "-3.14", "100.0", "2e-05", "Tick",
                               "4.000", "5.5",   "60.00", "x1.5",  "0.001", "-0.50", "7.25",
                               "abcd",  "99.99", "1e+10", "3.000", "8.125", "Label"};

void ZarnPolyline(benchmark::State& state) {
  zarn::TBitmap b(kWidth, kHeight);
  const auto pts = Curve();
  for (auto _ : state) {
    b.Canvas().Polyline(pts);
    benchmark::DoNotOptimize(b.Pixels().data());
  }
}
BENCHMARK(ZarnPolyline)->Name("Zarn/Polyline501");

void ZarnShortLines(benchmark::State& state) {
  zarn::TBitmap b(kWidth, kHeight);
  const auto lines = ShortLines();
  for (auto _ : state) {
    for (const TSegment& l : lines) {
      b.Canvas().MoveTo(l.X1, l.Y1);
      b.Canvas().LineTo(l.X2, l.Y2);
    }
    benchmark::DoNotOptimize(b.Pixels().data());
  }
}
BENCHMARK(ZarnShortLines)->Name("Zarn/ShortLines1000");

void ZarnFilledRectangles(benchmark::State& state) {
  zarn::TBitmap b(kWidth, kHeight);
  const auto boxes = Boxes();
  b.Canvas().Brush().SetColor(zarn::clYellow);
  for (auto _ : state) {
    for (const zarn::TRect& r : boxes)
      b.Canvas().Rectangle(r);
    benchmark::DoNotOptimize(b.Pixels().data());
  }
}
BENCHMARK(ZarnFilledRectangles)->Name("Zarn/FilledRectangles100");

void ZarnTextLabels(benchmark::State& state) {
  zarn::TBitmap b(kWidth, kHeight);
  zarn::TCanvas& c = b.Canvas();
  c.Font().SetName("DejaVu Sans");
  c.Font().SetHeight(-11);
  c.Brush().SetStyle(zarn::bsClear);
  for (auto _ : state) {
    for (int i = 0; i < 20; ++i)
      c.TextOut(10 + (i % 5) * 90, 20 + (i / 5) * 50, kLabels[i]);
    benchmark::DoNotOptimize(b.Pixels().data());
  }
}
BENCHMARK(ZarnTextLabels)->Name("Zarn/TextLabels20");

void ZarnDottedLine(benchmark::State& state) {
  zarn::TBitmap b(kWidth, kHeight);
  zarn::TCanvas& c = b.Canvas();
  c.Pen().SetStyle(zarn::psDot);
  c.Brush().SetColor(zarn::clWhite);  // gaps in the brush colour
  for (auto _ : state) {
    c.MoveTo(0, kHeight / 2);
    c.LineTo(kWidth, kHeight / 3);
    benchmark::DoNotOptimize(b.Pixels().data());
  }
}
BENCHMARK(ZarnDottedLine)->Name("Zarn/DottedLine");

#if ZARN_BENCH_QT

QImage QtImage() {
  QImage img(kWidth, kHeight, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

void QtPolyline(benchmark::State& state) {
  QImage img = QtImage();
  QPainter p(&img);
  std::vector<QPoint> pts;
  for (const zarn::TPoint& q : Curve())
    pts.emplace_back(q.X, q.Y);
  p.setPen(QPen(Qt::black, 0));
  for (auto _ : state) {
    p.drawPolyline(pts.data(), static_cast<int>(pts.size()));
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(QtPolyline)->Name("Qt/Polyline501");

void QtShortLines(benchmark::State& state) {
  QImage img = QtImage();
  QPainter p(&img);
  p.setPen(QPen(Qt::black, 0));
  const auto lines = ShortLines();
  for (auto _ : state) {
    for (const TSegment& l : lines)
      p.drawLine(l.X1, l.Y1, l.X2, l.Y2);
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(QtShortLines)->Name("Qt/ShortLines1000");

void QtFilledRectangles(benchmark::State& state) {
  QImage img = QtImage();
  QPainter p(&img);
  p.setPen(QPen(Qt::black, 0));
  p.setBrush(Qt::yellow);
  const auto boxes = Boxes();
  for (auto _ : state) {
    for (const zarn::TRect& r : boxes)  // an outlined rectangle covers width + 1 in Qt
      p.drawRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(QtFilledRectangles)->Name("Qt/FilledRectangles100");

void QtTextLabels(benchmark::State& state) {
  QImage img = QtImage();
  QPainter p(&img);
  QFont font("DejaVu Sans");
  font.setPixelSize(13);
  p.setFont(font);
  p.setPen(Qt::black);
  for (auto _ : state) {
    for (int i = 0; i < 20; ++i)
      p.drawText(10 + (i % 5) * 90, 20 + (i / 5) * 50 + 12, QString::fromLatin1(kLabels[i]));
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(QtTextLabels)->Name("Qt/TextLabels20");

void QtDottedLine(benchmark::State& state) {
  QImage img = QtImage();
  QPainter p(&img);
  QPen pen(Qt::black, 0, Qt::DotLine);
  p.setPen(pen);
  p.setBackgroundMode(Qt::OpaqueMode);  // gaps in the background colour
  p.setBackground(Qt::white);
  for (auto _ : state) {
    p.drawLine(0, kHeight / 2, kWidth, kHeight / 3);
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(QtDottedLine)->Name("Qt/DottedLine");

#endif

}  // namespace

int main(int argc, char** argv) {
#if ZARN_BENCH_QT
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);  // Qt's fonts need it
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
