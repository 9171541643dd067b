#include "stats/zarn_fdist.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zarn {
namespace {

constexpr std::array<double, 6> kSeries = {76.18009173,  -86.50532033,  24.01409822,
                                           -1.231739516, 0.00120858003, -0.00000536382};
constexpr long double kScale = 2.5066282746310005L;
constexpr long double kTolerance = 1.0e-8L;
constexpr int kMaxIterations = 100;

using Ext = long double;

bool IsShape(double v) {
  return std::isfinite(v) && v > 0.0;
}

// The part of ln f(x) that depends only on the degrees of freedom. A curve asks
// for hundreds of points at one pair, and the three ln Γ terms would otherwise
// dominate each of them. Kept in extended precision and summed in the same
// order as the whole expression, so a cached point is bit for bit an uncached one.
struct DensityTerms {
  int df1 = 0, df2 = 0;  // no valid pair: the first call always computes
  double h = 0.0;
  Ext head = 0.0L;
};

const DensityTerms& TermsOf(int df1, int df2) {
  thread_local DensityTerms cached;
  if (cached.df1 != df1 || cached.df2 != df2) {
    const double h = (static_cast<long long>(df1) + df2) / 2.0;
    const double half1 = df1 / 2.0, half2 = df2 / 2.0;
    const Ext n1 = df1, n2 = df2;
    cached = {df1, df2, h,
              Ext{LogGamma(h)} - LogGamma(half1) - LogGamma(half2) + half1 * std::log(n1 / n2)};
  }
  return cached;
}

}  // namespace

double LogGamma(double x) {
  if (!(x > 0.0)) return 0.0;
  if (std::isinf(x)) return x;
  const Ext xe = x;
  double sum = 1.0;  // stored: rounded to double at every step
  for (int j = 0; j < 6; ++j)
    sum = static_cast<double>(sum + Ext{kSeries[j]} / (xe + j));
  return static_cast<double>((xe - 0.5L) * std::log(xe + 4.5L) - xe - 4.5L +
                             std::log(kScale * sum));
}

double IncBetaContFrac(double x, double a, double b) {
  const Ext xe = x, ae = a, be = b;
  double am = 1.0, bm = 1.0, az = 1.0;
  double bz = static_cast<double>(1.0L - (ae + be) * xe / (ae + 1.0L));
  for (int m = 1; m <= kMaxIterations; ++m) {
    const Ext me = m, twoM = 2.0L * m;
    double d = static_cast<double>((be - me) * me * xe / (ae + twoM - 1.0L) / (ae + twoM));
    const double ap = static_cast<double>(az + Ext{d} * am);
    const double bp = static_cast<double>(bz + Ext{d} * bm);
    d = static_cast<double>(-(ae + me) * (ae + be + me) * xe / (ae + twoM) / (ae + twoM + 1.0L));
    const Ext bpp = bp + Ext{d} * bz;
    am = static_cast<double>(ap / bpp);
    bm = static_cast<double>(bp / bpp);
    const double oldAz = az;
    az = static_cast<double>((ap + Ext{d} * az) / bpp);
    bz = 1.0;
    if (std::fabs(Ext{az} - oldAz) < kTolerance * std::fabs(Ext{az})) break;
  }
  return az;
}

double IncompleteBeta(double x, double a, double b) {
  if (!(x >= 0.0)) return 0.0;
  if (x > 1.0) return 1.0;
  if (!IsShape(a) || !IsShape(b)) return 0.0;
  double bt = 0.0;  // stored prefactor
  if (x != 0.0 && x != 1.0) {
    const Ext xe = x;
    bt = static_cast<double>(std::exp(Ext{LogGamma(a + b)} - LogGamma(a) - LogGamma(b) +
                                      a * std::log(xe) + b * std::log(1.0L - xe)));
  }
  Ext result;
  if (x < (Ext{a} + 1.0L) / (Ext{a} + b + 2.0L))
    result = Ext{bt} * IncBetaContFrac(x, a, b) / a;
  else
    result = 1.0L - Ext{bt} * IncBetaContFrac(1.0 - x, b, a) / b;
  // For shapes in the millions the fraction is cut off long before it
  // converges and its last value can leave [0, 1]; a probability may not.
  return static_cast<double>(std::clamp(result, 0.0L, 1.0L));
}

double FDensity(int df1, int df2, double x) {
  if (df1 < 1 || df2 < 1 || !std::isfinite(x) || x < 0.0) return 0.0;
  if (x == 0.0) {
    if (df1 == 1) return HUGE_VAL;
    return df1 == 2 ? 1.0 : 0.0;
  }
  const DensityTerms& terms = TermsOf(df1, df2);
  const double half1 = df1 / 2.0;
  const Ext n1 = df1, n2 = df2, xe = x;
  const Ext logDensity =
      terms.head + (half1 - 1.0L) * std::log(xe) - terms.h * std::log(n1 * xe / n2 + 1.0L);
  return static_cast<double>(std::exp(logDensity));
}

namespace {

// The beta argument of x: P(F > x) = I_z(df2 / 2, df1 / 2).
double UpperBetaArgument(int df1, int df2, double x) {
  const Ext n1 = df1, n2 = df2;
  return static_cast<double>(n2 / (n1 * x + n2));
}

// P(F > x) for x > 0, from the beta function itself rather than 1 minus the
// lower tail, so that small tails keep their digits.
double UpperTail(int df1, int df2, double x) {
  return IncompleteBeta(UpperBetaArgument(df1, df2, x), df2 / 2.0, df1 / 2.0);
}

std::uint64_t Bits(double v) {
  return std::bit_cast<std::uint64_t>(v);
}

double FromBits(std::uint64_t bits) {
  return std::bit_cast<double>(bits);
}

}  // namespace

double FLowerTail(int df1, int df2, double x) {
  if (df1 < 1 || df2 < 1 || !(x > 0.0)) return 0.0;
  return static_cast<double>(1.0L - UpperTail(df1, df2, x));
}

double FCriticalValue(int df1, int df2, double alpha) {
  if (df1 < 1 || df2 < 1 || !(alpha > 0.0 && alpha < 1.0)) return std::nan("");
  // The tail falls as x grows, and positive doubles order as their bit
  // patterns: halving the span of patterns finds the crossing in 64 steps,
  // from tails near 1 at the smallest x to the far tails of F(1, 1).
  std::uint64_t low = 0, high = Bits(std::numeric_limits<double>::max());
  if (UpperTail(df1, df2, FromBits(high)) >= alpha) return HUGE_VAL;
  while (high - low > 1) {
    const std::uint64_t mid = low + (high - low) / 2;
    if (UpperTail(df1, df2, FromBits(mid)) > alpha)
      low = mid;
    else
      high = mid;
  }
  // Of the two neighbours, the one whose tail lies nearer alpha.
  const double below = FromBits(low), above = FromBits(high);
  const double tailBelow = low == 0 ? 1.0 : UpperTail(df1, df2, below);
  return tailBelow - alpha < alpha - UpperTail(df1, df2, above) ? below : above;
}

}  // namespace zarn
