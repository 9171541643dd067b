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

// A one-pixel line's steps: n of them along the major axis, the minor
// coordinate of step i being n0 + sn * floor((2 i ad + n) / 2n).
struct TLinePlan {
  i64 N = 0;
  int Period = 0;     // of the pattern, 0 for none
  i64 NextPhase = 0;  // the pattern's phase after the line
  bool XMajor = true;
  i64 M0 = 0, N0 = 0;  // major and minor start
  i64 Sm = 1, Sn = 1;  // their directions
  i64 Ad = 0;          // minor extent
};

TLinePlan PlanLine(TPoint64 a, TPoint64 b, std::span<const int> pattern, i64 phase) {
  TLinePlan l;
  const i64 dx = b.X - a.X, dy = b.Y - a.Y;
  const i64 adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  l.N = std::max(adx, ady);
  for (int len : pattern)
    l.Period += len;
  l.NextPhase = l.Period ? (phase + l.N % l.Period) % l.Period : 0;
  l.XMajor = adx >= ady;
  l.M0 = l.XMajor ? a.X : a.Y;
  l.N0 = l.XMajor ? a.Y : a.X;
  l.Sm = (l.XMajor ? dx : dy) < 0 ? -1 : 1;
  l.Sn = (l.XMajor ? dy : dx) < 0 ? -1 : 1;
  l.Ad = l.XMajor ? ady : adx;
  return l;
}

// The steps [lo, hi] whose major coordinate lies in [first, last]; false when none.
bool MajorSteps(const TLinePlan& l, i64 first, i64 last, i64& lo, i64& hi) {
  lo = 0;
  hi = l.N - 1;
  if (l.Sm > 0) {
    lo = std::max(lo, first - l.M0);
    hi = std::min(hi, last - l.M0);
  } else {
    lo = std::max(lo, l.M0 - last);
    hi = std::min(hi, l.M0 - first);
  }
  return lo <= hi;
}

// Which pixels of a period the pattern has on; room for the longest pattern
// at the largest canvas scale.
std::array<bool, 256> PatternTable(std::span<const int> pattern) {
  std::array<bool, 256> on{};
  std::size_t pos = 0;
  bool state = true;
  for (int len : pattern) {
    for (int j = 0; j < len && pos < on.size(); ++j)
      on[pos++] = state;
    state = !state;
  }
  return on;
}

// The minor offset k of step lo and its error term e, stepped by AdvanceMinor.
struct TMinorStep {
  i64 K, E, TwoN, TwoAd;
  TMinorStep(const TLinePlan& l, i64 lo) {
    const i128 twoN = i128{2} * l.N;
    const i128 num = i128{2} * lo * l.Ad + l.N;
    K = static_cast<i64>(num / twoN);
    E = static_cast<i64>(num % twoN);
    TwoN = static_cast<i64>(twoN);
    TwoAd = 2 * l.Ad;
  }
  // True when the minor coordinate moves on.
  bool Advance() {
    E += TwoAd;
    if (E < TwoN) return false;
    E -= TwoN;
    ++K;
    return true;
  }
};

}  // namespace

i64 ThinLine(const TTarget& t, TPoint64 a, TPoint64 b, TPaint pen, std::span<const int> pattern,
             i64 phase, const TPaint* gap) {
  const TLinePlan l = PlanLine(a, b, pattern, phase);
  if (l.N == 0 || t.Empty()) return l.NextPhase;
  const bool xm = l.XMajor;
  // Steps whose major coordinate is inside the clip ...
  i64 lo, hi;
  if (!MajorSteps(l, xm ? t.ClipLeft : t.ClipTop, (xm ? t.ClipRight : t.ClipBottom) - 1, lo, hi))
    return l.NextPhase;
  // ... and whose minor offset is.
  const i64 minor_lo = xm ? t.ClipTop : t.ClipLeft;
  const i64 minor_hi = (xm ? t.ClipBottom : t.ClipRight) - 1;
  const i64 kl = l.Sn > 0 ? minor_lo - l.N0 : l.N0 - minor_hi;
  const i64 kh = l.Sn > 0 ? minor_hi - l.N0 : l.N0 - minor_lo;
  if (l.Ad == 0) {
    if (kl > 0 || kh < 0) return l.NextPhase;
  } else {
    MinorRange(l.N, l.Ad, kl, kh, lo, hi);
    if (lo > hi) return l.NextPhase;
  }

  TMinorStep step(l, lo);
  const i64 major = l.M0 + l.Sm * lo, minor = l.N0 + l.Sn * step.K;
  const std::ptrdiff_t row = t.Stride * t.Scale, col = t.Scale;
  // Walk a pointer: along the major axis by one pixel, across by one row or column.
  const std::ptrdiff_t step_major = xm ? l.Sm * col : l.Sm * row;
  const std::ptrdiff_t step_minor = xm ? l.Sn * row : l.Sn * col;
  TColor* p = xm ? t.At(major, minor) : t.At(minor, major);
  const i64 count = hi - lo + 1;
  const auto walk = [&](auto write) {
    for (i64 i = 0; i < count; ++i) {
      write(p);
      p += step_major;
      if (step.Advance()) p += step_minor;
    }
  };

  if (l.Period == 0) {
    if (t.Scale == 1)
      walk([&](TColor* q) { Put(q, pen); });
    else
      walk([&, put = TPutPixel{t.Scale, t.Stride}](TColor* q) { put(q, pen); });
    return l.NextPhase;
  }
  const std::array<bool, 256> on = PatternTable(pattern);
  int pos = static_cast<int>((phase + lo % l.Period) % l.Period);
  const TPutPixel put{t.Scale, t.Stride};
  walk([&](TColor* q) {
    if (on[static_cast<std::size_t>(pos)])
      put(q, pen);
    else if (gap)
      put(q, *gap);
    if (++pos == l.Period) pos = 0;
  });
  return l.NextPhase;
}

namespace {

// The pixels of ThinLine's line whose size x size square can meet the clip,
// in order, each with whether the pattern has it on: visit(x, y, on).
template <class Visit>
i64 WalkSquares(const TTarget& t, TPoint64 a, TPoint64 b, int size, std::span<const int> pattern,
                i64 phase, Visit visit) {
  const TLinePlan l = PlanLine(a, b, pattern, phase);
  if (l.N == 0 || t.Empty()) return l.NextPhase;
  const bool xm = l.XMajor;
  const i64 reach = size - 1;
  i64 lo, hi;
  if (!MajorSteps(l, (xm ? t.ClipLeft : t.ClipTop) - reach, (xm ? t.ClipRight : t.ClipBottom) - 1,
                  lo, hi))
    return l.NextPhase;
  const std::array<bool, 256> on = PatternTable(pattern);
  int pos = l.Period ? static_cast<int>((phase + lo % l.Period) % l.Period) : 0;
  TMinorStep step(l, lo);
  const i64 minor_lo = (xm ? t.ClipTop : t.ClipLeft) - reach;
  const i64 minor_hi = (xm ? t.ClipBottom : t.ClipRight) - 1;
  for (i64 i = lo; i <= hi; ++i) {
    const i64 minor = l.N0 + l.Sn * step.K;
    if (minor >= minor_lo && minor <= minor_hi) {
      const i64 major = l.M0 + l.Sm * i;
      visit(xm ? major : minor, xm ? minor : major,
            l.Period == 0 || on[static_cast<std::size_t>(pos)]);
    }
    if (l.Period && ++pos == l.Period) pos = 0;
    step.Advance();
  }
  return l.NextPhase;
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
