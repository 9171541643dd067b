// Series: a poly-line straight from the caller's point arrays, pixel for pixel
// what the same points draw as items, with the work cut down where many
// points fall into one pixel column.

#include <algorithm>
#include <cmath>

#include "chart/picture/item_render.h"

namespace zarn::vorel_detail {

using i64 = std::int64_t;

TAxisMap TItemPainter::XMap(int scale) const {
  return XMapOf(t_.Chart, layer_, t_.OffsetX, scale);
}

TAxisMap TItemPainter::YMap(int scale) const {
  return YMapOf(t_.Chart, layer_, t_.OffsetY, scale);
}

TPoint TItemPainter::SeriesPoint(const TAxisMap& x, const TAxisMap& y, double wx, double wy) const {
  TPoint p;
  if (x.Pixel(wx, p.X) && y.Pixel(wy, p.Y)) return p;
  return World(wx, wy, 0, 0, x.Scale);
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
namespace {

// One pixel column's run of points, numbered from 0: where it first reaches
// its lowest and highest rows, its last point, and the latest point on
// another row than that (-1 for none).
struct TColumnRun {
  int Column = 0;
  int Low = 0, High = 0, BeforeLast = 0, Last = 0;
  long long LowAt = 0, HighAt = 0, BeforeLastAt = -1, LastAt = 0;

  TColumnRun() = default;
  explicit TColumnRun(TPoint first) : Column(first.X), Low(first.Y), High(first.Y), Last(first.Y) {}

  void Extend(int row) {
    const long long at = LastAt + 1;
    if (row != Last) {
      BeforeLast = Last;
      BeforeLastAt = LastAt;
      Last = row;
    }
    LastAt = at;
    if (row < Low) Low = row, LowAt = at;
    if (row > High) High = row, HighAt = at;
  }
  // The same for n rows at once, lo and hi the least and greatest of them.
  void Extend(const int* rows, std::size_t n, int lo, int hi) {
    const long long base = LastAt + 1;
    if (lo < Low) Low = lo, LowAt = base + (std::find(rows, rows + n, lo) - rows);
    if (hi > High) High = hi, HighAt = base + (std::find(rows, rows + n, hi) - rows);
    const int last = rows[n - 1];
    std::size_t block = lo == hi ? 0 : n - 1;  // where the closing stretch of equal rows starts
    while (block > 0 && rows[block - 1] == last)
      --block;
    if (block > 0) {
      BeforeLast = rows[block - 1];
      BeforeLastAt = base + static_cast<long long>(block) - 1;
    } else if (last != Last) {
      BeforeLast = Last;
      BeforeLastAt = LastAt;
    }
    Last = last;
    LastAt = base + static_cast<long long>(n) - 1;
  }
};

ZARN_WIDE_VECTORS void RowRange(const int* rows, std::size_t n, int& lo, int& hi) {
  int a = rows[0], b = rows[0];
  for (std::size_t i = 1; i < n; ++i) {
    a = rows[i] < a ? rows[i] : a;
    b = rows[i] > b ? rows[i] : b;
  }
  lo = a;
  hi = b;
}

}  // namespace

class TItemPainter::TSeriesPen {
 public:
  TSeriesPen(TItemPainter& painter, bool reduce, const TAxisMap& x, const TAxisMap& y)
      : p_(painter), reduce_(reduce), mx_(x), my_(y) {}

  void Add(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return Lift();
    const TPoint q = p_.SeriesPoint(mx_, my_, x, y);
    if (!reduce_) return Hand(q);
    if (active_ && q.X == run_.Column) return run_.Extend(q.Y);
    Start(q);
  }
  // Points known to lie in one pixel column, x finite: only their rows are
  // worked out, in the loop that most of a dense series' points go through.
  void AddColumn(int column, const double* xs, const double* ys, std::size_t n) {
    if (my_.Log) return AddColumnPointwise(column, xs, ys, n);
    constexpr std::size_t kChunk = 256;
    int rows[kChunk];
    for (std::size_t at = 0; at < n; at += kChunk) {
      const std::size_t m = std::min(kChunk, n - at);
      my_.Pixels(ys + at, m, rows);
      std::size_t k = 0;
      if (rows[0] != TAxisMap::kUnsure && (!active_ || run_.Column != column)) {
        Start({column, rows[0]});
        k = 1;
      }
      int lo = 0, hi = 0;
      if (k < m) RowRange(rows + k, m - k, lo, hi);
      if (k < m && lo != TAxisMap::kUnsure && active_ && run_.Column == column) {
        run_.Extend(rows + k, m - k, lo, hi);
        continue;
      }
      for (; k < m; ++k) {
        if (rows[k] == TAxisMap::kUnsure)
          AddColumnPointwise(column, xs + at + k, ys + at + k, 1);
        else if (active_ && run_.Column == column)
          run_.Extend(rows[k]);
        else
          Start({column, rows[k]});
      }
    }
  }
  // The same where a point needs the exact transform or breaks the line.
  void AddColumnPointwise(int column, const double* xs, const double* ys, std::size_t n) {
    for (std::size_t k = 0; k < n; ++k) {
      const double y = ys[k];
      if (!std::isfinite(y)) {
        Lift();
        continue;
      }
      int row;
      if (!my_.Pixel(y, row)) row = p_.World(xs[k], y, 0, 0, my_.Scale).Y;
      if (active_ && column == run_.Column)
        run_.Extend(row);
      else
        Start({column, row});
    }
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
    Flush();
    Hand(q);
    active_ = true;
    run_ = TColumnRun(q);
  }
  // The run's kept points after its first, in their order.
  void Flush() {
    if (!active_) return;
    active_ = false;
    struct TKept {
      long long At;
      int Row;
    };
    const TColumnRun& r = run_;
    TKept kept[] = {
        {r.LowAt, r.Low}, {r.HighAt, r.High}, {r.BeforeLastAt, r.BeforeLast}, {r.LastAt, r.Last}};
    std::sort(std::begin(kept), std::end(kept),
              [](const TKept& a, const TKept& b) { return a.At < b.At; });
    long long handed = 0;  // the first point went on when the run started
    for (const TKept& k : kept)
      if (k.At > handed) {
        Hand({r.Column, k.Row});
        handed = k.At;
      }
  }

  TItemPainter& p_;
  bool reduce_;
  const TAxisMap& mx_;
  const TAxisMap& my_;
  bool penUp_ = true;
  bool active_ = false;
  TColumnRun run_;
};

int TItemPainter::Column(const TAxisMap& x, double wx) const {
  int column;
  return x.Pixel(wx, column) ? column : World(wx, 0.0, 0, 0, x.Scale).X;
}

// The end of the stretch from i on whose points lie in the given column, for
// sorted x on a linear axis, where the column never turns back: found by
// galloping, then halving.
std::size_t TItemPainter::ColumnEnd(const TAxisMap& x, std::span<const double> xs, std::size_t i,
                                    std::size_t end, int column) const {
  const auto inColumn = [&](std::size_t k) {
    return std::isfinite(xs[k]) && Column(x, xs[k]) == column;
  };
  std::size_t in = i, step = 1, out = i + 1;
  while (out < end && inColumn(out)) {
    in = out;
    step *= 2;
    out = in + step;
  }
  out = std::min(out, end);
  while (out - in > 1) {
    const std::size_t mid = in + (out - in) / 2;
    (inColumn(mid) ? in : out) = mid;
  }
  return out;
}

void TItemPainter::SeriesLine(const TSeriesPoints& points) {
  ApplyWidth();
  const bool thinSolidCopy =
      c_.Pen().Width() <= 1 && it_.PenStyle == psSolid && c_.Pen().Mode() == pmCopy;
  std::size_t first, last;
  VisibleRange(points, thinSolidCopy, first, last);
  if (!thinSolidCopy) first = 0, last = points.Size();
  const TAxisMap mx = XMap(t_.Fine), my = YMap(t_.Fine);
  const bool byColumn = thinSolidCopy && points.SortedX() && !mx.Log;
  TSeriesPen pen(*this, thinSolidCopy, mx, my);
  for (std::size_t b = 0; b < points.BlockCount(); ++b) {
    const std::size_t start = points.BlockStart(b);
    const std::span<const double> xs = points.BlockX(b), ys = points.BlockY(b);
    if (last <= start || first >= start + xs.size()) continue;
    const std::size_t to = std::min(last, start + xs.size()) - start;
    for (std::size_t i = std::max(first, start) - start; i < to;) {
      if (!byColumn || !std::isfinite(xs[i])) {
        pen.Add(xs[i], ys[i]);
        ++i;
        continue;
      }
      const int column = Column(mx, xs[i]);
      const std::size_t end = ColumnEnd(mx, xs, i, to, column);
      pen.AddColumn(column, &xs[i], &ys[i], end - i);
      i = end;
    }
  }
  pen.Lift();
}

void TItemPainter::SeriesMarks(const TSeriesPoints& points) {
  std::size_t first, last;
  VisibleRange(points, false, first, last);
  const TAxisMap mx = XMap(1), my = YMap(1);
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
