#include <algorithm>
#include <vector>

#include "surface/canvas_internal.h"
#include "surface/zarn_bitmap.h"
#include "surface/zarn_canvas.h"

namespace zarn {

using detail::i64;

namespace {

// Copies source pixel (sx, sy) onto *d with the copy mode; transparent pixels
// of a transparent source are left out.
struct TBlend {
  bool And = false;
  bool Skip = false;
  TColor Key = 0;

  void operator()(TColor* d, TColor s) const {
    if (Skip && s == Key) return;
    *d = And ? (*d & s) : s;
  }
};

TBlend MakeBlend(TCopyMode mode, const TBitmap& source) {
  TBlend b;
  b.And = mode == cmSrcAnd;
  b.Skip = source.Transparent();
  b.Key = ColorToRGB(source.TransparentColor());
  return b;
}

}  // namespace

void TCanvas::Draw(int x, int y, const TBitmap& source) {
  if (source.Empty()) return;
  // A picture keeps its size in canvas pixels whatever the densities: at 1
  // onto 2 each pixel becomes a block, at 2 onto 2 the pixels are copied.
  if (scale_ > 1 || source.Scale() > 1)
    return StretchDraw(Rect(x, y, detail::ClampToInt(i64{x} + source.CanvasWidth()),
                            detail::ClampToInt(i64{y} + source.CanvasHeight())),
                       source);
  const raster::TTarget t = detail::MakeTarget(*target_, clipSet_, clip_, scale_);
  const i64 left = i64{x} + origin_.X, top = i64{y} + origin_.Y;
  const raster::TTarget c =
      detail::Intersect(t, left, top, left + source.Width(), top + source.Height());
  if (c.Empty()) return;
  // Drawing a bitmap onto itself reads from a copy.
  std::vector<TColor> copy;
  const TColor* src = source.ScanLine(0);
  if (&source == target_) {
    copy = source.Pixels();
    src = copy.data();
  }
  const TBlend blend = MakeBlend(copyMode_, source);
  for (i64 by = c.ClipTop; by < c.ClipBottom; ++by) {
    const TColor* s = src + static_cast<std::size_t>(by - top) * source.Width() +
                      static_cast<std::size_t>(c.ClipLeft - left);
    TColor* d = t.At(c.ClipLeft, by);
    const std::size_t n = static_cast<std::size_t>(c.ClipRight - c.ClipLeft);
    if (!blend.And && !blend.Skip) {
      std::copy_n(s, n, d);
      continue;
    }
    for (std::size_t i = 0; i < n; ++i)
      blend(d + i, s[i]);
  }
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& source) {
  if (source.Empty()) return;
  const raster::TTarget t =
      raster::DevicePixels(detail::MakeTarget(*target_, clipSet_, clip_, scale_));
  // A rectangle given right to left or bottom to top mirrors the picture.
  i64 l = (i64{dest.Left} + origin_.X) * scale_, r = (i64{dest.Right} + origin_.X) * scale_;
  i64 tp = (i64{dest.Top} + origin_.Y) * scale_, b = (i64{dest.Bottom} + origin_.Y) * scale_;
  const bool flip_x = r < l, flip_y = b < tp;
  if (flip_x) std::swap(l, r);
  if (flip_y) std::swap(tp, b);
  if (l == r || tp == b) return;
  const raster::TTarget c = detail::Intersect(t, l, tp, r, b);
  if (c.Empty()) return;
  std::vector<TColor> copy;
  const TColor* src = source.ScanLine(0);
  if (&source == target_) {
    copy = source.Pixels();
    src = copy.data();
  }
  const i64 dw = r - l, dh = b - tp, sw = source.Width(), sh = source.Height();
  // Each destination pixel takes the source pixel under its centre.
  const auto map = [](i64 d, i64 dn, i64 sn, bool flip) {
    const i64 s = (2 * d + 1) * sn / (2 * dn);
    return flip ? sn - 1 - s : s;
  };
  std::vector<i64> xs(static_cast<std::size_t>(c.ClipRight - c.ClipLeft));
  for (i64 bx = c.ClipLeft; bx < c.ClipRight; ++bx)
    xs[static_cast<std::size_t>(bx - c.ClipLeft)] = map(bx - l, dw, sw, flip_x);
  const TBlend blend = MakeBlend(copyMode_, source);
  for (i64 by = c.ClipTop; by < c.ClipBottom; ++by) {
    const TColor* s = src + static_cast<std::size_t>(map(by - tp, dh, sh, flip_y)) * sw;
    TColor* d = t.At(c.ClipLeft, by);
    for (std::size_t i = 0; i < xs.size(); ++i)
      blend(d + i, s[xs[i]]);
  }
}

}  // namespace zarn
