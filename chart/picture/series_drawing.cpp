// Series: a poly-line straight from the caller's point arrays, pixel for pixel
// what the same points draw as items, with the work cut down where many
// points fall into one pixel column.

#include <algorithm>
#include <cmath>

#include "chart/picture/item_render.h"

namespace zarn::vorel_detail {

using i64 = std::int64_t;

// One axis of the layer's transform in double, for the points whose pixel the
// double result settles; the others go through the chart's own transform.
struct TItemPainter::TAxisMap {
  double K, D;
  bool Log;
  i64 Shift;  // control pixels to the surface's

  // False when the double result might round otherwise than the exact one:
  // near a half, far out, below a logarithmic axis's reach, or no number.
  bool Pixel(double v, int& out) const {
    double t = v;
    if (Log) {
      if (!(v > 1e-100)) return false;
      t = std::log(v);
    }
    const double kt = K * t;
    const double f = kt + D;
    if (!(std::fabs(f) < 1e9)) return false;
    const double r = std::rint(f);
    // The double terms differ from the long double ones by a few units in
    // their last place; 1e-14 of their size is ten times that.
    const double slack = 1e-14 * (std::fabs(kt) + std::fabs(D)) + 1e-9;
    if (std::fabs(f - r) > 0.5 - slack) return false;
    out = ClampPixel(static_cast<i64>(r) + Shift);
    return true;
  }
};

TItemPainter::TAxisMap TItemPainter::XMap() const {
  const TCustomVorel& v = t_.Chart;
  return {static_cast<double>(v.Kx(layer_)), static_cast<double>(v.Dx(layer_)),
          v.ScaleX(layer_).Logarithmic(), i64{t_.OffsetX} - v.MarginLeft()};
}

TItemPainter::TAxisMap TItemPainter::YMap() const {
  const TCustomVorel& v = t_.Chart;
  return {static_cast<double>(v.Ky(layer_)), static_cast<double>(v.Dy(layer_)),
          v.ScaleY(layer_).Logarithmic(), i64{t_.OffsetY} - v.MarginTop()};
}

TPoint TItemPainter::SeriesPoint(const TAxisMap& x, const TAxisMap& y, double wx, double wy) const {
  TPoint p;
  if (x.Pixel(wx, p.X) && y.Pixel(wy, p.Y)) return p;
  return World(wx, wy);
}

// With x sorted, the points before the x range lie in the plotting area's
// first pixel column or left of it (after it, the last column or right of
// it), and so do the lines between them; the plot frame covers those columns
// after the data. One point on each side is kept for the line into the range.
// lineToo: for the line, which only a thin solid copy-mode pen may cut, since
// a broken pen's pattern and a wide pen's joins run on from the first point.
void TItemPainter::VisibleRange(const TSeriesPoints& points, bool lineToo, std::size_t& first,
                                std::size_t& last) const {
  first = 0;
  last = points.Size();
  const TCustomVorel& v = t_.Chart;
  if (!points.SortedX() || v.Kx(layer_) == 0 || v.OnDataRendered) return;
  const TScaleProps& sx = v.ScaleX(layer_);
  const double lo = std::min(sx.RangeLow(), sx.RangeHigh());
  const double hi = std::max(sx.RangeLow(), sx.RangeHigh());
  first = points.LowerBoundX(lo);
  last = points.UpperBoundX(hi);
  if (!lineToo) return;
  if (first > 0) --first;
  if (last < points.Size()) ++last;
}

// Hands a series' points to the poly-line as items would, a non-finite point
// lifting the pen. With reduce set (a thin solid pen in copy mode), a run of
// points in one pixel column is handed on as at most five of its points, in
// their order: the first, the first on the lowest row, the first on the
// highest row, the last but one and the last.
//
// Why that sets the same pixels: a line between two points of one column sets
// the pixels from its first row towards its last, without the last. A path of
// such lines from the run's first point to its last sets every row between
// the lowest and the highest it reaches, save the last point's row when that
// row is reached nowhere before. The kept points reach the lowest and highest
// rows no later than the run does, and end with the run's last line, so they
// set the same rows and leave out the same last row. The lines into and out
// of the column join the same points as before, and a solid pen in copy mode
// sets each pixel the same whichever line sets it and how often.
class TItemPainter::TSeriesPen {
 public:
  TSeriesPen(TItemPainter& painter, bool reduce) : p_(painter), reduce_(reduce) {}

