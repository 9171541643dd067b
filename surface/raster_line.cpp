#include <algorithm>
#include <array>
#include <cmath>

#include "surface/raster.h"
#include "surface/raster_math.h"
#include "surface/zarn_graphics.h"

namespace zarn::raster {

TTarget DevicePixels(const TTarget& t) {
  TTarget d = t;
  const i64 s = t.Scale;
  d.Width = t.Width * t.Scale;
  d.Height = t.Height * t.Scale;
  d.Scale = 1;
  d.ClipLeft = t.ClipLeft * s;
  d.ClipTop = t.ClipTop * s;
  d.ClipRight = t.ClipRight * s;
  d.ClipBottom = t.ClipBottom * s;
  return d;
}

namespace {

void Run(TColor* p, TColor* end, TPaint paint) {
  if (paint.Op == opXor) {
    for (; p != end; ++p)
      *p ^= paint.Rgb;
  } else {
    std::fill(p, end, paint.Rgb);
  }
}

}  // namespace

void Span(const TTarget& t, i64 y, i64 x0, i64 x1, TPaint paint) {
  if (y < t.ClipTop || y >= t.ClipBottom) return;
  x0 = std::max(x0, t.ClipLeft);
  x1 = std::min(x1, t.ClipRight);
  if (x0 >= x1) return;
  TColor* p = t.At(x0, y);
  const std::ptrdiff_t n = (x1 - x0) * t.Scale;
  for (int row = 0; row < t.Scale; ++row, p += t.Stride)
    Run(p, p + n, paint);
}

void FillBox(const TTarget& t, i64 x0, i64 y0, i64 x1, i64 y1, TPaint paint) {
  y0 = std::max(y0, t.ClipTop);
  y1 = std::min(y1, t.ClipBottom);
  for (i64 y = y0; y < y1; ++y)
    Span(t, y, x0, x1, paint);
}

std::span<const int> DashPattern(int penStyle) {
  // Lengths in pixels, the classic cosmetic-pen patterns: every one repeats
  // within 24 pixels.
  static constexpr std::array<int, 2> kDash = {18, 6};
  static constexpr std::array<int, 2> kDot = {3, 3};
  static constexpr std::array<int, 4> kDashDot = {9, 6, 3, 6};
  static constexpr std::array<int, 6> kDashDotDot = {9, 3, 3, 3, 3, 3};
  switch (penStyle) {
    case psDash:
      return kDash;
    case psDot:
      return kDot;
    case psDashDot:
      return kDashDot;
    case psDashDotDot:
      return kDashDotDot;
    default:
      return {};
  }
}

namespace {

inline void Put(TColor* p, TPaint paint) {
  if (paint.Op == opXor)
    *p ^= paint.Rgb;
  else
    *p = paint.Rgb;
}

// One pixel of a target: a single device pixel, or a Scale x Scale block.
struct TPutPixel {
  int Scale;
  std::ptrdiff_t Stride;
  void operator()(TColor* p, TPaint paint) const {
    if (Scale == 1) return Put(p, paint);
    for (int row = 0; row < Scale; ++row, p += Stride)
      for (int col = 0; col < Scale; ++col)
        Put(p + col, paint);
  }
};

// The range of steps i in [lo, hi] whose minor offset floor((2 i ad + n) / 2n)
// lies in [kl, kh]; ad > 0.
void MinorRange(i64 n, i64 ad, i64 kl, i64 kh, i64& lo, i64& hi) {
  const i128 two_n = i128{2} * n;
  const i128 first = CeilDiv(two_n * kl - n, i128{2} * ad);
  const i128 last = CeilDiv(two_n * (i128{kh} + 1) - n, i128{2} * ad) - 1;
  if (first > lo) lo = static_cast<i64>(std::min<i128>(first, hi + i128{1}));
  if (last < hi) hi = static_cast<i64>(std::max<i128>(last, lo - i128{1}));
}

}  // namespace

i64 ThinLine(const TTarget& t, TPoint64 a, TPoint64 b, TPaint pen, std::span<const int> pattern,
             i64 phase, const TPaint* gap) {
  const i64 dx = b.X - a.X;
  const i64 dy = b.Y - a.Y;
  const i64 adx = dx < 0 ? -dx : dx;
  const i64 ady = dy < 0 ? -dy : dy;
  const i64 n = std::max(adx, ady);
  int period = 0;
  for (int len : pattern)
    period += len;
  const i64 next_phase = period ? (phase + n % period) % period : 0;
  if (n == 0 || t.Empty()) return next_phase;

  const bool x_major = adx >= ady;
  const i64 m0 = x_major ? a.X : a.Y;  // major axis start
  const i64 sm = (x_major ? dx : dy) < 0 ? -1 : 1;
  const i64 n0 = x_major ? a.Y : a.X;  // minor axis start
  const i64 sn = (x_major ? dy : dx) < 0 ? -1 : 1;
  const i64 ad = x_major ? ady : adx;
  const i64 major_lo = x_major ? t.ClipLeft : t.ClipTop;
  const i64 major_hi = (x_major ? t.ClipRight : t.ClipBottom) - 1;
  const i64 minor_lo = x_major ? t.ClipTop : t.ClipLeft;
  const i64 minor_hi = (x_major ? t.ClipBottom : t.ClipRight) - 1;

  // Steps whose major coordinate is inside the clip.
  i64 lo = 0;
  i64 hi = n - 1;
  if (sm > 0) {
    lo = std::max(lo, major_lo - m0);
    hi = std::min(hi, major_hi - m0);
  } else {
    lo = std::max(lo, m0 - major_hi);
    hi = std::min(hi, m0 - major_lo);
  }
  if (lo > hi) return next_phase;
  // Minor offsets allowed by the clip.
  const i64 kl = sn > 0 ? minor_lo - n0 : n0 - minor_hi;
  const i64 kh = sn > 0 ? minor_hi - n0 : n0 - minor_lo;
  if (ad == 0) {
    if (kl > 0 || kh < 0) return next_phase;
  } else {
    MinorRange(n, ad, kl, kh, lo, hi);
    if (lo > hi) return next_phase;
  }

  // Error term of the first visible step.
  const i128 two_n = i128{2} * n;
  const i128 num = i128{2} * lo * ad + n;
  i64 k = static_cast<i64>(num / two_n);
  i64 e = static_cast<i64>(num % two_n);
  const i64 two_n64 = static_cast<i64>(two_n);
  const i64 two_ad = 2 * ad;

  i64 major = m0 + sm * lo;
  i64 minor = n0 + sn * k;
  const std::ptrdiff_t row = t.Stride * t.Scale, col = t.Scale;
  // Walk a pointer: along the major axis by one pixel, across by one row or column.
  const std::ptrdiff_t step_major = x_major ? sm * col : sm * row;
  const std::ptrdiff_t step_minor = x_major ? sn * row : sn * col;
  TColor* p = x_major ? t.At(major, minor) : t.At(minor, major);
  const i64 count = hi - lo + 1;
  const TPutPixel put{t.Scale, t.Stride};

  if (period == 0 && t.Scale == 1) {
    for (i64 i = 0; i < count; ++i) {
      Put(p, pen);
      p += step_major;
      e += two_ad;
      if (e >= two_n64) {
        e -= two_n64;
        p += step_minor;
      }
    }
    return next_phase;
  }
  if (period == 0) {
    for (i64 i = 0; i < count; ++i) {
      put(p, pen);
      p += step_major;
      e += two_ad;
      if (e >= two_n64) {
        e -= two_n64;
        p += step_minor;
      }
    }
    return next_phase;
  }

  // Room for the longest pattern at the largest canvas scale.
  std::array<bool, 256> on{};
  {
    int pos = 0;
    bool state = true;
    for (int len : pattern) {
      for (int j = 0; j < len && pos < 256; ++j)
        on[pos++] = state;
      state = !state;
    }
  }
  int pos = static_cast<int>((phase + lo % period) % period);
  for (i64 i = 0; i < count; ++i) {
    if (on[pos])
      put(p, pen);
    else if (gap)
      put(p, *gap);
    if (++pos == period) pos = 0;
    p += step_major;
    e += two_ad;
    if (e >= two_n64) {
      e -= two_n64;
      p += step_minor;
    }
  }
  return next_phase;
}

namespace {

// The pixels of ThinLine's line whose size x size square can meet the clip,
// in order, each with whether the pattern has it on: visit(x, y, on).
template <class Visit>
i64 WalkSquares(const TTarget& t, TPoint64 a, TPoint64 b, int size, std::span<const int> pattern,
                i64 phase, Visit visit) {
  const i64 dx = b.X - a.X, dy = b.Y - a.Y;
  const i64 adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const i64 n = std::max(adx, ady);
  int period = 0;
  for (int len : pattern)
    period += len;
  const i64 next_phase = period ? (phase + n % period) % period : 0;
  if (n == 0 || t.Empty()) return next_phase;
  const bool x_major = adx >= ady;
  const i64 m0 = x_major ? a.X : a.Y, n0 = x_major ? a.Y : a.X;
  const i64 sm = (x_major ? dx : dy) < 0 ? -1 : 1, sn = (x_major ? dy : dx) < 0 ? -1 : 1;
  const i64 ad = x_major ? ady : adx;
  const i64 reach = size - 1;
  const i64 major_lo = (x_major ? t.ClipLeft : t.ClipTop) - reach;
  const i64 major_hi = (x_major ? t.ClipRight : t.ClipBottom) - 1;
  i64 lo = 0, hi = n - 1;
  if (sm > 0) {
    lo = std::max(lo, major_lo - m0);
    hi = std::min(hi, major_hi - m0);
  } else {
    lo = std::max(lo, m0 - major_hi);
    hi = std::min(hi, m0 - major_lo);
  }
  if (lo > hi) return next_phase;
  std::array<bool, 256> on{};
  int pos = 0;
  if (period) {
    bool state = true;
    for (int len : pattern) {
      for (int j = 0; j < len && pos < 256; ++j)
        on[static_cast<std::size_t>(pos++)] = state;
      state = !state;
    }
    pos = static_cast<int>((phase + lo % period) % period);
  }
  const i128 two_n = i128{2} * n;
  const i128 num = i128{2} * lo * ad + n;
  i64 k = static_cast<i64>(num / two_n), e = static_cast<i64>(num % two_n);
  const i64 two_n64 = static_cast<i64>(two_n), two_ad = 2 * ad;
  const i64 minor_lo = (x_major ? t.ClipTop : t.ClipLeft) - reach;
  const i64 minor_hi = (x_major ? t.ClipBottom : t.ClipRight) - 1;
  for (i64 i = lo; i <= hi; ++i) {
    const i64 minor = n0 + sn * k;
    if (minor >= minor_lo && minor <= minor_hi) {
      const i64 major = m0 + sm * i;
      visit(x_major ? major : minor, x_major ? minor : major,
            period == 0 || on[static_cast<std::size_t>(pos)]);
    }
    if (period && ++pos == period) pos = 0;
    e += two_ad;
    if (e >= two_n64) {
      e -= two_n64;
      ++k;
    }
  }
  return next_phase;
}

}  // namespace

i64 SquareLine(const TTarget& t, TPoint64 a, TPoint64 b, int size, TPaint pen,
               std::span<const int> pattern, i64 phase, const TPaint* gap) {
  return WalkSquares(t, a, b, size, pattern, phase, [&](i64 x, i64 y, bool on) {
    if (on || gap) FillBox(t, x, y, x + size, y + size, on ? pen : *gap);
  });
}

i64 AddSquareLine(TSpanSet& pen, TSpanSet* gap, TPoint64 a, TPoint64 b, int size,
                  std::span<const int> pattern, i64 phase) {
  return WalkSquares(pen.Target(), a, b, size, pattern, phase, [&](i64 x, i64 y, bool on) {
    TSpanSet* set = on ? &pen : gap;
    if (!set) return;
    for (i64 row = y; row < y + size; ++row)
      set->Add(row, x, x + size);
  });
}

void TSpanSet::Add(i64 y, i64 x0, i64 x1) {
  if (y < target_.ClipTop || y >= target_.ClipBottom) return;
  x0 = std::max(x0, target_.ClipLeft);
  x1 = std::min(x1, target_.ClipRight);
  if (x0 < x1) runs_.push_back({y, x0, x1});
}

namespace {

using real = long double;

// Narrows [lo, hi] to the x with a <= c x + k <= b.
void Constrain(real c, real k, real a, real b, real& lo, real& hi) {
  if (c == 0) {
    if (k < a || k > b) {
      lo = 1;
      hi = 0;
    }
    return;
  }
  real x0 = (a - k) / c;
  real x1 = (b - k) / c;
  if (x0 > x1) std::swap(x0, x1);
  lo = std::max(lo, x0);
  hi = std::min(hi, x1);
}

}  // namespace

void TSpanSet::AddWideLine(TPoint64 a, TPoint64 b, int width) {
  if (target_.Empty()) return;
  const real r = width / real{2};
  const real s = (width % 2 == 0) ? real{0.5} : real{0};
  const real ax = a.X + s, ay = a.Y + s, bx = b.X + s, by = b.Y + s;
  const real eps = 1e-6L;
  const i64 y_first =
      std::max<i64>(target_.ClipTop, static_cast<i64>(std::floor(std::min(ay, by) - r)));
  const i64 y_last =
      std::min<i64>(target_.ClipBottom - 1, static_cast<i64>(std::ceil(std::max(ay, by) + r)));
  const real dx = bx - ax, dy = by - ay;
  const real len2 = dx * dx + dy * dy;
  const real len = std::sqrt(len2);
  const real x_min = std::min(ax, bx) - r - 1, x_max = std::max(ax, bx) + r + 1;
  if (x_max < target_.ClipLeft || x_min > target_.ClipRight) return;
  for (i64 y = y_first; y <= y_last; ++y) {
    const real yc = static_cast<real>(y);
    real lo = x_max, hi = x_min;
    for (const auto& [px, py] : {std::pair{ax, ay}, std::pair{bx, by}}) {
      const real d = yc - py;
      if (std::fabs(d) <= r + eps) {
        const real h = std::sqrt(std::max(real{0}, r * r - d * d));
        lo = std::min(lo, px - h);
        hi = std::max(hi, px + h);
      }
    }
    if (len2 > 0) {
      real slo = x_min, shi = x_max;
      // Projection onto the segment within its length ...
      Constrain(dx, dy * (yc - ay) - dx * ax, 0, len2, slo, shi);
      // ... and distance from its line within the radius.
      Constrain(-dy, dx * (yc - ay) + dy * ax, -r * len, r * len, slo, shi);
      if (slo <= shi) {
        lo = std::min(lo, slo);
        hi = std::max(hi, shi);
      }
    }
    if (lo > hi) continue;
    const real cl = std::max(lo, static_cast<real>(target_.ClipLeft) - 1);
    const real ch = std::min(hi, static_cast<real>(target_.ClipRight) + 1);
    if (cl > ch) continue;
    Add(y, static_cast<i64>(std::ceil(cl - eps)), static_cast<i64>(std::floor(ch + eps)) + 1);
  }
}

void TSpanSet::Paint(TPaint paint) {
  std::sort(runs_.begin(), runs_.end(),
            [](const TRun& l, const TRun& r) { return l.Y != r.Y ? l.Y < r.Y : l.X0 < r.X0; });
  std::size_t i = 0;
  while (i < runs_.size()) {
    TRun cur = runs_[i++];
    while (i < runs_.size() && runs_[i].Y == cur.Y && runs_[i].X0 <= cur.X1) {
      cur.X1 = std::max(cur.X1, runs_[i].X1);
      ++i;
    }
    Span(target_, cur.Y, cur.X0, cur.X1, paint);
  }
  runs_.clear();
}

}  // namespace zarn::raster
