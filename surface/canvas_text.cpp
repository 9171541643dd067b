#include "surface/canvas_internal.h"
#include "surface/text_render.h"
#include "surface/zarn_bitmap.h"
#include "surface/zarn_canvas.h"

namespace zarn {

using detail::i64;

namespace {

// The top-left corner of the text's cell for a reference point and alignment.
raster::TPoint64 AlignedCorner(i64 x, i64 y, unsigned align, const text::TTextMetrics& m) {
  if ((align & TA_CENTER) == TA_CENTER)
    x -= m.Width / 2;
  else if (align & TA_RIGHT)
    x -= m.Width;
  if ((align & TA_BASELINE) == TA_BASELINE)
    y -= m.Ascent;
  else if (align & TA_BOTTOM)
    y -= m.Height;
  return {x, y};
}

void DrawText(const raster::TTarget& clip, raster::TPoint64 at, const text::TTextMetrics& m,
              const TFont& font, std::string_view s, int scale) {
  if (clip.Empty() || s.empty()) return;
  // Entirely outside: nothing to draw, and the corner may not fit an int.
  if (at.X >= clip.ClipRight || at.Y >= clip.ClipBottom || at.X + m.Width <= clip.ClipLeft ||
      at.Y + m.Height <= clip.ClipTop)
    return;
  text::TTextTarget target;
  target.Pixels = clip.Pixels;
  target.Width = static_cast<int>(clip.Stride);
  target.Height = clip.Height;
  target.Clip = {static_cast<int>(clip.ClipLeft), static_cast<int>(clip.ClipTop),
                 static_cast<int>(clip.ClipRight), static_cast<int>(clip.ClipBottom)};
  text::Draw(target, static_cast<int>(at.X), static_cast<int>(at.Y), font, s,
             ColorToRGB(font.Color()), scale);
}

}  // namespace

// Text is set in device pixels, with the font scaled, not its pixels: sharp
// glyphs on a high-density bitmap.
void TCanvas::TextOut(int x, int y, std::string_view text) {
  const text::TTextMetrics m = text::Measure(font_, text, scale_);
  const bool update_cp = device_.TextAlign & TA_UPDATECP;
  if (update_cp) {
    x = penPos_.X;
    y = penPos_.Y;
  }
  const raster::TPoint64 at = AlignedCorner((i64{x} + origin_.X) * scale_,
                                            (i64{y} + origin_.Y) * scale_, device_.TextAlign, m);
  const raster::TTarget t =
      raster::DevicePixels(detail::MakeTarget(*target_, clipSet_, clip_, scale_));
  if (brush_.Style() == bsSolid && !t.Empty())
    raster::FillBox(t, at.X, at.Y, at.X + m.Width, at.Y + m.Height,
                    {ColorToRGB(brush_.Color()), raster::opCopy});
  DrawText(t, at, m, font_, text, scale_);
  if (update_cp) {
    const int advance = scale_ == 1 ? m.Width : TextWidth(text);
    penPos_.X = detail::ClampToInt(i64{penPos_.X} + advance);
  }
}

void TCanvas::TextRect(const TRect& clip, int x, int y, std::string_view text) {
  const i64 s = scale_;
  const raster::TTarget t =
      detail::Intersect(raster::DevicePixels(detail::MakeTarget(*target_, clipSet_, clip_, scale_)),
                        (i64{clip.Left} + origin_.X) * s, (i64{clip.Top} + origin_.Y) * s,
                        (i64{clip.Right} + origin_.X) * s, (i64{clip.Bottom} + origin_.Y) * s);
  if (t.Empty()) return;
  if (brush_.Style() == bsSolid)
    raster::FillBox(t, t.ClipLeft, t.ClipTop, t.ClipRight, t.ClipBottom,
                    {ColorToRGB(brush_.Color()), raster::opCopy});
  const text::TTextMetrics m = text::Measure(font_, text, scale_);
  DrawText(t,
           AlignedCorner((i64{x} + origin_.X) * s, (i64{y} + origin_.Y) * s, device_.TextAlign, m),
           m, font_, text, scale_);
}

int TCanvas::TextWidth(std::string_view text) const {
  return text::Measure(font_, text).Width;
}

int TCanvas::TextHeight(std::string_view text) const {
  return text::Measure(font_, text).Height;
}

TPoint TCanvas::TextExtent(std::string_view text) const {
  const text::TTextMetrics m = text::Measure(font_, text);
  return {m.Width, m.Height};
}

}  // namespace zarn
