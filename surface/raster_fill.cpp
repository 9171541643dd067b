#include <algorithm>
#include <cmath>
#include <vector>

#include "surface/raster.h"
#include "surface/raster_math.h"

namespace zarn::raster {

namespace {

constexpr long double kEps = 1e-6L;

struct TEdge {
  i64 XTop, YTop, XBottom, YBottom;  // YTop < YBottom
};

// Calls run(y, x0, x1) for every run of the polygon inside the clip, row by row.
template <typename Run>
void PolygonRuns(const TTarget& t, std::span<const TPoint64> points, Run run) {
  if (points.size() < 3 || t.Empty()) return;
  std::vector<TEdge> edges;
  edges.reserve(points.size());
  i64 y_min = points[0].Y, y_max = points[0].Y;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TPoint64 a = points[i];
    const TPoint64 b = points[(i + 1) % points.size()];
    y_min = std::min(y_min, a.Y);
    y_max = std::max(y_max, a.Y);
    if (a.Y == b.Y) continue;
    const bool down = a.Y < b.Y;
    const TEdge e = down ? TEdge{a.X, a.Y, b.X, b.Y} : TEdge{b.X, b.Y, a.X, a.Y};
    if (e.YBottom <= t.ClipTop || e.YTop >= t.ClipBottom) continue;
    edges.push_back(e);
  }
  const i64 y0 = std::max(y_min, t.ClipTop);
  const i64 y1 = std::min(y_max, t.ClipBottom);
  if (edges.empty() || y0 >= y1) return;
  // Edges sorted by their top row enter an active list as the scan goes down.
  std::sort(edges.begin(), edges.end(),
            [](const TEdge& l, const TEdge& r) { return l.YTop < r.YTop; });
  std::vector<const TEdge*> active;
  std::vector<i64> xs;
  std::size_t next = 0;
  for (i64 y = y0; y < y1; ++y) {
    while (next < edges.size() && edges[next].YTop <= y)
      active.push_back(&edges[next++]);
    std::erase_if(active, [y](const TEdge* e) { return e->YBottom <= y; });
    xs.clear();
    for (const TEdge* e : active) {
      // First pixel centre at or right of the crossing.
      const i128 den = e->YBottom - e->YTop;
      const i128 num = i128{e->XTop} * den + i128{y - e->YTop} * (e->XBottom - e->XTop);
      const i128 x = CeilDiv(num, den);
      // Clamp far crossings; they only decide whether a run reaches the clip.
      const i128 lo = t.ClipLeft - 1, hi = t.ClipRight + 1;
      xs.push_back(static_cast<i64>(std::clamp(x, lo, hi)));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
      if (xs[i] < xs[i + 1]) run(y, xs[i], xs[i + 1]);
  }
}

}  // namespace

void FillPolygon(const TTarget& t, std::span<const TPoint64> points, TPaint paint) {
  PolygonRuns(t, points, [&](i64 y, i64 x0, i64 x1) { Span(t, y, x0, x1, paint); });
}

void AddPolygonRuns(TSpanSet& set, const TTarget& t, std::span<const TPoint64> points) {
  PolygonRuns(t, points, [&](i64 y, i64 x0, i64 x1) { set.Add(y, x0, x1); });
}

TEllipseRows::TEllipseRows(i64 x0, i64 y0, i64 x1, i64 y1)
    : X0(x0),
      Y0(y0),
      X1(x1),
      Y1(y1),
      Cx(static_cast<long double>(x0 + x1 - 1) / 2),
      Cy(static_cast<long double>(y0 + y1 - 1) / 2),
      A(static_cast<long double>(x1 - x0) / 2),
      B(static_cast<long double>(y1 - y0) / 2) {}

bool TEllipseRows::Row(i64 y, i64& left, i64& right) const {
  if (y < Y0 || y >= Y1) return false;
  const long double dy = static_cast<long double>(y) - Cy;
  const long double q = dy / B;
  long double e = A * std::sqrt(std::max(0.0L, 1 - q * q));
  // Pixel centres sampled against the box-sized ellipse miss the far ends of
  // flat and narrow shapes: the middle rows always span the whole box, and every
  // row keeps its middle pixel (or two), so the outline touches all four sides.
  const i64 w = X1 - X0;
  if (std::fabs(dy) <= 0.5L) e = std::max(e, static_cast<long double>(w - 1) / 2);
  e = std::max(e, (w % 2) ? 0.0L : 0.5L);
  left = static_cast<i64>(std::ceil(Cx - e - kEps));
  right = static_cast<i64>(std::floor(Cx + e + kEps));
  return true;
}

}  // namespace zarn::raster
