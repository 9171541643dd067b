// Item rendering: filled shapes, arrows, arcs, crosses and texts.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/zarn_numeric.h"
#include "chart/picture/item_render.h"
#include "surface/zarn_printer.h"

namespace zarn::vorel_detail {

using i64 = std::int64_t;

namespace {

// The box between two corners with the far sides moved out by one, so that
// both corner pixels are covered.
TRect CoveringBox(TPoint a, TPoint b) {
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1};
}

constexpr double kHeadHalfAngle = 0.3490658503988659;  // 20 degrees

}  // namespace

void TItemPainter::Box(TPoint a, TPoint b, TShape shape) {
  OutlineOrFill();
  if (a == b) {
    c_.SetPixel(a.X, a.Y, pc_);
    return;
  }
  const TRect r = CoveringBox(a, b);
  if (shape == TShape::Ellipse)
    c_.Ellipse(r.Left, r.Top, r.Right, r.Bottom);
  else
    c_.Rectangle(r);
}

void TItemPainter::Panel() {
  TPoint a, b;
  if (!TwoPoints(a, b)) return;
  FlushPolyLine(t_);
  PenStyle(it_.PenStyle);
  PenColor(fc_);
  BrushColor(fc_);
  if (a == b) {
    c_.SetPixel(a.X, a.Y, fc_);
    return;
  }
  // x1 the left edge, y1 the lower edge.
  const int x1 = std::min(a.X, b.X), x2 = std::max(a.X, b.X);
  const int y1 = std::max(a.Y, b.Y), y2 = std::min(a.Y, b.Y);
  c_.Rectangle(x1, y1, x2, y2);
  const auto c = static_cast<TColor>(it_.ParamC), d = static_cast<TColor>(it_.ParamD);
  const auto path = [&](TColor colour, std::initializer_list<TPoint> pts) {
    PenColor(colour);
    const TPoint* p = pts.begin();
    c_.MoveTo(p->X, p->Y);
    for (++p; p != pts.end(); ++p)
      c_.LineTo(p->X, p->Y);
  };
  switch (it_.Flags[1]) {
    case 2:
    case 3: {
      const TColor first = it_.Flags[1] == 2 ? c : d, second = it_.Flags[1] == 2 ? d : c;
      path(first, {{x1, y1}, {x1, y2}, {x2, y2}});
      path(second, {{x2, y2}, {x2, y1}, {x1, y1}});
      break;
    }
    case 4:
    case 5: {
      const TColor first = it_.Flags[1] == 4 ? c : d, second = it_.Flags[1] == 4 ? d : c;
      path(first, {{x1 + 1, y1}, {x1 + 1, y2 + 1}, {x2, y2 + 1}, {x2, y1}, {x1 + 1, y1}});
      path(second, {{x1, y1 - 1}, {x1, y2}, {x2 - 1, y2}, {x2 - 1, y1 - 1}, {x1, y1 - 1}});
      break;
    }
    default:
      break;
  }
}

void TItemPainter::Bar() {
  TPoint a = World(it_.X1, it_.Y1), b = World(it_.X2, it_.Y2);
  int x1 = std::min(a.X, b.X), x2 = std::max(a.X, b.X);
  const int y1 = std::min(a.Y, b.Y), y2 = std::max(a.Y, b.Y);
  const int angle = it_.ParamAInt(0), depth = it_.ParamAInt(1);
  const double rad = angle * std::numbers::pi / 180.0;
  const i64 dx = RoundLimited(std::cos(rad) * depth), dy = -RoundLimited(std::sin(rad) * depth);
  // Beyond 90 degrees the depth goes to the left.
  if (angle > 90) std::swap(x1, x2);
  Standard();
  const auto at = [](i64 x, i64 y) { return TPoint{ClampPixel(x), ClampPixel(y)}; };
  const TPoint top[] = {at(x1, y1), at(x1 + dx, y1 + dy), at(x2 + dx, y1 + dy), at(x2, y1)};
  c_.Polygon(top);
  const TPoint side[] = {at(x2 + dx, y1 + dy), at(x2, y1), at(x2, y2), at(x2 + dx, y2 + dy)};
  c_.Polygon(side);
  c_.Rectangle(CoveringBox(a, b));
}

