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
              const TFont& font, std::string_view s) {
  if (clip.Empty() || s.empty()) return;
  // Entirely outside: nothing to draw, and the corner may not fit an int.
  if (at.X >= clip.ClipRight || at.Y >= clip.ClipBottom || at.X + m.Width <= clip.ClipLeft ||
      at.Y + m.Height <= clip.ClipTop)
    return;
  text::TTextTarget target;
  target.Pixels = clip.Pixels;
  target.Width = clip.Width;
  target.Height = clip.Height;
  target.Clip = {static_cast<int>(clip.ClipLeft), static_cast<int>(clip.ClipTop),
                 static_cast<int>(clip.ClipRight), static_cast<int>(clip.ClipBottom)};
  text::Draw(target, static_cast<int>(at.X), static_cast<int>(at.Y), font, s,
             ColorToRGB(font.Color()));
}

}  // namespace

void TCanvas::TextOut(int x, int y, std::string_view text) {
  const text::TTextMetrics m = text::Measure(font_, text);
  const bool update_cp = device_.TextAlign & TA_UPDATECP;
  if (update_cp) {
    x = penPos_.X;
    y = penPos_.Y;
  }
  const raster::TPoint64 at =
      AlignedCorner(i64{x} + origin_.X, i64{y} + origin_.Y, device_.TextAlign, m);
  const raster::TTarget t = detail::MakeTarget(*target_, clipSet_, clip_);
  if (brush_.Style() == bsSolid && !t.Empty())
    raster::FillBox(t, at.X, at.Y, at.X + m.Width, at.Y + m.Height,
                    {ColorToRGB(brush_.Color()), raster::opCopy});
  DrawText(t, at, m, font_, text);
  if (update_cp) penPos_.X = detail::ClampToInt(i64{penPos_.X} + m.Width);
}

void TCanvas::TextRect(const TRect& clip, int x, int y, std::string_view text) {
  const raster::TTarget t = detail::Intersect(
      detail::MakeTarget(*target_, clipSet_, clip_), i64{clip.Left} + origin_.X,
      i64{clip.Top} + origin_.Y, i64{clip.Right} + origin_.X, i64{clip.Bottom} + origin_.Y);
  if (t.Empty()) return;
  if (brush_.Style() == bsSolid)
    raster::FillBox(t, t.ClipLeft, t.ClipTop, t.ClipRight, t.ClipBottom,
                    {ColorToRGB(brush_.Color()), raster::opCopy});
  const text::TTextMetrics m = text::Measure(font_, text);
  DrawText(t, AlignedCorner(i64{x} + origin_.X, i64{y} + origin_.Y, device_.TextAlign, m), m, font_,
           text);
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
