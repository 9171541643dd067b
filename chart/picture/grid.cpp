// The grid of the active layer: lines or points at steps, decades or ticks.

#include <algorithm>
#include <cmath>

#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

namespace {

inline constexpr int kMaxGridLines = 1000;

// log10 v, snapped to the nearest integer when it lies that close to one.
double SnappedLog10(double v) {
  const double l = std::log10(v);
  const double r = std::nearbyint(l);
  return std::abs(l - r) < 1e-9 ? r : l;
}

// The grid values along one axis, ascending from the first value at or
// above the lower range end. Values stay doubles: a tiny step must not turn
// into an integer conversion.
class TGridAxis {
 public:
  TGridAxis(const TScaleProps& settings, const TScale& engine, double step)
      : engine_(engine),
        step_(step),
        log_(settings.Logarithmic()),
        lo_(std::min(settings.RangeLow(), settings.RangeHigh())),
        hi_(std::max(settings.RangeLow(), settings.RangeHigh())) {}

  double Low() const { return lo_; }
  double High() const { return hi_; }
  // False when the axis gives no grid values at all (a logarithmic axis
  // reaching 0 or below, or ends that are not finite).
  bool Usable() const {
    if (!std::isfinite(lo_) || !std::isfinite(hi_)) return false;
    return !log_ || step_ >= 0 || lo_ > 0;
  }

  double First() const {
    if (step_ == 0) return engine_.NumTicks() > 0 ? engine_.TickPosition(1) : lo_;
    if (!log_ || step_ > 0) return std::ceil(lo_ / step_) * step_;
    const double l = SnappedLog10(lo_);
    if (step_ == -1) return std::pow(10.0, std::ceil(l));
    const double k = std::floor(l);
    double m = std::nearbyint(std::pow(10.0, l - k));
    if (step_ == -2) m = m <= 2 ? 2 : (m <= 5 ? 5 : 10);
    return std::pow(10.0, k) * m;
  }

  // The value after v, the n-th grid value.
  double Next(double v, int n) const {
    if (step_ == 0) return n >= 1 && n < engine_.NumTicks() ? engine_.TickPosition(n + 1) : hi_;
    if (!log_ || step_ > 0) return v + std::abs(step_);
    if (step_ == -1) return v * 10;
    const double k = std::floor(SnappedLog10(v));
    const double decade = std::pow(10.0, k);
    const double m = std::nearbyint(v / decade);
    if (step_ == -2) return decade * (m < 2 ? 2 : (m < 5 ? 5 : 10));
    return decade * (m + 1);
  }

 private:
  const TScale& engine_;
  double step_;
  bool log_;
  double lo_;
  double hi_;
};

// Calls f(value) for each grid value of the axis, at most kMaxGridLines
// times, until f returns false.
template <typename F>
void ForEachValue(const TGridAxis& axis, F f) {
  if (!axis.Usable()) return;
  double v = axis.First();
  for (int n = 1; n <= kMaxGridLines && v < axis.High() && !std::isnan(v); ++n) {
    if (!f(v)) return;
    v = axis.Next(v, n);
  }
}

struct TGridMap {
  TCustomVorel& Chart;
  int Layer, Ox, Oy;
  TPoint operator()(double x, double y) const {
    int px, py;
    Chart.WorldToPixel(Layer, x, y, px, py);
    return {ClampPixel(std::int64_t{ClampPixel(px)} - Chart.MarginLeft() + Ox),
            ClampPixel(std::int64_t{ClampPixel(py)} - Chart.MarginTop() + Oy)};
  }
};

}  // namespace

void DrawGrid(TCustomVorel& chart, TCanvas& canvas, TAttrCache& cache, int ox, int oy) {
  canvas.Brush().SetColor(chart.ChartColor());
  cache.BrushColor = chart.ChartColor();
  cache.BrushClear = false;
  const int layer = chart.ActiveLayer();
  const TGridAxis xs(chart.ScaleX(layer), chart.AxisX(layer), chart.GridDx());
  const TGridAxis ys(chart.ScaleY(layer), chart.AxisY(layer), chart.GridDy());
  const TGridMap map{chart, layer, ox, oy};
  canvas.Pen().SetColor(chart.GridColor());
  const GridStyleType style = chart.GridStyle();
  if (style == gsPoints) {
    int points = 0;
    ForEachValue(xs, [&](double x) {
      ForEachValue(ys, [&](double y) {
        const TPoint p = map(x, y);
        canvas.SetPixel(p.X, p.Y, chart.GridColor());
        return ++points < kMaxGridLines;
      });
      return points < kMaxGridLines;
    });
    return;
  }
  const bool dotted = style == gsHorizDotLines || style == gsVertDotLines || style == gsDotLines;
  const bool vertical =
      style == gsVertLines || style == gsLines || style == gsVertDotLines || style == gsDotLines;
  const bool horizontal =
      style == gsHorizLines || style == gsLines || style == gsHorizDotLines || style == gsDotLines;
  canvas.Pen().SetStyle(dotted ? psDot : psSolid);
  const auto line = [&](TPoint a, TPoint b) {
    canvas.MoveTo(a.X, a.Y);
    canvas.LineTo(b.X, b.Y);
    return true;
  };
  if (vertical)
    ForEachValue(xs, [&](double x) { return line(map(x, ys.Low()), map(x, ys.High())); });
  if (horizontal)
    ForEachValue(ys, [&](double y) { return line(map(xs.Low(), y), map(xs.High(), y)); });
  canvas.Pen().SetStyle(psSolid);
}

}  // namespace zarn::vorel_detail
