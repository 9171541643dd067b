// The chart's 50 text labels, drawn over the items.

#include <cstdint>

#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"
#include "surface/zarn_printer.h"

namespace zarn::vorel_detail {

using i64 = std::int64_t;

void SplitLines(std::string_view text, std::vector<std::string_view>& lines) {
  lines.clear();
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  lines.push_back(text.substr(start));
}

int BlockWidth(const TCanvas& canvas, std::string_view text,
               const std::vector<std::string_view>& lines) {
  int widest = 0;
  for (const std::string_view line : lines)
    widest = std::max(widest, canvas.TextWidth(line));
  return widest == 0 ? canvas.TextWidth(text) : widest;
}

namespace {

// The label's anchor in plotting-area pixels: pixel or world coordinates per axis.
TPoint Anchor(const TCustomVorel& v, const TTextLabel& l, int ox, int oy) {
  i64 x = RoundLimited(l.PosX()), y = RoundLimited(l.PosY());
  const TTxtLblAttachMode mode = l.AttachToData();
  if (mode != tlamNone) {
    int px, py;
    v.WorldToPixel(l.Layer(), l.PosX(), l.PosY(), px, py);
    if (mode == tlamXOnly || mode == tlamBoth) x = px;
    if (mode == tlamYOnly || mode == tlamBoth) y = py;
  }
  return {ClampPixel(x + ox - v.MarginLeft()), ClampPixel(y + oy - v.MarginTop())};
}

void DrawLabel(const TCustomVorel& v, TCanvas& c, const TTextLabel& l, int ox, int oy,
               std::vector<std::string_view>& lines) {
  const TPoint at = Anchor(v, l, ox, oy);
  c.SetFont(l.Font());
  SizeFontsForDevice(c);
  c.Pen().SetColor(l.ColorBorder());
  c.Pen().SetStyle(psSolid);
  c.Brush().SetColor(l.ColorBkg());
  c.Brush().SetStyle(l.Transparent() ? bsClear : bsSolid);
  const std::string& caption = l.Caption();
  SplitLines(caption, lines);
  const i64 n = static_cast<i64>(lines.size());
  const i64 bw = BlockWidth(c, caption, lines);
  const i64 lh = c.TextHeight(caption);
  i64 yb = at.Y;
  if (l.VerticalAlignment() == vaTop) yb += n * lh;
  if (l.VerticalAlignment() == vaCenter) yb += n * lh / 2;
  i64 xl = at.X;
  if (l.Alignment() == taRightJustify) xl -= bw;
  if (l.Alignment() == taCenter) xl -= bw / 2;
  const auto box = [&](i64 dx, i64 dy) {
    c.Rectangle(ClampPixel(xl - 4 + dx), ClampPixel(yb - n * lh - 2 + dy),
                ClampPixel(xl + bw + 4 + dx), ClampPixel(yb + 2 + dy));
  };
  switch (l.Mode()) {
    case tlsimple:
    case tlUnderline:
      if (!l.Transparent()) {
        c.Pen().SetColor(l.ColorBkg());
        box(0, 0);
      }
      if (l.Mode() == tlUnderline) {
        c.Pen().SetColor(l.ColorBorder());
        c.MoveTo(ClampPixel(xl), ClampPixel(yb));
        c.LineTo(ClampPixel(xl + bw), ClampPixel(yb));
      }
      break;
    case tlBox:
      box(0, 0);
      break;
    case tlShadow:
      c.Pen().SetColor(l.ColorShadow());
      c.Brush().SetColor(l.ColorShadow());
      box(l.ShadowDx(), l.ShadowDy());
      c.Pen().SetColor(l.ColorBorder());
      c.Brush().SetColor(l.ColorBkg());
      box(0, 0);
      break;
    default:
      break;
  }
  if (n == 1) {
    c.TextOut(ClampPixel(xl), ClampPixel(yb - lh), caption);
    return;
  }
  for (i64 k = 0; k < n; ++k) {
    const std::string_view line = lines[static_cast<std::size_t>(k)];
    i64 r = 0;
    if (l.Alignment() == taRightJustify) r = bw - c.TextWidth(line);
    if (l.Alignment() == taCenter) r = (bw - c.TextWidth(line)) / 2;
    c.TextOut(ClampPixel(xl + r), ClampPixel(yb - lh * (n - k)), line);
  }
}

}  // namespace

void DrawTextLabels(TCustomVorel& chart, TCanvas& canvas, int ox, int oy) {
  std::vector<std::string_view>& lines = TRenderer::State(chart).Lines;
  for (int i = kVorelTextLabels; i >= 1; --i) {
    const TTextLabel& l = chart.TextLabel(i);
    if (l.Mode() == tlOff || !l.Visible() || !chart.LayerVisible(l.Layer())) continue;
    DrawLabel(chart, canvas, l, ox, oy, lines);
  }
}

}  // namespace zarn::vorel_detail
