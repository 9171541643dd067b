// Text labels as the viewer draws them: 20 short labels per picture, into a
// plotting area of 484 x 256 pixels, in the bitmap window font and in the
// anti-aliased default face; beside QPainter drawing the same labels when Qt
// is built.

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "surface/text_render.h"

#ifdef ZARN_BENCH_QT
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#endif

namespace {

using namespace zarn;

constexpr int kWidth = 484, kHeight = 256;

const std::array<const char*, 20> kLabels = {
    "0.0", "0.5", "1.0",   "1.5",  "2.0",   "2.5",    "3.0",   "3.5",   "4.0",    "4.5",
    "5.0", "5.5", "6.000", "0.25", "0.750", "1.2500", "df1 =", "df2 =", "0.1234", "Exit"};

void SetFont(TFont& font, const char* name, bool bold) {
  font.SetName(name);
  font.SetHeight(-13);
  font.SetStyle(bold ? TFontStyles{fsBold} : TFontStyles{});
}

void DrawLabels(benchmark::State& state, const char* name, bool bold) {
  TFont font;
  SetFont(font, name, bold);
  std::vector<TColor> pixels(kWidth * kHeight, clWhite);
  const text::TTextTarget target{pixels.data(), kWidth, kHeight, Rect(0, 0, kWidth, kHeight)};
  for (auto _ : state) {
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
      const int x = static_cast<int>(i % 5) * 96 + 2, y = static_cast<int>(i / 5) * 60 + 10;
      text::Draw(target, x, y, font, kLabels[i], clBlack);
    }
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kLabels.size());
}

void BM_Text20Labels_WindowFont(benchmark::State& state) {
  DrawLabels(state, "MS Sans Serif", false);
}
void BM_Text20Labels_DejaVuSans(benchmark::State& state) {
  DrawLabels(state, "DejaVu Sans", false);
}
void BM_Text20Labels_DejaVuSansBold(benchmark::State& state) {
  DrawLabels(state, "DejaVu Sans", true);
}

void BM_TextMeasure20Labels(benchmark::State& state) {
  TFont font;
  SetFont(font, "DejaVu Sans", false);
  for (auto _ : state) {
    int total = 0;
    for (const char* s : kLabels)
      total += text::Measure(font, s).Width;
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * kLabels.size());
}

// A new size each time: fontconfig match, face opening and first renders.
void BM_TextNewFontSize(benchmark::State& state) {
  int height = 6;
  TFont font;
  font.SetName("DejaVu Sans");
  for (auto _ : state) {
    font.SetHeight(-height);
    height = height >= 200 ? 6 : height + 1;
    benchmark::DoNotOptimize(text::Measure(font, "0.1234").Width);
  }
}

BENCHMARK(BM_Text20Labels_WindowFont);
BENCHMARK(BM_Text20Labels_DejaVuSans);
BENCHMARK(BM_Text20Labels_DejaVuSansBold);
BENCHMARK(BM_TextMeasure20Labels);
BENCHMARK(BM_TextNewFontSize);

#ifdef ZARN_BENCH_QT
QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "text_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  return app;
}

void QtLabels(benchmark::State& state, const char* family, bool antialias) {
  App();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QFont font(family);
  font.setPixelSize(13);
  if (!antialias) font.setStyleStrategy(QFont::NoAntialias);
  std::array<QString, kLabels.size()> labels;
  for (std::size_t i = 0; i < kLabels.size(); ++i)
    labels[i] = QString::fromUtf8(kLabels[i]);
  for (auto _ : state) {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < labels.size(); ++i) {
      const int x = static_cast<int>(i % 5) * 96 + 2, y = static_cast<int>(i / 5) * 60 + 10;
      painter.drawText(x, y + 13, labels[i]);
    }
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  state.SetItemsProcessed(state.iterations() * kLabels.size());
}

void BM_QPainter20Labels_Aliased(benchmark::State& state) {
  QtLabels(state, "DejaVu Sans", false);
}
void BM_QPainter20Labels_AntiAliased(benchmark::State& state) {
  QtLabels(state, "DejaVu Sans", true);
}
BENCHMARK(BM_QPainter20Labels_Aliased);
BENCHMARK(BM_QPainter20Labels_AntiAliased);
#endif

}  // namespace
