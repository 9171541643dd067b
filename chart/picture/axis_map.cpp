#include "chart/picture/axis_map.h"

namespace zarn::vorel_detail {

namespace {

// Written for the vector unit: no branch, no library call, no reduction.
ZARN_WIDE_VECTORS void LinearPixels(const double* v, std::size_t n, int* out, double k, double d,
                                    double edge, double shift) {
  constexpr double kPixels = kPixelLimit;
  for (std::size_t i = 0; i < n; ++i) {
    const double f = k * v[i] + d;
    const double r = (f + TAxisMap::kRoundShift) - TAxisMap::kRoundShift;
    const double gap = std::fabs(f - r);
    const bool sure = (std::fabs(f) < TAxisMap::kFastLimit) & (gap <= edge);  // false: no number
    const double moved = r + shift;
    const double low = moved < -kPixels ? -kPixels : moved;
    const double pixel = low > kPixels ? kPixels : low;
    out[i] = static_cast<int>(sure ? pixel : double{TAxisMap::kUnsure});
  }
}

}  // namespace

void TAxisMap::Pixels(const double* v, std::size_t n, int* out) const {
  LinearPixels(v, n, out, K, D, Edge, static_cast<double>(Shift));
}

namespace {

// The same long double products as WorldToPixel's at that scale.
TAxisMap MapOf(long double k, long double d, bool log, std::int64_t shift, int scale) {
  const long double s = scale;
  TAxisMap m(s * k, s * d, log, shift * scale);
  m.Scale = scale;
  return m;
}

}  // namespace

TAxisMap XMapOf(const TCustomVorel& chart, int layer, int ox, int scale) {
  return MapOf(chart.Kx(layer), chart.Dx(layer), chart.ScaleX(layer).Logarithmic(),
               std::int64_t{ox} - chart.MarginLeft(), scale);
}

TAxisMap YMapOf(const TCustomVorel& chart, int layer, int oy, int scale) {
  return MapOf(chart.Ky(layer), chart.Dy(layer), chart.ScaleY(layer).Logarithmic(),
               std::int64_t{oy} - chart.MarginTop(), scale);
}

}  // namespace zarn::vorel_detail
