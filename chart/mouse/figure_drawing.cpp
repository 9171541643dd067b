// Figures drawn by dragging: the rubber band, the zoom windows and the
// selection rectangle, in exclusive-or on the control's surface meanwhile.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/mouse/mouse_modes.h"
#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

namespace {

// The corner moved so that the figure is a square with the mouse's x extent.
TPoint Squared(TPoint start, TPoint p) {
  const int side = std::abs(p.X - start.X);
  return Point(p.X, p.Y < start.Y ? start.Y - side : start.Y + side);
}

// The world extent of a figure on one layer, each axis low to high, or in the
// axis's own direction when keepOrientation; false when it has none.
bool WorldExtent(const TCustomVorel& chart, TPoint start, TPoint corner, int layer,
                 bool keepOrientation, double& xLow, double& yLow, double& xHigh, double& yHigh) {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  chart.PixelToWorld(layer, start.X, start.Y, x1, y1);
  chart.PixelToWorld(layer, corner.X, corner.Y, x2, y2);
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
    return false;
  const TScaleProps& sx = chart.ScaleX(layer);
  const TScaleProps& sy = chart.ScaleY(layer);
  const bool xDown = keepOrientation && sx.RangeLow() > sx.RangeHigh();
  const bool yDown = keepOrientation && sy.RangeLow() > sy.RangeHigh();
  xLow = xDown ? std::max(x1, x2) : std::min(x1, x2);
  xHigh = xDown ? std::min(x1, x2) : std::max(x1, x2);
  yLow = yDown ? std::max(y1, y2) : std::min(y1, y2);
  yHigh = yDown ? std::min(y1, y2) : std::max(y1, y2);
  return true;
}

}  // namespace

// Drawing the same figure twice leaves every pixel as it was.
void TFigureDrawing::Toggle(TCustomVorel& chart) const {
  TBitmap* surface = chart.SurfaceBitmap();
  if (surface == nullptr) return;
  SurfaceTouched(chart);
  TCanvas& c = surface->Canvas();
  TPenKeeper keep(c);
  c.Pen().SetWidth(1);
  c.Pen().SetStyle(psSolid);
  c.Pen().SetColor(clWhite);
  c.Pen().SetMode(pmXor);
  c.Brush().SetStyle(bsClear);
  if (kind_ == TFigureKind::Line) {
    c.MoveTo(start_.X, start_.Y);
    c.LineTo(corner_.X, corner_.Y);
  } else {
    c.Rectangle(start_.X, start_.Y, corner_.X, corner_.Y);
  }
}

void TFigureDrawing::Erase(TCustomVorel& chart) {
  if (shown_) Toggle(chart);
  shown_ = false;
  started_ = false;
}

void TFigureDrawing::Press(TCustomVorel& chart, int X, int Y) {
  if (!InPlotArea(chart, X, Y)) return;
  Erase(chart);
  mode_ = chart.MouseAction();
  started_ = true;
  kind_ = mode_ == maRubberBand ? TFigureKind::Line
          : (mode_ == maZoomWind || mode_ == maZoomWindPos) && chart.Isometric()
              ? TFigureKind::Square
              : TFigureKind::Rectangle;
  start_ = corner_ = Point(X, Y);
}

void TFigureDrawing::Drag(TCustomVorel& chart, int X, int Y) {
  if (!started_) return;
  TPoint p = ClampToPlotArea(chart, X, Y);
  if (kind_ == TFigureKind::Square) p = Squared(start_, p);
  if (shown_ && p == corner_) return;
  if (shown_) Toggle(chart);
  corner_ = p;
  Toggle(chart);
  shown_ = true;
}

void TFigureDrawing::Finish(TCustomVorel& chart, TMouseButton Button) {
  if (Button != mbLeft && Button != mbRight) return;
  Erase(chart);
  if (Button == mbLeft) Apply(chart);
}

// A figure without width or height does nothing.
void TFigureDrawing::Apply(TCustomVorel& chart) const {
  if (start_.X == corner_.X || start_.Y == corner_.Y) return;
  const bool zoom = mode_ == maZoomWind || mode_ == maZoomWindPos;
  const bool keepOrientation = mode_ != maZoomWind;
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    if (!chart.MouseLayer(layer)) continue;
    double xl = 0, yl = 0, xh = 0, yh = 0;
    if (mode_ == maRubberBand) {
      chart.PixelToWorld(layer, start_.X, start_.Y, xl, yl);
      chart.PixelToWorld(layer, corner_.X, corner_.Y, xh, yh);
      if (chart.OnRubberBand) chart.OnRubberBand(&chart, layer, xl, yl, xh, yh);
      continue;
    }
    if (!WorldExtent(chart, start_, corner_, layer, keepOrientation, xl, yl, xh, yh)) continue;
    if (zoom)
      ApplyLayerRanges(chart, layer, xl, yl, xh, yh);
    else if (chart.OnSelectRect)
      chart.OnSelectRect(&chart, layer, xl, yl, xh, yh);
  }
  if (!zoom) chart.Paint();
}

}  // namespace zarn::vorel_detail