void TItemPainter::Arrow() {
  TPoint a, b;
  if (!TwoPoints(a, b)) return;
  OutlineOrFill();
  if (a == b) {
    c_.SetPixel(a.X, a.Y, pc_);
    return;
  }
  // A broken shaft in the fill colour would vanish in its own gaps.
  if (it_.PenStyle != psSolid && fc_ == pc_) {
    BrushColor(ContrastTextColor(pc_));
    Line(a, b);
    BrushColor(fc_);
  } else {
    Line(a, b);
  }
  const int s = it_.ParamAInt(0);
  if (s < 1) return;
  double phi;
  if (b.X > a.X)
    phi = std::numbers::pi / 2 + std::atan(static_cast<double>(b.Y - a.Y) / (b.X - a.X));
  else if (b.X < a.X)
    phi = 3 * std::numbers::pi / 2 + std::atan(static_cast<double>(b.Y - a.Y) / (b.X - a.X));
  else
    phi = b.Y - a.Y < 1 ? 2 * std::numbers::pi : std::numbers::pi;
  PenStyle(psSolid);
  ArrowHead(b, phi, s, -1);
  if (it_.Kind == ikDoubleArrow) ArrowHead(a, phi, s, 1);
}

// The head at tip: sign -1 points along the shaft's direction, +1 against it.
void TItemPainter::ArrowHead(TPoint tip, double phi, int length, int sign) {
  const auto corner = [&](double angle) {
    return TPoint{ClampPixel(tip.X + sign * RoundLimited(std::sin(angle) * length)),
                  ClampPixel(tip.Y - sign * RoundLimited(std::cos(angle) * length))};
  };
  const TPoint p1 = corner(phi + kHeadHalfAngle), p2 = corner(phi - kHeadHalfAngle);
  if (it_.Flags[0] != 0) {
    Line(tip, p1);
    Line(tip, p2);
  } else {
    const TPoint triangle[] = {tip, p1, p2};
    c_.Polygon(triangle);
  }
}

void TItemPainter::ArcItem() {
  const TPoint a = World(it_.X1 - it_.X2, it_.Y1 - it_.Y2);
  const TPoint b = World(it_.X1 + it_.X2, it_.Y1 + it_.Y2);
  const TPoint c = World(it_.X1, it_.Y1);
  FlushPolyLine(t_);
  PenColor(pc_);
  if (a == b) {
    c_.SetPixel(a.X, a.Y, pc_);
    return;
  }
  constexpr double kScale = 100000000.0;
  const double a1 = it_.ParamAInt(0) / kScale, a2 = it_.ParamAInt(1) / kScale;
  const auto ray = [&](double angle) {
    return TPoint{static_cast<int>(c.X + RoundLimited(std::cos(angle) * kScale)),
                  static_cast<int>(c.Y + RoundLimited(-std::sin(angle) * kScale))};
  };
  const TPoint from = ray(a1), to = ray(a2);
  const TRect r = CoveringBox(a, b);
  c_.Arc(r.Left, r.Top, r.Right, r.Bottom, from.X, from.Y, to.X, to.Y);
}

