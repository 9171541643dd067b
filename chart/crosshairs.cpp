// The four crosshairs, drawn over a finished image.

#include <cstdint>

#include "chart/zarn_vorel.h"

namespace zarn {

namespace {

using i64 = std::int64_t;

void Line(TCanvas& c, i64 x1, i64 y1, i64 x2, i64 y2) {
  c.MoveTo(static_cast<int>(x1), static_cast<int>(y1));
  c.LineTo(static_cast<int>(x2), static_cast<int>(y2));
}

// The pen settings a crosshair changes, put back afterwards.
struct TSavedPen {
  explicit TSavedPen(TCanvas& c)
      : canvas(c),
        color(c.Pen().Color()),
        width(c.Pen().Width()),
        style(c.Pen().Style()),
        brushStyle(c.Brush().Style()) {}
  ~TSavedPen() {
    canvas.Pen().SetColor(color);
    canvas.Pen().SetWidth(width);
    canvas.Pen().SetStyle(style);
    canvas.Brush().SetStyle(brushStyle);
  }
  TSavedPen(const TSavedPen&) = delete;
  TSavedPen& operator=(const TSavedPen&) = delete;
  TCanvas& canvas;
  TColor color;
  int width;
  TPenStyle style;
  TBrushStyle brushStyle;
};

}  // namespace

void TCustomVorel::DrawCrossHairs(TBitmap& Image, int OffsetX, int OffsetY) {
  bool any = false;
  for (int i = 1; i <= kVorelCrossHairs; ++i)
    any = any || CrossHair(i).Mode() != chOff;
  if (!any) return;
  TCanvas& c = Image.Canvas();
  const TSavedPen saved(c);
  // Control pixels of the plotting area's inner edges.
  const i64 left = marginLeft_, top = marginTop_;
  const i64 right = i64{Width()} - marginRight_ - shadowWidth_;
  const i64 bottom = i64{Height()} - marginBottom_ - shadowWidth_;
  for (int i = kVorelCrossHairs; i >= 1; --i) {
    const TCrossHair& ch = CrossHair(i);
    const TCrossHMode mode = ch.Mode();
    if (mode == chOff) continue;
    int px, py;
    WorldToPixel(ch.Layer(), ch.PosX(), ch.PosY(), px, py);
    c.Pen().SetColor(ch.Color());
    c.Pen().SetWidth(ch.LineWid());
    c.Pen().SetStyle(ch.LineType());
    c.Brush().SetColor(chartColor_);
    const i64 h = ch.LineWid() / 2;
    const bool rowInside = top + h < py && py < bottom - h;
    const bool columnInside = left + h < px && px < right - h;
    const i64 x = i64{px} - OffsetX, y = i64{py} - OffsetY;
    if ((mode == chHoriz || mode == chBoth) && rowInside)
      Line(c, left + h + 1 - OffsetX, y, right - h - OffsetX, y);
    if ((mode == chVert || mode == chBoth) && columnInside)
      Line(c, x, top + h + 1 - OffsetY, x, bottom - h - OffsetY);
    if (!rowInside || !columnInside) continue;
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
