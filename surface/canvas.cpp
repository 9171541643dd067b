#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "surface/canvas_internal.h"
#include "surface/zarn_bitmap.h"
#include "surface/zarn_canvas.h"

namespace zarn {

using detail::ClampToInt;
using detail::i64;
using raster::TPaint;
using raster::TPoint64;

namespace {

// The sides of a shape's outline for a pen of width w drawn on the box
// l .. r - 1: centred on the box's edge pixels, or kept inside with psInsideFrame.
struct TOutline {
  i64 L, T, R, B;
};

TOutline OuterBox(i64 l, i64 t, i64 r, i64 b, int w, bool inside) {
  if (inside || w <= 1) return {l, t, r, b};
  return {l - w / 2, t - w / 2, r - 1 - w / 2 + w, b - 1 - w / 2 + w};
}

}  // namespace

TCanvas::TCanvas(TBitmap& target) : target_(&target) {
  device_.Canvas = this;
}

TCanvas::~TCanvas() = default;

void TCanvas::SetScale(int value) {
  scale_ = std::clamp(value, 1, kMaxCanvasScale);
}

TRect TCanvas::ClipRect() const {
  i64 l = 0, t = 0, r = target_->Width() / scale_, b = target_->Height() / scale_;
  if (clipSet_) {
    l = std::max<i64>(l, clip_.Left);
    t = std::max<i64>(t, clip_.Top);
    r = std::max(l, std::min<i64>(r, clip_.Right));
    b = std::max(t, std::min<i64>(b, clip_.Bottom));
  }
  return {ClampToInt(l - origin_.X), ClampToInt(t - origin_.Y), ClampToInt(r - origin_.X),
          ClampToInt(b - origin_.Y)};
}

void TCanvas::SetClipRect(const TRect& value) {
  // Bitmap coordinates beyond the largest bitmap are all the same to a clip.
  const auto to_bitmap = [](int v, int o) {
    return static_cast<int>(std::clamp<i64>(i64{v} + o, -1, i64{kMaxBitmapSide} + 1));
  };
  clip_ = {to_bitmap(value.Left, origin_.X), to_bitmap(value.Top, origin_.Y),
           to_bitmap(value.Right, origin_.X), to_bitmap(value.Bottom, origin_.Y)};
  clipSet_ = true;
}

void TCanvas::ResetClipRect() {
  clipSet_ = false;
}

namespace {

struct TDrawState {
  raster::TTarget Target;
  TPaint Pen;
  TPaint Brush;
  bool PenOn = false;
  bool BrushOn = false;
  int Width = 1;
  std::span<const int> Pattern;
};

}  // namespace

// Everything a primitive needs, with colours resolved now so that system
// colours follow the palette current at drawing time.
static TDrawState State(TBitmap& bitmap, bool clipSet, const TRect& clip, int scale,
                        const TPen& pen, const TBrush& brush) {
  TDrawState s;
  s.Target = detail::MakeTarget(bitmap, clipSet, clip, scale);
  const raster::TOp op = pen.Mode() == pmXor ? raster::opXor : raster::opCopy;
  s.Pen = {ColorToRGB(pen.Color()), op};
  s.Brush = {ColorToRGB(brush.Color()), op};
  s.PenOn = pen.Style() != psClear;
  s.BrushOn = brush.Style() == bsSolid;
  s.Width = std::max(1, pen.Width());
  if (s.Width == 1) s.Pattern = raster::DashPattern(pen.Style());
  return s;
}

void TCanvas::MoveTo(int x, int y) {
  penPos_ = {x, y};
  dashPhase_ = 0;
}

void TCanvas::LineTo(int x, int y) {
  const TPoint to{x, y};
  LinesTo(std::span<const TPoint>(&to, 1));
}

void TCanvas::LinesTo(std::span<const TPoint> points) {
  if (points.empty()) return;
  const TDrawState s = State(*target_, clipSet_, clip_, scale_, pen_, brush_);
  TPoint64 a{i64{penPos_.X} + origin_.X, i64{penPos_.Y} + origin_.Y};
  for (const TPoint& p : points) {
    const TPoint64 b{i64{p.X} + origin_.X, i64{p.Y} + origin_.Y};
    if (!s.PenOn) break;
    if (s.Width == 1) {
      dashPhase_ = raster::ThinLine(s.Target, a, b, s.Pen, s.Pattern, dashPhase_,
                                    s.BrushOn ? &s.Brush : nullptr);
    } else {
      raster::TSpanSet set(s.Target);
      set.AddWideLine(a, b, s.Width);
      set.Paint(s.Pen);
    }
    a = b;
  }
  penPos_ = points.back();
}

namespace {

// The outline through points, closed or open, each pixel painted once.
void Outline(const TDrawState& s, std::span<const TPoint64> pts, bool closed) {
  if (!s.PenOn || pts.empty()) return;
  const std::size_t segments = closed ? pts.size() : pts.size() - 1;
  if (s.Width == 1) {
    i64 phase = 0;
    for (std::size_t i = 0; i < segments; ++i)
      phase = raster::ThinLine(s.Target, pts[i], pts[(i + 1) % pts.size()], s.Pen, s.Pattern, phase,
                               s.BrushOn ? &s.Brush : nullptr);
    return;
  }
  raster::TSpanSet set(s.Target);
  for (std::size_t i = 0; i < segments; ++i)
    set.AddWideLine(pts[i], pts[(i + 1) % pts.size()], s.Width);
  set.Paint(s.Pen);
}

std::vector<TPoint64> ToBitmap(std::span<const TPoint> points, TPoint origin) {
  std::vector<TPoint64> out;
  out.reserve(points.size());
  for (const TPoint& p : points)
    out.push_back({i64{p.X} + origin.X, i64{p.Y} + origin.Y});
  return out;
}

}  // namespace

void TCanvas::FinePolyline(std::span<const TPoint> points) {
  if (scale_ == 1) return Polyline(points);
  if (points.size() < 2) return;
  const TDrawState s = State(*target_, clipSet_, clip_, scale_, pen_, brush_);
  if (!s.PenOn || s.Target.Empty()) return;
  const raster::TTarget device = raster::DevicePixels(s.Target);
  const auto at = [&](const TPoint& p) {
    return TPoint64{p.X + i64{origin_.X} * scale_, p.Y + i64{origin_.Y} * scale_};
  };
  const std::size_t n = points.size();
  if (s.Width > 1) {
    // Round at its ends and joins, centred on the blocks the points start.
    const i64 middle = (scale_ - 1) / 2;
    raster::TSpanSet set(device);
    for (std::size_t i = 1; i < n; ++i) {
      const TPoint64 a = at(points[i - 1]), b = at(points[i]);
      set.AddWideLine({a.X + middle, a.Y + middle}, {b.X + middle, b.Y + middle}, s.Width * scale_);
    }
    set.Paint(s.Pen);
    return;
  }
  // A thin pen draws the one-pixel line with a block for a nib: each point
  // is the corner of a block on the line, and the pattern runs Scale() times
  // longer.
  std::array<int, 8> pattern{};
  const std::size_t runs = std::min(s.Pattern.size(), pattern.size());
  for (std::size_t i = 0; i < runs; ++i)
    pattern[i] = s.Pattern[i] * scale_;
  const std::span<const int> scaled(pattern.data(), runs);
  const TPaint* gap = s.BrushOn ? &s.Brush : nullptr;
  i64 phase = 0;
  if (s.Pen.Op == raster::opXor) {
    raster::TSpanSet on(device), off(device);
    for (std::size_t i = 1; i < n; ++i)
      phase = raster::AddSquareLine(on, gap ? &off : nullptr, at(points[i - 1]), at(points[i]),
                                    scale_, scaled, phase);
    on.Paint(s.Pen);
    if (gap) off.Paint(*gap);
    return;
  }
  for (std::size_t i = 1; i < n; ++i)
    phase = raster::SquareLine(device, at(points[i - 1]), at(points[i]), scale_, s.Pen, scaled,
                               phase, gap);
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  const TDrawState s = State(*target_, clipSet_, clip_, scale_, pen_, brush_);
  if (s.Target.Empty()) return;
  Outline(s, ToBitmap(points, origin_), false);
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  const TDrawState s = State(*target_, clipSet_, clip_, scale_, pen_, brush_);
  if (s.Target.Empty()) return;
  const std::vector<TPoint64> pts = ToBitmap(points, origin_);
  if (s.BrushOn) raster::FillPolygon(s.Target, pts, s.Brush);
  Outline(s, pts, true);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  const TDrawState s = State(*target_, clipSet_, clip_, scale_, pen_, brush_);
  const i64 l = i64{std::min(x1, x2)} + origin_.X, r = i64{std::max(x1, x2)} + origin_.X;
  const i64 t = i64{std::min(y1, y2)} + origin_.Y, b = i64{std::max(y1, y2)} + origin_.Y;
  if (l == r || t == b || s.Target.Empty()) return;
  const raster::TTarget& tg = s.Target;
  if (!s.PenOn) {
    if (s.BrushOn) raster::FillBox(tg, l, t, r, b, s.Brush);
    return;
  }
  if (!s.Pattern.empty()) {
    if (s.BrushOn) raster::FillBox(tg, l + 1, t + 1, r - 1, b - 1, s.Brush);
    const TPaint* gap = s.BrushOn ? &s.Brush : nullptr;
    if (r - l == 1) {
      raster::ThinLine(tg, {l, t}, {l, b}, s.Pen, s.Pattern, 0, gap);
    } else if (b - t == 1) {
      raster::ThinLine(tg, {l, t}, {r, t}, s.Pen, s.Pattern, 0, gap);
    } else {
      const TPoint64 corners[] = {{l, t}, {r - 1, t}, {r - 1, b - 1}, {l, b - 1}};
      Outline(s, corners, true);
    }
    return;
  }
  const TOutline o = OuterBox(l, t, r, b, s.Width, pen_.Style() == psInsideFrame);
  const i64 il = o.L + s.Width, it = o.T + s.Width, ir = o.R - s.Width, ib = o.B - s.Width;
  if (il >= ir || it >= ib) {
    raster::FillBox(tg, o.L, o.T, o.R, o.B, s.Pen);
    return;
  }
  raster::FillBox(tg, o.L, o.T, o.R, it, s.Pen);
  raster::FillBox(tg, o.L, ib, o.R, o.B, s.Pen);
  raster::FillBox(tg, o.L, it, il, ib, s.Pen);
  raster::FillBox(tg, ir, it, o.R, ib, s.Pen);
  if (s.BrushOn) raster::FillBox(tg, il, it, ir, ib, s.Brush);
}

void TCanvas::FillRect(const TRect& r) {
  if (brush_.Style() != bsSolid) return;
  const raster::TTarget t = detail::MakeTarget(*target_, clipSet_, clip_, scale_);
  raster::FillBox(t, i64{r.Left} + origin_.X, i64{r.Top} + origin_.Y, i64{r.Right} + origin_.X,
                  i64{r.Bottom} + origin_.Y, {ColorToRGB(brush_.Color()), raster::opCopy});
}

namespace {

// Calls pen(y, x0, x1) for the outline runs and fill(y, x0, x1) for the inside
// runs of the ellipse in the box, limited to the clip's rows.
template <typename PenRun, typename FillRun>
void EllipseRuns(const raster::TTarget& tg, i64 l, i64 t, i64 r, i64 b, int width, bool inside,
                 bool penOn, PenRun pen, FillRun fill) {
  const TOutline o = penOn ? OuterBox(l, t, r, b, width, inside) : TOutline{l, t, r, b};
  const raster::TEllipseRows outer(o.L, o.T, o.R, o.B);
  const i64 w = penOn ? width : 0;
  const bool has_inner = o.R - o.L > 2 * w && o.B - o.T > 2 * w;
  const raster::TEllipseRows inner(o.L + w, o.T + w, o.R - w, o.B - w);
  const i64 y0 = std::max(o.T, tg.ClipTop), y1 = std::min(o.B, tg.ClipBottom);
  for (i64 y = y0; y < y1; ++y) {
    i64 ol, orr, il, ir;
    outer.Row(y, ol, orr);
    if (!penOn) {
      fill(y, ol, orr + 1);
    } else if (has_inner && inner.Row(y, il, ir)) {
      il = std::clamp(il, ol, orr + 1);
      ir = std::clamp(ir, il - 1, orr);
      pen(y, ol, il);
      fill(y, il, ir + 1);
      pen(y, ir + 1, orr + 1);
    } else {
      pen(y, ol, orr + 1);
    }
  }
}

// Gathers the visible outline pixels of a dashed ellipse, which are painted
// afterwards in order around it.
auto RingCollector(const raster::TTarget& tg, std::vector<TPoint64>& ring) {
  return [&tg, &ring](i64 y, i64 a, i64 e) {
    for (i64 x = std::max(a, tg.ClipLeft); x < std::min(e, tg.ClipRight); ++x)
      ring.push_back({x, y});
  };
}

}  // namespace

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  const TDrawState s = State(*target_, clipSet_, clip_, scale_, pen_, brush_);
  const i64 l = i64{std::min(x1, x2)} + origin_.X, r = i64{std::max(x1, x2)} + origin_.X;
  const i64 t = i64{std::min(y1, y2)} + origin_.Y, b = i64{std::max(y1, y2)} + origin_.Y;
  if (l == r || t == b || s.Target.Empty()) return;
  const raster::TTarget& tg = s.Target;
  const auto fill = [&](i64 y, i64 a, i64 e) {
    if (s.BrushOn) raster::Span(tg, y, a, e, s.Brush);
  };
  if (s.PenOn && !s.Pattern.empty()) {
    std::vector<TPoint64> ring;
    EllipseRuns(tg, l, t, r, b, s.Width, false, true, RingCollector(tg, ring), fill);
    raster::DashedRing(tg, ring, static_cast<long double>(l + r - 1) / 2,
                       static_cast<long double>(t + b - 1) / 2, 0, s.Pattern, s.Pen,
                       s.BrushOn ? &s.Brush : nullptr);
    return;
  }
  EllipseRuns(
      tg, l, t, r, b, s.Width, pen_.Style() == psInsideFrame, s.PenOn,
      [&](i64 y, i64 a, i64 e) { raster::Span(tg, y, a, e, s.Pen); }, fill);
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  const TDrawState s = State(*target_, clipSet_, clip_, scale_, pen_, brush_);
  if (!s.PenOn) return;
  const i64 l = i64{std::min(x1, x2)} + origin_.X, r = i64{std::max(x1, x2)} + origin_.X;
  const i64 t = i64{std::min(y1, y2)} + origin_.Y, b = i64{std::max(y1, y2)} + origin_.Y;
  if (l == r || t == b || s.Target.Empty()) return;
  using real = long double;
  const real cx = static_cast<real>(l + r - 1) / 2, cy = static_cast<real>(t + b - 1) / 2;
  constexpr real kTwoPi = 2 * std::numbers::pi_v<real>;
  // Angles counter-clockwise on the screen, that is with y pointing up.
  const auto angle = [&](real x, real y) {
    const real a = std::atan2(cy - y, x - cx);
    return a < 0 ? a + kTwoPi : a;
  };
  const real start =
      angle(static_cast<real>(i64{x3} + origin_.X), static_cast<real>(i64{y3} + origin_.Y));
  const real end =
      angle(static_cast<real>(i64{x4} + origin_.X), static_cast<real>(i64{y4} + origin_.Y));
  real sweep = end - start;
  if (sweep <= 0) sweep += kTwoPi;  // equal rays: the whole ellipse
  const raster::TTarget& tg = s.Target;
  const auto inSweep = [&](i64 x, i64 y) {
    real d = angle(static_cast<real>(x), static_cast<real>(y)) - start;
    if (d < 0) d += kTwoPi;
    return d <= sweep;
  };
  if (!s.Pattern.empty()) {
    std::vector<TPoint64> ring;
    const auto collect = RingCollector(tg, ring);
    EllipseRuns(
        tg, l, t, r, b, s.Width, false, true,
        [&](i64 y, i64 a, i64 e) {
          for (i64 x = std::max(a, tg.ClipLeft); x < std::min(e, tg.ClipRight); ++x)
            if (inSweep(x, y)) collect(y, x, x + 1);
        },
        [](i64, i64, i64) {});
    raster::DashedRing(tg, ring, cx, cy, start, s.Pattern, s.Pen, s.BrushOn ? &s.Brush : nullptr);
    return;
  }
  EllipseRuns(
      tg, l, t, r, b, s.Width, pen_.Style() == psInsideFrame, true,
      [&](i64 y, i64 a, i64 e) {
        a = std::max(a, tg.ClipLeft);
        e = std::min(e, tg.ClipRight);
        for (i64 x = a; x < e; ++x)
          if (inSweep(x, y)) raster::Span(tg, y, x, x + 1, s.Pen);
      },
      [](i64, i64, i64) {});
}

TColor TCanvas::Pixel(int x, int y) const {
  const i64 bx = i64{x} + origin_.X, by = i64{y} + origin_.Y;
  if (bx < 0 || by < 0 || bx >= target_->Width() / scale_ || by >= target_->Height() / scale_)
    return clBlack;
  return target_->ScanLine(static_cast<int>(by * scale_))[bx * scale_];
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  const raster::TTarget t = detail::MakeTarget(*target_, clipSet_, clip_, scale_);
  const i64 bx = i64{x} + origin_.X, by = i64{y} + origin_.Y;
  raster::Span(t, by, bx, bx + 1, {ColorToRGB(color), raster::opCopy});
}

}  // namespace zarn