void TItemPainter::Cross() {
  TPoint a, b;
  switch (it_.CoordMode) {
    case icWorld:
      a = World(it_.X1 - it_.X2, it_.Y1 + it_.Y2);
      b = World(it_.X1 + it_.X2, it_.Y1 - it_.Y2);
      break;
    case icPixel:
      a = Pixel(it_.X1 - it_.X2, it_.Y1 + it_.Y2);
      b = Pixel(it_.X1 + it_.X2, it_.Y1 - it_.Y2);
      break;
    case icWorldThenPixel: {
      const i64 hx = RoundLimited(it_.X2), hy = RoundLimited(it_.Y2);
      a = World(it_.X1, it_.Y1, -hx, hy);
      b = World(it_.X1, it_.Y1, hx, -hy);
      break;
    }
    default:
      return;
  }
  Standard();
  if (a == b) {
    c_.SetPixel(a.X, a.Y, pc_);
    return;
  }
  const TRect r = CoveringBox(a, b);
  const int mx = (r.Left + r.Right) / 2, my = (r.Top + r.Bottom) / 2;
  Line({mx, r.Top}, {mx, r.Bottom});
  Line({r.Left, my}, {r.Right, my});
  t_.State.PenPos = {mx * t_.Fine, my * t_.Fine};
}

bool TItemPainter::TextAnchor(TPoint& p) const {
  if (it_.Kind == ikText) return OnePoint(p);
  int px, py;
  t_.Chart.WorldToPixel(layer_, it_.X1, it_.Y1, px, py);
  p = {ClampPixel(RoundLimited(px + it_.X2) - t_.Chart.MarginLeft() + t_.OffsetX),
       ClampPixel(RoundLimited(py + it_.Y2) - t_.Chart.MarginTop() + t_.OffsetY)};
  return true;
}

void TItemPainter::Text(int index, bool isAnnotation, const TVoItemTexts& texts) {
  TPoint p;
  if (!TextAnchor(p)) return;
  FlushPolyLine(t_);
  if (pc_ != k_.FontColor) {
    c_.Font().SetColor(pc_);
    k_.FontColor = pc_;
  }
  const TFont& font = t_.Chart.TextFont();
  c_.Font().SetStyle(font.Style());
  c_.Font().SetName(font.Name());
  SizeFontsForDevice(c_);
  c_.Font().SetSize(it_.ParamAInt(0));
  const bool opaque = (it_.ParamAInt(1) & 0xFF) != 0;
  BrushColor(fc_);
  if (!opaque) BrushClear();

  // An index beyond the table names no text.
  std::string& text = t_.State.Text;
  if (it_.LineWidth > kVorelItemTexts)
    text.clear();
  else if (it_.LineWidth >= 1)
    text.assign(texts.Text[static_cast<std::size_t>(it_.LineWidth)]);
  else
    text.assign(it_.ShortTextView());
  TCustomVorel& v = t_.Chart;
  if (v.OnBeforeRenderText) v.OnBeforeRenderText(&v, text, index, isAnnotation);

  std::vector<std::string_view>& lines = t_.State.Lines;
  SplitLines(text, lines);
  const i64 lh = i64{c_.TextHeight(text)} + 1;
  const i64 bw = BlockWidth(c_, text, lines);
  const i64 n = static_cast<i64>(lines.size());
  const i64 y = i64{p.Y} - lh / 2;
  i64 x = p.X;
  if (it_.ParamB == 1) x -= bw;
  if (it_.ParamB == 2) x -= bw / 2;
  if (n == 1) {
    c_.TextOut(ClampPixel(x), ClampPixel(y), text);
    return;
  }
  if (opaque) {
    PenColor(fc_);
    c_.Rectangle(ClampPixel(x - 4), ClampPixel(y - 2), ClampPixel(x + bw + 4),
                 ClampPixel(y + n * lh + 2));
  }
  for (i64 k = 0; k < n; ++k) {
    const std::string_view line = lines[static_cast<std::size_t>(k)];
    i64 r = 0;
    if (it_.ParamB == 1) r = bw - c_.TextWidth(line);
    if (it_.ParamB == 2) r = (bw - c_.TextWidth(line)) / 2;
    c_.TextOut(ClampPixel(x + r), ClampPixel(y + k * lh), line);
  }
}

}  // namespace zarn::vorel_detail
