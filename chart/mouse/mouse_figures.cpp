// Rectangle drags: the rubber band, the zoom windows and the selection
// rectangle, drawn in exclusive-or on the control's surface while dragging.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/mouse/mouse_state.h"
#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

namespace {

// Drawing the same figure twice leaves every pixel as it was.
void ToggleFigure(TCustomVorel& chart, const TMouseState& m) {
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
  if (m.figure == TFigureKind::Line) {
    c.MoveTo(m.rectStart.X, m.rectStart.Y);
    c.LineTo(m.rectCorner.X, m.rectCorner.Y);
  } else {
    c.Rectangle(m.rectStart.X, m.rectStart.Y, m.rectCorner.X, m.rectCorner.Y);
  }
}

void EraseFigure(TCustomVorel& chart, TMouseState& m) {
  if (m.figureShown) ToggleFigure(chart, m);
  m.figureShown = false;
  m.rectStarted = false;
}

// The corner moved so that the figure is a square with the mouse's x extent.
TPoint Squared(TPoint start, TPoint p) {
  const int side = std::abs(p.X - start.X);
  return Point(p.X, p.Y < start.Y ? start.Y - side : start.Y + side);
}

// The world extent of the figure on one layer, each axis low to high, or in
// the axis's own direction when keepOrientation; false when it has none.
bool WorldExtent(const TCustomVorel& chart, const TMouseState& m, int layer, bool keepOrientation,
                 double& xLow, double& yLow, double& xHigh, double& yHigh) {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  chart.PixelToWorld(layer, m.rectStart.X, m.rectStart.Y, x1, y1);
  chart.PixelToWorld(layer, m.rectCorner.X, m.rectCorner.Y, x2, y2);
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

void StartFigure(TCustomVorel& chart, TMouseState& m, int X, int Y) {
  EraseFigure(chart, m);
  const TMouseActMode mode = chart.MouseAction();
  m.rectStarted = true;
  m.rectMode = mode;
  m.figure = mode == maRubberBand ? TFigureKind::Line
             : (mode == maZoomWind || mode == maZoomWindPos) && chart.Isometric()
                 ? TFigureKind::Square
                 : TFigureKind::Rectangle;
  m.rectStart = m.rectCorner = Point(X, Y);
}

void MoveFigure(TCustomVorel& chart, TMouseState& m, int X, int Y) {
  TPoint p = ClampToPlotArea(chart, X, Y);
  if (m.figure == TFigureKind::Square) p = Squared(m.rectStart, p);
  if (m.figureShown && p == m.rectCorner) return;
  if (m.figureShown) ToggleFigure(chart, m);
  m.rectCorner = p;
  ToggleFigure(chart, m);
  m.figureShown = true;
}

void CancelFigure(TCustomVorel& chart, TMouseState& m) {
  EraseFigure(chart, m);
}

void FinishFigure(TCustomVorel& chart, TMouseState& m) {
  EraseFigure(chart, m);
  if (m.rectStart.X == m.rectCorner.X || m.rectStart.Y == m.rectCorner.Y) return;
  const bool zoom = m.rectMode == maZoomWind || m.rectMode == maZoomWindPos;
  const bool keepOrientation = m.rectMode != maZoomWind;
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    if (!chart.MouseLayer(layer)) continue;
    double xl = 0, yl = 0, xh = 0, yh = 0;
    if (m.rectMode == maRubberBand) {
      chart.PixelToWorld(layer, m.rectStart.X, m.rectStart.Y, xl, yl);
      chart.PixelToWorld(layer, m.rectCorner.X, m.rectCorner.Y, xh, yh);
      if (chart.OnRubberBand) chart.OnRubberBand(&chart, layer, xl, yl, xh, yh);
      continue;
    }
    if (!WorldExtent(chart, m, layer, keepOrientation, xl, yl, xh, yh)) continue;
    if (zoom)
      ApplyLayerRanges(chart, layer, xl, yl, xh, yh);
    else if (chart.OnSelectRect)
      chart.OnSelectRect(&chart, layer, xl, yl, xh, yh);
  }
  if (!zoom) chart.Paint();
}

}  // namespace zarn::vorel_detail