  void Add(TPoint q) {
    if (!reduce_) return Hand(q);
    if (active_ && q == last_) return;  // a repeated point sets nothing new
    if (active_ && q.X == last_.X) return Extend(q);
    Flush();
    Hand(q);
    Start(q);
  }
  // A gap: the next point starts a new line.
  void Lift() {
    Flush();
    penUp_ = true;
  }

 private:
  void Hand(TPoint q) {
    if (penUp_) {
      p_.MovePen(q);
      penUp_ = false;
      return;
    }
    p_.LineAttributes();
    p_.AddPoint(q);
  }
  void Start(TPoint q) {
    active_ = true;
    count_ = 1;
    low_ = high_ = last_ = q;
    lowAt_ = highAt_ = lastAt_ = 0;
    beforeLastAt_ = -1;
  }
  void Extend(TPoint q) {
    beforeLast_ = last_;
    beforeLastAt_ = lastAt_;
    last_ = q;
    lastAt_ = count_++;
    if (q.Y < low_.Y) low_ = q, lowAt_ = lastAt_;
    if (q.Y > high_.Y) high_ = q, highAt_ = lastAt_;
  }
  // The run's kept points after its first, in their order.
  void Flush() {
    if (!active_) return;
    active_ = false;
    struct TKept {
      long long At;
      TPoint P;
    };
    TKept kept[] = {
        {lowAt_, low_}, {highAt_, high_}, {beforeLastAt_, beforeLast_}, {lastAt_, last_}};
    std::sort(std::begin(kept), std::end(kept),
              [](const TKept& a, const TKept& b) { return a.At < b.At; });
    long long handed = 0;  // the first point went on when the run started
    for (const TKept& k : kept)
      if (k.At > handed) {
        Hand(k.P);
        handed = k.At;
      }
  }

  TItemPainter& p_;
  bool reduce_;
  bool penUp_ = true;
  bool active_ = false;
  long long count_ = 0;
  TPoint low_, high_, beforeLast_, last_;
  long long lowAt_ = 0, highAt_ = 0, beforeLastAt_ = -1, lastAt_ = 0;
};

void TItemPainter::SeriesLine(const TSeriesPoints& points) {
  ApplyWidth();
  const bool thinSolidCopy =
      c_.Pen().Width() <= 1 && it_.PenStyle == psSolid && c_.Pen().Mode() == pmCopy;
  std::size_t first, last;
  VisibleRange(points, thinSolidCopy, first, last);
  if (!thinSolidCopy) first = 0, last = points.Size();
  const TAxisMap mx = XMap(), my = YMap();
  TSeriesPen pen(*this, thinSolidCopy);
  for (std::size_t b = 0; b < points.BlockCount(); ++b) {
    const std::size_t start = points.BlockStart(b);
    const std::span<const double> xs = points.BlockX(b), ys = points.BlockY(b);
    if (last <= start || first >= start + xs.size()) continue;
    const std::size_t to = std::min(last, start + xs.size()) - start;
    for (std::size_t i = std::max(first, start) - start; i < to; ++i) {
      if (std::isfinite(xs[i]) && std::isfinite(ys[i]))
        pen.Add(SeriesPoint(mx, my, xs[i], ys[i]));
      else
        pen.Lift();
    }
  }
  pen.Lift();
}

void TItemPainter::SeriesMarks(const TSeriesPoints& points) {
  std::size_t first, last;
  VisibleRange(points, false, first, last);
  const TAxisMap mx = XMap(), my = YMap();
  for (std::size_t i = first; i < last; ++i) {
    const double x = points.X(i), y = points.Y(i);
    if (InRanges(x, y)) PlaceMark(SeriesPoint(mx, my, x, y));
  }
}

void DrawSeries(TItemTarget& target, std::span<const TvoSeries> series) {
  const TCustomVorel& v = target.Chart;
  for (const TvoSeries& s : series) {
    if (!s.Points || s.Points->Empty()) continue;
    if (!v.ClassVisible(false, s.ItemClass) || !v.LayerVisible(s.Layer)) continue;
    // The series' attributes as the item the renderer knows.
    TvoChartItem style{};
    style.Kind = ikLineTo;
    style.Color = s.Color;
    style.FillColor = s.FillColor;
    style.PenStyle = s.PenStyle;
    style.LineWidth = s.LineWidth;
    style.Layer = s.Layer;
    style.ParamB = s.MarkType;
    TItemPainter painter(target, style);
    painter.SeriesLine(*s.Points);
    if (s.ShowMarks) painter.SeriesMarks(*s.Points);
  }
  FlushPolyLine(target);
}

}  // namespace zarn::vorel_detail
