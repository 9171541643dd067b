// The freehand mouse trace: recording while the button is held, and its
// strokes in every paint.

#include <cmath>

#include "chart/mouse/mouse_modes.h"
#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

namespace {

// One stroke segment, solid and one pixel wide, with the pen of its end point;
// the pen's attributes are the caller's to keep.
void TraceSegment(TCanvas& c, TPoint from, TPoint to, TColor color, bool invert) {
  TPen& pen = c.Pen();
  pen.SetWidth(1);
  pen.SetStyle(psSolid);
  pen.SetColor(color);
  pen.SetMode(invert ? pmXor : pmCopy);
  c.MoveTo(from.X, from.Y);
  c.LineTo(to.X, to.Y);
  pen.SetMode(pmCopy);
}

TPoint TracePixel(const TCustomVorel& chart, const vorel_detail::TTracePoint& p) {
  int x = 0, y = 0;
  chart.WorldToPixel(chart.ActiveLayer(), p.X, p.Y, x, y);
  return Point(x, y);
}

}  // namespace

int TCustomVorel::MouseTraceCount() const {
  return static_cast<int>(mouse_->Trace().Points().size());
}

void TCustomVorel::ClearMouseTrace() {
  mouse_->Trace().Clear();
  vorel_detail::PlotChanged(*this);
}

void TCustomVorel::DrawMouseTrace(TBitmap& Image, int OffsetX, int OffsetY) {
  const auto& trace = mouse_->Trace().Points();
  if (trace.empty()) return;
  TCanvas& c = Image.Canvas();
  vorel_detail::TPenKeeper keep(c);
  const int dx = OffsetX - MarginLeft();
  const int dy = OffsetY - MarginTop();
  TPoint from = TracePixel(*this, trace.front());
  for (std::size_t k = 1; k < trace.size(); ++k) {
    const TPoint to = TracePixel(*this, trace[k]);
    if (!trace[k - 1].EndOfStroke)
      TraceSegment(c, Point(from.X + dx, from.Y + dy), Point(to.X + dx, to.Y + dy), trace[k].Color,
                   trace[k].Invert);
    from = to;
  }
}

namespace vorel_detail {

void TMouseTrace::Drag(TCustomVorel& chart, int X, int Y) {
  if (points_.size() >= static_cast<std::size_t>(kMaxMouseTrace)) return;
  const TPoint p = ClampToPlotArea(chart, X, Y);
  TTracePoint point;
  chart.PixelToWorld(chart.ActiveLayer(), p.X, p.Y, point.X, point.Y);
  // An area without extent has no world position to record.
  if (!std::isfinite(point.X) || !std::isfinite(point.Y)) return;
  point.Color = chart.MouseTraceColor();
  point.Invert = chart.MouseTraceInvert();
  // The whole buffer at once, so that recording allocates nothing per move.
  if (points_.capacity() == 0) points_.reserve(static_cast<std::size_t>(kMaxMouseTrace));
  const bool joins = !points_.empty() && !points_.back().EndOfStroke;
  const TPoint from = joins ? TracePixel(chart, points_.back()) : p;
  points_.push_back(point);
  PlotChanged(chart);
  TBitmap* surface = chart.SurfaceBitmap();
  if (!joins || surface == nullptr) return;
  SurfaceTouched(chart);
  TCanvas& c = surface->Canvas();
  TPenKeeper keep(c);
  TraceSegment(c, from, p, point.Color, point.Invert);
}

void TMouseTrace::Release(TCustomVorel&) {
  if (!points_.empty()) points_.back().EndOfStroke = true;
}

}  // namespace vorel_detail

}  // namespace zarn
