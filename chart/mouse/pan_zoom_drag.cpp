// Pan and zoom by mouse drags: in the plotting area on the layers whose
// mouse switch is on, and in an axis band on that axis alone.

#include <cmath>
#include <cstdint>

#include "chart/model/paint_hold.h"
#include "chart/mouse/mouse_modes.h"
#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

namespace {

// The drag geometry of the chart for the scale engine's range arithmetic: the
// shadow belongs to neither the area nor its margins, so it joins the far ones.
TZoomPanInput DragInput(const TCustomVorel& chart, TPoint start, int X, int Y) {
  TZoomPanInput in;
  in.X = X;
  in.Y = Y;
  in.X0 = start.X;
  in.Y0 = start.Y;
  in.MarginLeft = chart.MarginLeft();
  in.MarginRight = SaturateToInt(std::int64_t{chart.MarginRight()} + chart.ShadowWidth());
  in.MarginTop = chart.MarginTop();
  in.MarginBottom = SaturateToInt(std::int64_t{chart.MarginBottom()} + chart.ShadowWidth());
  in.Width = chart.Width();
  in.Height = chart.Height();
  return in;
}

// One axis's step; true when its range moved (low and high updated).
bool StepAxis(TZoomPanInput in, const TScaleProps& s, bool horizontal, double low0, double high0,
              double& low, double& high) {
  in.ScaleType = horizontal ? sctXB : sctYL;
  in.Logarithmic = s.Logarithmic();
  in.Lc = low;
  in.Hc = high;
  in.L0 = low0;
  in.H0 = high0;
  double newLow = 0, newHigh = 0;
  if (!ComputeZoomPanRange(in, newLow, newHigh)) return false;
  if (newLow == low && newHigh == high) return false;
  low = newLow;
  high = newHigh;
  return true;
}

// The lower end put on the grid, the span kept.
void SnapToGrid(double step, double offset, double& low, double& high) {
  if (!(step > 0)) return;
  const double snapped = std::trunc(low / step) * step + offset;
  const double shifted = high + (snapped - low);
  if (!std::isfinite(snapped) || !std::isfinite(shifted)) return;
  low = snapped;
  high = shifted;
}

// One layer's step of a pan or zoom drag from the ranges at its start.
void StepLayer(TCustomVorel& chart, const TZoomPanInput& in, TMouseActMode mode, int layer,
               const TLayerDragStart& s) {
  const TScaleProps& sx = chart.ScaleX(layer);
  const TScaleProps& sy = chart.ScaleY(layer);
  double xl = sx.RangeLow(), xh = sx.RangeHigh(), yl = sy.RangeLow(), yh = sy.RangeHigh();
  bool changed = false;
  if (mode != maPanVert) changed |= StepAxis(in, sx, true, s.XLow, s.XHigh, xl, xh);
  if (mode != maPanHoriz) {
    // Isometric zoom scales y by the x factor, which keeps the aspect.
    const bool byX = mode == maZoomDrag && chart.Isometric();
    changed |= StepAxis(in, sy, byX, s.YLow, s.YHigh, yl, yh);
  }
  // The grid holds from the first step, even one without travel.
  if (mode == maPanGrid) {
    if (!sx.Logarithmic()) SnapToGrid(chart.PanGridDx(), chart.PanGridOffsX(), xl, xh);
    if (!sy.Logarithmic()) SnapToGrid(chart.PanGridDy(), chart.PanGridOffsY(), yl, yh);
    changed =
        xl != sx.RangeLow() || xh != sx.RangeHigh() || yl != sy.RangeLow() || yh != sy.RangeHigh();
  }
  if (changed) ApplyLayerRanges(chart, layer, xl, yl, xh, yh);
}

}  // namespace

void ApplyLayerRanges(TCustomVorel& chart, int layer, double xLow, double yLow, double xHigh,
                      double yHigh) {
  TPaintHold hold(chart);
  chart.SetJointRange(layer, xLow, yLow, xHigh, yHigh);
  hold.Release();
  if (chart.OnZoomPan) chart.OnZoomPan(&chart);
}

