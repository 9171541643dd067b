// The four crosshairs, drawn over a finished image.

#include <algorithm>
#include <cstdint>
#include <span>

#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

namespace {

using i64 = std::int64_t;

void Line(TCanvas& c, i64 x1, i64 y1, i64 x2, i64 y2) {
  c.MoveTo(static_cast<int>(x1), static_cast<int>(y1));
  c.LineTo(static_cast<int>(x2), static_cast<int>(y2));
}

}  // namespace

namespace vorel_detail {

// Where a crosshair lands, in control pixels, and which of its parts show.
struct TCrossHairPlace {
  i64 x = 0, y = 0, h = 0;
  i64 left = 0, top = 0, right = 0, bottom = 0;  // the plotting area's inner edges
  bool row = false, column = false;
};

TCrossHairPlace PlaceCrossHair(const TCustomVorel& v, const TCrossHair& ch) {
  TCrossHairPlace p;
  const TPlotEdges e = PlotEdges(v);
  p.left = e.Left;
  p.top = e.Top;
  p.right = e.Right;
  p.bottom = e.Bottom;
  int px = 0, py = 0;
  v.WorldToPixel(ch.Layer(), ch.PosX(), ch.PosY(), px, py);
  p.x = px;
  p.y = py;
  p.h = ch.LineWid() / 2;
  p.row = p.top + p.h < py && py < p.bottom - p.h;
  p.column = p.left + p.h < px && px < p.right - p.h;
  return p;
}

namespace {

bool DrawsRow(TCrossHMode m) {
  return m == chHoriz || m == chBoth;
}
bool DrawsColumn(TCrossHMode m) {
  return m == chVert || m == chBoth;
}

TRect ClippedRect(i64 l, i64 t, i64 r, i64 b, int width, int height) {
  const auto clip = [](i64 v, int hi) { return static_cast<int>(std::clamp<i64>(v, 0, hi)); };
  return Rect(clip(l, width), clip(t, height), clip(r, width), clip(b, height));
}

}  // namespace

int CrossHairStrips(TCustomVorel& v, std::span<TRect, TComposition::kMaxStrips> strips) {
  int n = 0;
  const int W = v.Width(), H = v.Height();
  const auto add = [&](i64 l, i64 t, i64 r, i64 b) {
    const TRect rect = ClippedRect(l, t, r, b, W, H);
    if (rect.Left < rect.Right && rect.Top < rect.Bottom)
      strips[static_cast<std::size_t>(n++)] = rect;
  };
  for (int i = 1; i <= kVorelCrossHairs; ++i) {
    const TCrossHair& ch = v.CrossHair(i);
    const TCrossHMode mode = ch.Mode();
    if (mode == chOff) continue;
    const TCrossHairPlace p = PlaceCrossHair(v, ch);
    // Wide pens reach past a line's ends and sides; a strip too wide costs
    // only the copy of its extra pixels.
    const i64 pad = i64{std::max(1, ch.LineWid())} + 1;
    if (DrawsRow(mode) && p.row)
      add(p.left + p.h + 1 - pad, p.y - pad, p.right - p.h + pad, p.y + pad + 1);
    if (DrawsColumn(mode) && p.column)
      add(p.x - pad, p.top + p.h + 1 - pad, p.x + pad + 1, p.bottom - p.h + pad);
    if (!p.row || !p.column) continue;
    const i64 reach = mode == chCrossBox ? 14 : (mode == chBox ? 5 : -1);
    if (reach > 0)
      add(p.x - reach - pad, p.y - reach - pad, p.x + reach + pad + 1, p.y + reach + pad + 1);
  }
  return n;
}

}  // namespace vorel_detail

void TCustomVorel::DrawCrossHairs(TBitmap& Image, int OffsetX, int OffsetY) {
  bool any = false;
  for (int i = 1; i <= kVorelCrossHairs; ++i)
    any = any || CrossHair(i).Mode() != chOff;
  if (!any) return;
  TCanvas& c = Image.Canvas();
  const vorel_detail::TPenKeeper keep(c);
  for (int i = kVorelCrossHairs; i >= 1; --i) {
    const TCrossHair& ch = CrossHair(i);
    const TCrossHMode mode = ch.Mode();
    if (mode == chOff) continue;
    const vorel_detail::TCrossHairPlace p = vorel_detail::PlaceCrossHair(*this, ch);
    c.Pen().SetColor(ch.Color());
    c.Pen().SetWidth(ch.LineWid());
    c.Pen().SetStyle(ch.LineType());
    c.Brush().SetColor(settings_.ChartColor);
    const i64 h = p.h;
    const i64 x = p.x - OffsetX, y = p.y - OffsetY;
    if (vorel_detail::DrawsRow(mode) && p.row)
      Line(c, p.left + h + 1 - OffsetX, y, p.right - h - OffsetX, y);
    if (vorel_detail::DrawsColumn(mode) && p.column)
      Line(c, x, p.top + h + 1 - OffsetY, x, p.bottom - h - OffsetY);
    if (!p.row || !p.column) continue;
    if (mode == chCrossBox) {
      Line(c, x - 13, y, x + 14, y);
      Line(c, x, y - 13, x, y + 14);
      c.Brush().SetStyle(bsClear);
      c.Pen().SetStyle(psSolid);
      c.Pen().SetColor(clWhite);
      c.Rectangle(static_cast<int>(x - 3), static_cast<int>(y - 3), static_cast<int>(x + 4),
                  static_cast<int>(y + 4));
      c.Pen().SetColor(clBlack);
      c.Rectangle(static_cast<int>(x - 2), static_cast<int>(y - 2), static_cast<int>(x + 3),
                  static_cast<int>(y + 3));
    } else if (mode == chBox) {
      c.Brush().SetStyle(bsClear);
      c.Rectangle(static_cast<int>(x - 4), static_cast<int>(y - 4), static_cast<int>(x + 5),
                  static_cast<int>(y + 5));
    }
  }
}

}  // namespace zarn
