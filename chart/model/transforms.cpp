// World <-> pixel transforms of the chart's layers.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

namespace {

constexpr long double kPixelLimit = 2147483647.0L;

// A layer number outside 1 .. 16 maps through the nearest layer.
int ClampedLayer(int layer) {
  return std::clamp(layer, 1, kVorelLayers);
}

// near maps RangeLow (x) or RangeHigh (y), far the other end; both are
// pixel positions on the control. False, with k and d untouched, for a
// logarithmic axis with a bound at or below 0.
bool AxisCoefficients(const TScaleProps& axis, std::int64_t extent, long double nearPos,
                      long double farPos, int wholeSize, bool vertical, long double& k,
                      long double& d) {
  long double lo = axis.RangeLow();
  long double hi = axis.RangeHigh();
  if (axis.Logarithmic() && extent > 0) {
    if (lo <= 0 || hi <= 0) return false;
    lo = std::log(lo);
    hi = std::log(hi);
  }
  // A span lost in the magnitude of its ends maps like a plot without room.
  if (extent <= 0 || hi == lo) {
    k = 0;
    d = static_cast<long double>(wholeSize) / 2;
    return true;
  }
  const long double span = hi - lo;
  const auto e = static_cast<long double>(extent);
  if (vertical) {
    k = -e / span;
    d = (farPos * hi - nearPos * lo) / span;
  } else {
    k = axis.Logarithmic() ? e / span : e * (1 / span);
    d = (nearPos * hi - farPos * lo) / span;
  }
  return true;
}

// lowEnd: where values at or below a logarithmic axis's reach sit; a value
// that is no number sits there too, unless the axis has no room at all.
long double AxisPixel(const TScaleProps& axis, double value, long double k, long double d,
                      long double lowEnd) {
  const bool logarithmic = axis.Logarithmic();
  if (logarithmic && !(value > 1e-100)) return lowEnd;
  const long double f = k * (logarithmic ? std::log(static_cast<long double>(value)) : value) + d;
  if (!std::isnan(f)) return f;
  return k == 0 ? d : lowEnd;
}

// rint rounds exactly like nearbyint (halves to even) but skips saving and
// restoring the floating-point environment, which dominated a crosshair drag.
int ToPixel(long double f) {
  return static_cast<int>(std::rint(std::clamp(f, -kPixelLimit, kPixelLimit)));
}

}  // namespace

void TCustomVorel::RecalcTransforms() {
  if (IsLoading()) return;
  const auto [left, top, right, bottom] = vorel_detail::PlotEdges(*this);
  const std::int64_t w = right - left;
  const std::int64_t h = bottom - top;
  // Every axis that can be mapped is, before the error: a paint still draws the others.
  bool mapped = true;
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    TLayer& l = layers_[static_cast<std::size_t>(layer)];
    mapped &= AxisCoefficients(*l.x, w, static_cast<long double>(left),
                               static_cast<long double>(right), Width(), false, l.kx, l.dx);
    // y runs downward: RangeHigh lands on the top margin, RangeLow on the bottom edge.
    mapped &= AxisCoefficients(*l.y, h, static_cast<long double>(top),
                               static_cast<long double>(bottom), Height(), true, l.ky, l.dy);
  }
  if (!mapped) throw EZarnVorelError("Logarithmic axis must not be negative.");
}

void TCustomVorel::WorldToPixel(int layer, double x, double y, int& px, int& py) const {
  WorldToPixel(layer, x, y, px, py, 1);
}

void TCustomVorel::WorldToPixel(int layer, double x, double y, int& px, int& py, int scale) const {
  const TLayer& l = layers_[static_cast<std::size_t>(ClampedLayer(layer))];
  const bool reversedX = l.x->RangeHigh() < l.x->RangeLow();
  const bool reversedY = l.y->RangeHigh() < l.y->RangeLow();
  const long double s = std::clamp(scale, 1, kMaxCanvasScale);
  px = ToPixel(AxisPixel(*l.x, x, s * l.kx, s * l.dx, reversedX ? s * Width() : 0));
  py = ToPixel(AxisPixel(*l.y, y, s * l.ky, s * l.dy, reversedY ? 0 : s * Height()));
}

void TCustomVorel::PixelToWorld(int layer, int px, int py, double& x, double& y) const {
  const TLayer& l = layers_[static_cast<std::size_t>(ClampedLayer(layer))];
  if (l.kx == 0) {
    x = l.x->RangeLow();
  } else {
    const long double t = (px - l.dx) / l.kx;
    x = static_cast<double>(l.x->Logarithmic() ? std::exp(t) : t);
  }
  if (l.ky == 0) {
    y = l.y->RangeLow();
  } else {
    const long double t = (py - l.dy) / l.ky;
    y = static_cast<double>(l.y->Logarithmic() ? std::exp(t) : t);
  }
}

long double TCustomVorel::Kx(int layer) const {
  return layers_[static_cast<std::size_t>(ClampedLayer(layer))].kx;
}
long double TCustomVorel::Dx(int layer) const {
  return layers_[static_cast<std::size_t>(ClampedLayer(layer))].dx;
}
long double TCustomVorel::Ky(int layer) const {
  return layers_[static_cast<std::size_t>(ClampedLayer(layer))].ky;
}
long double TCustomVorel::Dy(int layer) const {
  return layers_[static_cast<std::size_t>(ClampedLayer(layer))].dy;
}

}  // namespace zarn
