// Measuring and drawing strings with the cached glyphs.

#include <algorithm>
#include <climits>
#include <cstdint>

#include "surface/text_internal.h"
#include "surface/text_render.h"

namespace zarn::text {

namespace {

using detail::NextCodePoint;
using detail::TGlyph;
using detail::TSizedFace;

struct TExtent {
  std::int64_t Pen = 0;
  std::int64_t InkRight = 0;
  int Width() const {
    return static_cast<int>(std::min<std::int64_t>(std::max(Pen, InkRight), INT_MAX));
  }
};

void Advance(TExtent& extent, const TGlyph& g) {
  if (g.Width > 0) extent.InkRight = std::max(extent.InkRight, extent.Pen + g.Left + g.Width);
  extent.Pen += g.Advance;
}

// Writes coverage a of colour rgb over *p.
inline void Blend(TColor* p, TColor rgb, unsigned a) {
  if (a == 255) {
    *p = rgb;
    return;
  }
  const TColor d = *p;
  const unsigned inv = 255 - a;
  const auto mix = [&](int shift) {
    const unsigned s = (rgb >> shift) & 0xFF, t = (d >> shift) & 0xFF;
    // (v + 128) * 257 >> 16 is v / 255 rounded, exactly, for every v up to 255 * 255.
    return static_cast<TColor>(((s * a + t * inv + 128) * 257) >> 16) << shift;
  };
  *p = mix(0) | mix(8) | mix(16);
}

struct TBox {
  std::int64_t Left, Top, Right, Bottom;
  bool Empty() const { return Left >= Right || Top >= Bottom; }
};

void FillRows(const TTextTarget& target, const TBox& clip, std::int64_t left, std::int64_t right,
              std::int64_t top, int rows, TColor rgb) {
  const std::int64_t l = std::max(left, clip.Left), r = std::min(right, clip.Right);
  const std::int64_t t = std::max(top, clip.Top), b = std::min(top + rows, clip.Bottom);
  for (std::int64_t y = t; y < b; ++y)
    std::fill(target.Pixels + y * target.Width + l, target.Pixels + y * target.Width + r, rgb);
}

}  // namespace

TTextMetrics Measure(const TFont& font, std::string_view utf8, int scale) {
  TSizedFace* face = detail::FaceFor(font, scale);
  if (!face) return {};
  TExtent extent;
  for (std::size_t i = 0; i < utf8.size();)
    Advance(extent, face->Glyph(NextCodePoint(utf8, i)));
  return {extent.Width(), face->CellHeight, face->Ascent};
}

void Draw(const TTextTarget& target, int x, int y, const TFont& font, std::string_view utf8,
          TColor rgb, int scale) {
  if (!target.Pixels || target.Width <= 0 || target.Height <= 0 || utf8.empty()) return;
  TSizedFace* face = detail::FaceFor(font, scale);
  if (!face) return;
  // Every pixel stays inside the measured box: the cell rows, and from x on
  // (the right edge is the measured width, which covers all ink).
  const TBox clip{std::max<std::int64_t>({target.Clip.Left, 0, x}),
                  std::max<std::int64_t>({target.Clip.Top, 0, y}),
                  std::min<std::int64_t>(target.Clip.Right, target.Width),
                  std::min<std::int64_t>(
                      {target.Clip.Bottom, target.Height, std::int64_t{y} + face->CellHeight})};
  if (clip.Empty()) return;
  const std::int64_t baseline = std::int64_t{y} + face->Ascent;
  // Glyphs never reach further left of their pen position than this, so the
  // rest of a string past the right edge can be skipped.
  const std::int64_t reach = std::int64_t{face->CellHeight} + 8;
  TExtent extent;
  bool cut = false;
  for (std::size_t i = 0; i < utf8.size();) {
    if (x + extent.Pen - reach >= clip.Right) {
      cut = true;
      break;
    }
    const TGlyph& g = face->Glyph(NextCodePoint(utf8, i));
    const std::int64_t gx = x + extent.Pen + g.Left, gy = baseline - g.Top;
    Advance(extent, g);
    if (g.Width == 0 || gx >= clip.Right || gx + g.Width <= clip.Left || gy >= clip.Bottom ||
        gy + g.Rows <= clip.Top)
      continue;
    const std::int64_t c0 = std::max<std::int64_t>(0, clip.Left - gx);
    const std::int64_t c1 = std::min<std::int64_t>(g.Width, clip.Right - gx);
    const std::int64_t r0 = std::max<std::int64_t>(0, clip.Top - gy);
    const std::int64_t r1 = std::min<std::int64_t>(g.Rows, clip.Bottom - gy);
    for (std::int64_t r = r0; r < r1; ++r) {
      const std::uint8_t* cover = g.Coverage.data() + r * g.Width;
      TColor* row = target.Pixels + (gy + r) * target.Width + gx;
      for (std::int64_t c = c0; c < c1; ++c)
        if (cover[c]) Blend(row + c, rgb, cover[c]);
    }
  }
  const TFontStyles style = font.Style();
  if (!style.Contains(fsUnderline) && !style.Contains(fsStrikeOut)) return;
  const std::int64_t right = cut ? clip.Right : x + std::int64_t{extent.Width()};
  if (style.Contains(fsUnderline))
    FillRows(target, clip, x, right, std::int64_t{y} + face->UnderlineTop, face->UnderlineThickness,
             rgb);
  if (style.Contains(fsStrikeOut))
    FillRows(target, clip, x, right, std::int64_t{y} + face->StrikeOutTop, face->StrikeOutThickness,
             rgb);
}

}  // namespace zarn::text
