// Range arithmetic of mouse zoom and pan drags.

#include <cmath>

#include "scale/zarn_scale.h"

namespace zarn {

bool ComputeZoomPanRange(const TZoomPanInput& in, double& NewLow, double& NewHigh) {
  using LD = long double;
  const bool horizontal = in.ScaleType == sctXB || in.ScaleType == sctXT;
  // Margins may each be near the limit of int: their sums are taken in LD.
  const LD wp = static_cast<LD>(in.Width) - in.MarginLeft - in.MarginRight;
  const LD hp = static_cast<LD>(in.Height) - in.MarginTop - in.MarginBottom;
  const LD x = in.X, y = in.Y, x0 = in.X0, y0 = in.Y0;
  const LD lc = in.Lc, hc = in.Hc, l0 = in.L0, h0 = in.H0;
  if (horizontal ? wp <= 0 || in.Width <= 0 : hp <= 0 || in.Height <= 0) return false;
  LD low = l0;
  LD high = h0;
  switch (in.MouseAction) {
    case maPan:
      if (horizontal) {
        if (in.Logarithmic) {
          const LD k = std::exp((x0 - x) * std::log(hc / lc) / wp);
          low = l0 * k;
          high = h0 * k;
        } else {
          const LD shift = (x - x0) * (hc - lc) / wp;
          low = l0 - shift;
          high = h0 - shift;
        }
      } else {
        if (in.Logarithmic) {
          const LD k = std::exp((y - y0) * std::log(hc / lc) / hp);
          low = l0 * k;
          high = h0 * k;
        } else {
          const LD shift = (y - y0) * (hc - lc) / hp;
          low = l0 + shift;
          high = h0 + shift;
        }
      }
      break;
    case maZoom: {
      const LD span = h0 - l0;
      const LD g = std::sqrt(l0 * h0);
      const LD lnR = std::log(h0 / g);
      if (horizontal) {
        if (x0 < in.MarginLeft + wp / 2) {
          low = in.Logarithmic ? g / std::exp(lnR * ((x - x0) / wp + 1))
                               : h0 - span / ((in.Width - x - in.MarginRight) /
                                              (in.Width - x0 - in.MarginRight));
        } else {
          high = in.Logarithmic ? g * std::exp(lnR * ((x0 - x) / wp + 1))
                                : l0 + span / ((x - in.MarginLeft) / (x0 - in.MarginLeft));
        }
      } else {
        if (y0 > in.MarginTop + hp / 2) {
          low = in.Logarithmic ? g / std::exp(lnR * ((y0 - y) / hp + 1))
                               : h0 - span / ((y - in.MarginTop) / (y0 - in.MarginTop));
        } else {
          high = in.Logarithmic ? g * std::exp(lnR * ((y - y0) / hp + 1))
                                : l0 + span / ((in.Height - y - in.MarginBottom) /
                                               (in.Height - y0 - in.MarginBottom));
        }
      }
      break;
    }
    case maZoomDrag: {
      const LD span = h0 - l0;
      const LD c = (l0 + h0) / 2;
      const LD g = std::sqrt(l0 * h0);
      const LD lnR = std::log(h0 / g);
      if (horizontal) {
        if (in.Logarithmic) {
          const LD j = lnR * ((x0 - x) / in.Width + 1);
          low = g / std::exp(j);
          high = g * std::exp(j);
        } else {
          const LD d = span * (1 - (x - x0) / in.Width) / 2;
          low = c - d;
          high = c + d;
        }
      } else {
        const LD f = (y - y0) / in.Height + 1;
        if (in.Logarithmic) {
          const LD j = lnR * f;
          low = g / std::exp(j);
          high = g * std::exp(j);
        } else {
          const LD d = span * f / 2;
          low = c - d;
          high = c + d;
        }
      }
      break;
    }
    default:
      return false;
  }
  // A step that divides by a zero extent, leaves the logarithm's domain or
  // collapses the range is not taken.
  const double newLow = static_cast<double>(low);
  const double newHigh = static_cast<double>(high);
  if (!std::isfinite(newLow) || !std::isfinite(newHigh) || newLow == newHigh) return false;
  NewLow = newLow;
  NewHigh = newHigh;
  return true;
}

}  // namespace zarn
