// The viewer repaints two read-outs on every crosshair move; one paint of the
// "Quantile" read-out should stay well under 20 microseconds.
#include <benchmark/benchmark.h>

#include "platform/controls_std.h"
#include "readout/zarn_nimbic.h"
#include "surface/zarn_bitmap.h"

namespace {

void BM_PaintQuantileReadout(benchmark::State& state) {
  zarn::TFont font;
  font.SetName("MS Sans Serif");
  font.SetHeight(-13);
  zarn::TNimbicLook look;
  look.LeftText = "Quantile";
  look.LeftSpace = 100;
  look.ColorLabBakG = zarn::clSilver;
  zarn::TDisplaySettings display;
  display.LabelWidth = 58;
  display.Precision = 4;
  display.Value = 1.2345;
  zarn::TBitmap parent(553, 65);
  zarn::TCanvas& surface = parent.Canvas();
  surface.SetOrigin(zarn::Point(384, 8));
  for (auto _ : state) {
    display.Value += 1e-4;
    zarn::PaintNimbic(surface, font, 164, 22, true, look, display);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PaintQuantileReadout);

// What the viewer does on a crosshair move: set Value, which paints at once
// onto the panel's surface.
void BM_SetQuantileValue(benchmark::State& state) {
  zarn::TPanel panel(nullptr);
  panel.SetBounds(0, 0, 553, 65);
  zarn::TNimbic nimbic(nullptr);
  nimbic.SetParent(&panel);
  nimbic.SetBounds(384, 8, 164, 22);
  nimbic.Font().SetName("MS Sans Serif");
  nimbic.Font().SetHeight(-13);
  nimbic.SetLeftText("Quantile");
  nimbic.SetLeftSpace(100);
  nimbic.SetLabelWidth(58);
  nimbic.SetPrecision(4);
  nimbic.SetColorLabBakG(zarn::clSilver);
  double value = 1.2345;
  for (auto _ : state) {
    value += 1e-4;
    nimbic.SetValue(value);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SetQuantileValue);

}  // namespace