void TDragStart::Begin(const TCustomVorel& chart, int X, int Y) {
  pixel = Point(X, Y);
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    TLayerDragStart& s = layers[static_cast<std::size_t>(layer)];
    s.XLow = chart.ScaleX(layer).RangeLow();
    s.XHigh = chart.ScaleX(layer).RangeHigh();
    s.YLow = chart.ScaleY(layer).RangeLow();
    s.YHigh = chart.ScaleY(layer).RangeHigh();
  }
  active = true;
}

void TPanZoomDrag::Drag(TCustomVorel& chart, int X, int Y) {
  if (!InPlotArea(chart, X, Y)) return;
  if (!drag_.active) {
    drag_.Begin(chart, X, Y);
    return;
  }
  const TMouseActMode mode = chart.MouseAction();
  TZoomPanInput in = DragInput(chart, drag_.pixel, X, Y);
  in.MouseAction = mode == maZoomDrag ? maZoomDrag : maPan;
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    if (chart.MouseLayer(layer))
      StepLayer(chart, in, mode, layer, drag_.layers[static_cast<std::size_t>(layer)]);
  }
}

bool HitAxisBand(const TCustomVorel& chart, int X, int Y, int& layer, bool& xAxis) {
  using I = std::int64_t;
  const I w = chart.Width(), h = chart.Height();
  const I ml = chart.MarginLeft(), mr = chart.MarginRight();
  const I mt = chart.MarginTop(), mb = chart.MarginBottom();
  const auto inside = [](I v, I lo, I hi) { return lo < v && v < hi; };
  for (int pass = 0; pass < 2; ++pass) {
    for (int l = 1; l <= kVorelLayers; ++l) {
      const TScaleProps& s =
          pass == 0 ? static_cast<const TScaleProps&>(chart.ScaleY(l)) : chart.ScaleX(l);
      if (!s.Visible()) continue;
      const I p = s.ScalePos();
      bool hit = false;
      switch (s.ScaleType()) {
        case sctYL:
          hit = inside(X, w - mr + p, w - mr + p + 50) && inside(Y, mt, h - mb);
          break;
        case sctYR:
          hit = inside(X, ml - p - 50, ml - p) && inside(Y, mt, h - mb);
          break;
        case sctXT:
          hit = inside(Y, h - mb + p, h - mb + p + 40) && inside(X, ml, w - mr);
          break;
        case sctXB:
          hit = inside(Y, mt - p - 40, mt - p) && inside(X, ml, w - mr);
          break;
      }
      if (hit) {
        layer = l;
        xAxis = pass == 1;
        return true;
      }
    }
  }
  return false;
}

void TAxisBandDrag::Catch(const TCustomVorel& chart, int X, int Y) {
  layer_ = 0;
  int layer = 0;
  bool xAxis = false;
  if (!HitAxisBand(chart, X, Y, layer, xAxis)) return;
  const TScaleProps& s =
      xAxis ? static_cast<const TScaleProps&>(chart.ScaleX(layer)) : chart.ScaleY(layer);
  layer_ = layer;
  xAxis_ = xAxis;
  start_ = Point(X, Y);
  low0_ = s.RangeLow();
  high0_ = s.RangeHigh();
}

void TAxisBandDrag::Drag(TCustomVorel& chart, int X, int Y) {
  const TScaleProps& sx = chart.ScaleX(layer_);
  const TScaleProps& sy = chart.ScaleY(layer_);
  double xl = sx.RangeLow(), xh = sx.RangeHigh(), yl = sy.RangeLow(), yh = sy.RangeHigh();
  TZoomPanInput in = DragInput(chart, start_, X, Y);
  in.MouseAction = xAxis_ ? sx.MouseAction() : sy.MouseAction();
  const bool changed = xAxis_ ? StepAxis(in, sx, true, low0_, high0_, xl, xh)
                              : StepAxis(in, sy, false, low0_, high0_, yl, yh);
  if (changed) ApplyLayerRanges(chart, layer_, xl, yl, xh, yh);
}

}  // namespace zarn::vorel_detail
