// A first program with the chart: a window built in code that plots a sine
// curve, marks every quarter period and offers a crosshair to drag.
//
//   sine_chart                      opens the window
//   sine_chart --snapshot sine.png  draws it to a picture instead (no display needed)

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

#include "base/zarn_marks.h"
#include "chart/zarn_vorel.h"
#include "platform/qt/zarn_qt.h"

using namespace zarn;

namespace {

constexpr double kPeriod = 2 * std::numbers::pi;
constexpr std::uint8_t kDotMark = 24;  // a filled circle, 7 pixels across

void PlotSine(TVorel& chart) {
  chart.ClearItems();
  chart.MovePenTo(0, 0);  // sin 0 = 0: the pen starts at the origin
  constexpr int kSteps = 400;
  for (int i = 1; i <= kSteps; ++i) {
    const double x = kPeriod * i / kSteps;
    chart.LineToPoint(x, std::sin(x));
  }
  chart.ShowItems();
}

// Marks are drawn onto the finished data: a world point lands on the plotting
// area's surface at its pixel minus (Left, Top).
void DrawQuarterMarks(TVorel& chart, TCanvas& canvas, int top, int left) {
  canvas.Pen().SetColor(clNavy);  // marks fill in the pen colour
  for (int quarter = 0; quarter <= 4; ++quarter) {
    const double x = kPeriod * quarter / 4;
    int px = 0, py = 0;
    chart.WorldToPixel(1, x, std::sin(x), px, py);
    DrawMarkShape(canvas, kDotMark, px - left, py - top);
  }
}

void ShowCrossHairIn(TForm& form, const TCrossHair& crossHair) {
  char caption[64];
  std::snprintf(caption, sizeof caption, "Sine: x = %.3f, sin x = %.3f", crossHair.PosX(),
                std::sin(crossHair.PosX()));
  form.SetCaption(caption);
}

}  // namespace

int main(int argc, char** argv) {
  TQtBackend backend(argc, argv);  // first: it owns Qt's application object
  RegisterVorelClasses();
  Application().Initialize();

  TForm& form = Application().CreateForm<TForm>();
  form.SetClientWidth(480);
  form.SetClientHeight(320);

  TVorel& chart = TComponent::Create<TVorel>(form);
  chart.SetParent(&form);
  chart.SetAlign(alClient);
  chart.SetCaption("Drag the dotted line");
  chart.Scale1X().SetRangeLow(0);
  chart.Scale1X().SetRangeHigh(kPeriod);
  chart.Scale1X().SetVisible(true);
  chart.Scale1Y().SetRangeLow(-1.2);
  chart.Scale1Y().SetRangeHigh(1.2);
  chart.Scale1Y().SetVisible(true);
  chart.SetDataColor(clMaroon);

  TCrossHair& crossHair = chart.CrossHair1();
  crossHair.SetMode(chVert);
  crossHair.SetLineType(psDot);
  crossHair.SetColor(clBlack);
  crossHair.SetPosX(kPeriod / 8);
  chart.SetMouseAction(maDragCrossH);

  chart.OnDataRendered = [&chart](TObject*, TCanvas& canvas, int top, int left) {
    DrawQuarterMarks(chart, canvas, top, left);
  };
  chart.OnCrossHairMove = [&form](TObject*, TCrossHair* moved) { ShowCrossHairIn(form, *moved); };
  form.OnShow = [&chart](TObject*) { PlotSine(chart); };
  ShowCrossHairIn(form, crossHair);

  return backend.Run();  // the window, or with --snapshot FILE the picture
}
