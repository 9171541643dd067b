#pragma once
// Drawing a scale engine into a bitmap and recording what it reports.

#include <string>
#include <utility>
#include <vector>

#include "scale/zarn_scale.h"
#include "surface/zarn_bitmap.h"

namespace zarn::test {

class ProbeEngine : public TScaleEngine {
 public:
  using TScaleEngine::SetLogarithmicChecked;
};

struct Drawn {
  std::vector<double> ticks;  // OnScaleTickDrawn values in order
  std::vector<TPoint> tickPixels;
  std::vector<std::string> labels;  // OnBeforeTickLabel texts in order
  std::vector<double> labelValues;
  std::vector<std::string> events;  // "tick" and "label" in order
};

inline Drawn Capture(TScaleEngine& e, TBitmap& bmp, int base) {
  Drawn d;
  e.OnScaleTickDrawn = [&d](TObject*, TCanvas&, TScaleType, double v, int x, int y) {
    d.ticks.push_back(v);
    d.tickPixels.push_back({x, y});
    d.events.push_back("tick");
  };
  e.OnBeforeTickLabel = [&d](TObject*, TScaleType, double v, std::string& text) {
    d.labels.push_back(text);
    d.labelValues.push_back(v);
    d.events.push_back("label");
  };
  if (e.IsHorizontal()) {
    e.DrawHorizontalScale(bmp.Canvas(), base);
  } else {
    e.DrawVerticalScale(bmp.Canvas(), base);
  }
  e.OnScaleTickDrawn = nullptr;
  e.OnBeforeTickLabel = nullptr;
  return d;
}

inline Drawn Capture(TScaleEngine& e) {
  TBitmap bmp(e.ExtentWidth(), e.ExtentHeight());
  const int base = e.ScaleType() == sctXB   ? e.ExtentHeight() - e.MarginBottom() - 1
                   : e.ScaleType() == sctXT ? e.MarginTop()
                   : e.ScaleType() == sctYL ? e.MarginLeft()
                                            : e.ExtentWidth() - e.MarginRight() - 1;
  return Capture(e, bmp, base);
}

inline std::vector<double> Recorded(const TScaleEngine& e) {
  return {e.TickList().begin(), e.TickList().begin() + e.NumTicks()};
}

// first, first + step, ... up to last (inclusive, within a small tolerance).
inline std::vector<double> Steps(double first, double step, double last) {
  std::vector<double> v;
  for (int i = 0;; ++i) {
    const double x = first + i * step;
    if ((step > 0 && x > last + std::abs(step) * 1e-6) ||
        (step < 0 && x < last - std::abs(step) * 1e-6))
      break;
    v.push_back(x);
  }
  return v;
}

}  // namespace zarn::test
