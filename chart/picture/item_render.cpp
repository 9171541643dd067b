// Item rendering: coordinates, the attribute cache, the poly-line buffer,
// lines and marks. Filled shapes and texts are in item_shapes.cpp.

#include "chart/picture/item_render.h"

#include <algorithm>

#include "base/zarn_marks.h"
#include "surface/zarn_printer.h"

namespace zarn::vorel_detail {

using i64 = std::int64_t;

namespace {

// Monochrome fills: light grey for the filled kinds, white behind texts; the
// line kinds keep their colour, which only fills the gaps of broken lines.
TColor MonochromeFill(int kind, TColor fill) {
  switch (kind) {
    case ikRectangle:
    case ikPanel:
    case ikBar:
    case ikEllipse:
    case ikArrow:
    case ikDoubleArrow:
    case ikCentredRectangle:
    case ikCross:
      return clSilver;
    case ikText:
    case ikShiftedText:
      return clWhite;
    default:
      return fill;
  }
}

bool Within(double v, double a, double b) {
  return std::min(a, b) <= v && v <= std::max(a, b);
}

}  // namespace

void FlushPolyLine(TItemTarget& t) {
  TRenderState& s = t.State;
  if (s.PolyCount == 0) return;
  const TPoint last = s.Poly[static_cast<std::size_t>(s.PolyCount - 1)];
  if (s.PolyCount > 1) {
    if (t.Fine > 1) {
      t.Canvas.FinePolyline(
          std::span<const TPoint>(s.Poly.data(), static_cast<std::size_t>(s.PolyCount)));
    } else if (t.Canvas.Pen().Width() <= 1) {
      // A thin pen draws the same pixels segment by segment, without the
      // surface's per-call point copy.
      t.Canvas.MoveTo(s.Poly[0].X, s.Poly[0].Y);
      t.Canvas.LinesTo(
          std::span<const TPoint>(s.Poly.data() + 1, static_cast<std::size_t>(s.PolyCount - 1)));
    } else {
      t.Canvas.Polyline(
          std::span<const TPoint>(s.Poly.data(), static_cast<std::size_t>(s.PolyCount)));
    }
  }
  const TPoint pen = CanvasPixel(last, t.Fine);
  t.Canvas.MoveTo(pen.X, pen.Y);
  s.PenPos = last;
  s.PolyCount = 0;
}

void RenderItem(TItemTarget& t, TvoChartItem& item, int index, bool isAnnotation,
                const TVoItemTexts& texts) {
  TItemPainter(t, item).Draw(index, isAnnotation, texts);
}

TItemPainter::TItemPainter(TItemTarget& target, const TvoChartItem& item)
    : t_(target),
      c_(target.Canvas),
      k_(target.State.Cache),
      it_(item),
      layer_(std::clamp(item.Layer, 1, kVorelLayers)),
      pc_(target.Monochrome ? clBlack : item.Color),
      fc_(target.Monochrome ? MonochromeFill(item.Kind, item.FillColor) : item.FillColor) {}

void TItemPainter::ApplyWidth() {
  if (it_.LineWidth == k_.PenWidth || IsTextKind(it_.Kind)) return;
  FlushPolyLine(t_);
  k_.PenWidth = it_.LineWidth;
  c_.Pen().SetWidth(it_.LineWidth);
}

void TItemPainter::Draw(int index, bool isAnnotation, const TVoItemTexts& texts) {
  ApplyWidth();
  if (it_.CoordMode > icWorldXPixelY) return;
  switch (it_.Kind) {
    case ikMark:
      return Mark();
    case ikLine:
      return TwoPointLine();
    case ikLineTo:
      return LineTo();
    case ikRectangle: {
      TPoint a, b;
      if (TwoPoints(a, b)) Box(a, b, TShape::Rectangle);
      return;
    }
    case ikPanel:
      return Panel();
    case ikBar:
      return Bar();
    case ikText:
    case ikShiftedText:
      return Text(index, isAnnotation, texts);
    case ikMoveTo:
      return MoveTo();
    case ikEllipse:
      return Box(World(it_.X1 - it_.X2, it_.Y1 + it_.Y2), World(it_.X1 + it_.X2, it_.Y1 - it_.Y2),
                 TShape::Ellipse);
    case ikRelativeMove:
      return RelativeMove();
    case ikRelativeLine:
      return RelativeLine();
    case ikArrow:
    case ikDoubleArrow:
      return Arrow();
    case ikCentredRectangle: {
      const i64 hx = it_.ParamAInt(0), hy = it_.ParamAInt(1);
      return Box(World(it_.X1, it_.Y1, -hx, -hy), World(it_.X1, it_.Y1, hx, hy), TShape::Rectangle);
    }
    case ikErrorBars:
      return ErrorBars();
    case ikShiftedLine:
      return ShiftedLine();
    case ikArc:
      return ArcItem();
    case ikLineFromPoint:
      return LineFromPoint();
    case ikVerticalLine:
      return FullLine(true);
    case ikHorizontalLine:
      return FullLine(false);
    case ikCross:
      return Cross();
    default:
      return;  // 0, 10, 11 and unknown codes draw nothing
  }
}

// --- Points ---

TPoint TItemPainter::World(double x, double y, i64 dx, i64 dy, int scale) const {
  const TRenderState& s = t_.State;
  const auto layer = static_cast<std::size_t>(layer_);
  const TAxisMap& mx = scale == 1 ? s.XMaps[layer] : s.FineXMaps[layer];
  const TAxisMap& my = scale == 1 ? s.YMaps[layer] : s.FineYMaps[layer];
  i64 cx, cy;
  if (s.FastMaps && mx.Control(x, cx) && my.Control(y, cy))
    return {ClampPixel(cx + mx.Shift + dx * scale), ClampPixel(cy + my.Shift + dy * scale)};
  int px, py;
  t_.Chart.WorldToPixel(layer_, x, y, px, py, scale);
  return {ClampPixel(px + (i64{t_.OffsetX} - t_.Chart.MarginLeft() + dx) * scale),
          ClampPixel(py + (i64{t_.OffsetY} - t_.Chart.MarginTop() + dy) * scale)};
}

TPoint TItemPainter::Pixel(double x, double y, int scale) const {
  return {ClampPixel((RoundLimited(x) + t_.OffsetX) * scale),
          ClampPixel((RoundLimited(y) + t_.OffsetY) * scale)};
}

bool TItemPainter::OnePoint(TPoint& p, int scale) const {
  switch (it_.CoordMode) {
    case icWorld:
    case icWorldThenPixel:
      p = World(it_.X1, it_.Y1, 0, 0, scale);
      return true;
    case icPixel:
    case icPixelThenWorld:
      p = Pixel(it_.X1, it_.Y1, scale);
      return true;
    case icPixelXWorldY:
      p = {Pixel(it_.X1, 0, scale).X, World(it_.X1, it_.Y1, 0, 0, scale).Y};
      return true;
    case icWorldXPixelY:
      p = {World(it_.X1, it_.Y1, 0, 0, scale).X, Pixel(0, it_.Y1, scale).Y};
      return true;
    default:
      return false;
  }
}

bool TItemPainter::TwoPoints(TPoint& a, TPoint& b) const {
  const TvoChartItem& i = it_;
  switch (i.CoordMode) {
    case icWorld:
      a = World(i.X1, i.Y1);
      b = World(i.X2, i.Y2);
      return true;
    case icPixel:
      a = Pixel(i.X1, i.Y1);
      b = Pixel(i.X2, i.Y2);
      return true;
    case icWorldThenPixel:
      a = World(i.X1, i.Y1);
      b = Pixel(i.X2, i.Y2);
      return true;
    case icPixelThenWorld:
      a = Pixel(i.X1, i.Y1);
      b = World(i.X2, i.Y2);
      return true;
    default:
      break;
  }
  // Mixed axes have a meaning for the arrows only; other kinds draw nothing.
  if (i.Kind != ikArrow && i.Kind != ikDoubleArrow) return false;
  const TPoint wa = World(i.X1, i.Y1), wb = World(i.X2, i.Y2);
  const TPoint pa = Pixel(i.X1, i.Y1), pb = Pixel(i.X2, i.Y2);
  if (i.CoordMode == icPixelXWorldY) {
    a = {pa.X, wa.Y};
    b = {pb.X, wb.Y};
  } else {
    a = {wa.X, pa.Y};
    b = {wb.X, pb.Y};
  }
  return true;
}

// --- Attributes ---

void TItemPainter::PenColor(TColor c) {
  if (c == k_.PenColor) return;
  c_.Pen().SetColor(c);
  k_.PenColor = c;
}

void TItemPainter::PenStyle(TPenStyle s) {
  if (s == k_.PenStyle) return;
  c_.Pen().SetStyle(s);
  k_.PenStyle = s;
}

void TItemPainter::BrushColor(TColor c) {
  if (c == k_.BrushColor && !k_.BrushClear) return;
  c_.Brush().SetColor(c);  // also makes a clear brush solid
  k_.BrushColor = c;
  k_.BrushClear = false;
}

void TItemPainter::BrushClear() {
  c_.Brush().SetStyle(bsClear);
  k_.BrushClear = true;
}

void TItemPainter::Standard() {
  FlushPolyLine(t_);
  PenColor(pc_);
  PenStyle(it_.PenStyle);
  BrushColor(fc_);
}

void TItemPainter::OutlineOrFill() {
  FlushPolyLine(t_);
  PenColor(pc_);
  PenStyle(it_.PenStyle);
  if (it_.Flags[0] != 0)
    BrushClear();
  else
    BrushColor(fc_);
}

void TItemPainter::Line(TPoint a, TPoint b) {
  c_.MoveTo(a.X, a.Y);
  c_.LineTo(b.X, b.Y);
}

void TItemPainter::AddPoint(TPoint p) {
  TRenderState& s = t_.State;
  if (s.PolyCount == 0) s.Poly[0] = s.PenPos, s.PolyCount = 1;
  // A solid pen draws nothing for a repeated point (a dense curve has many),
  // and where the runs split does not show; a broken pen's pattern would.
  if (k_.PenStyle == psSolid && s.Poly[static_cast<std::size_t>(s.PolyCount - 1)] == p) return;
  s.Poly[static_cast<std::size_t>(s.PolyCount++)] = p;
  // A full buffer is drawn; its last point starts the next run, so runs join.
  if (s.PolyCount == kPolyLinePoints) FlushPolyLine(t_);
}

// --- Lines ---

void TItemPainter::LineAttributes() {
  if (pc_ != k_.PenColor || it_.PenStyle != k_.PenStyle || fc_ != k_.BrushColor || k_.BrushClear)
    Standard();
}

void TItemPainter::MovePen(TPoint p) {
  FlushPolyLine(t_);
  t_.State.PenPos = p;
  const TPoint pen = CanvasPixel(p, t_.Fine);
  c_.MoveTo(pen.X, pen.Y);
}

// From the surface's pen position, which does not include buffered points;
// in the device's pixels.
TPoint TItemPainter::RelativeTarget() const {
  const TPoint from = c_.PenPos();
  const i64 fine = t_.Fine;
  return {ClampPixel((from.X + RoundLimited(it_.X1)) * fine),
          ClampPixel((from.Y + RoundLimited(it_.Y1)) * fine)};
}

void TItemPainter::LineTo() {
  TPoint p;
  if (!OnePoint(p, t_.Fine)) return;
  LineAttributes();
  AddPoint(p);
}

void TItemPainter::MoveTo() {
  TPoint p;
  if (OnePoint(p, t_.Fine)) MovePen(p);
}

void TItemPainter::RelativeMove() {
  MovePen(RelativeTarget());
}

void TItemPainter::RelativeLine() {
  const TPoint p = RelativeTarget();
  LineAttributes();
  AddPoint(p);
}

void TItemPainter::TwoPointLine() {
  TPoint a, b;
  if (!TwoPoints(a, b)) return;
  Standard();
  if (a == b) {
    c_.SetPixel(a.X, a.Y, pc_);
    return;
  }
  Line(a, b);
}

void TItemPainter::ShiftedLine() {
  const i64 dx = it_.ParamAInt(0), dy = it_.ParamAInt(1);
  const TPoint a = World(it_.X1, it_.Y1, dx, dy), b = World(it_.X2, it_.Y2, dx, dy);
  Standard();
  if (a == b) {
    c_.SetPixel(a.X, a.Y, pc_);
    return;
  }
  Line(a, b);
}

void TItemPainter::LineFromPoint() {
  const TPoint a = World(it_.X1, it_.Y1, 0, 0, t_.Fine);
  const TPoint b = World(it_.X1, it_.Y1, RoundLimited(it_.X2), RoundLimited(it_.Y2), t_.Fine);
  Standard();
  if (a == b) {
    const TPoint dot = CanvasPixel(a, t_.Fine);
    c_.SetPixel(dot.X, dot.Y, pc_);
    return;
  }
  // Following line items continue from the second point.
  t_.State.PenPos = a;
  AddPoint(b);
}

void TItemPainter::FullLine(bool vertical) {
  TPoint p;
  switch (it_.CoordMode) {
    case icWorld:
    case icWorldThenPixel:
      p = World(it_.X1, it_.Y1);
      break;
    case icPixel:
    case icPixelThenWorld:
      p = Pixel(it_.X1, it_.Y1);
      break;
    default:
      return;
  }
  FlushPolyLine(t_);
  c_.Pen().SetColor(pc_);
  c_.Pen().SetStyle(it_.PenStyle);
  c_.Brush().SetColor(fc_);
  k_.PenColor = pc_;
  k_.PenStyle = it_.PenStyle;
  k_.BrushColor = fc_;
  k_.BrushClear = false;
  const TCustomVorel& v = t_.Chart;
  if (vertical) {
    const i64 end = i64{v.Height()} - v.MarginBottom() - v.MarginTop() + t_.OffsetY;
    Line({p.X, t_.OffsetY}, {p.X, ClampPixel(end)});
  } else {
    const i64 end = i64{v.Width()} - v.MarginLeft() - v.MarginRight() + t_.OffsetX;
    Line({t_.OffsetX, p.Y}, {ClampPixel(end), p.Y});
  }
}

// --- Marks ---

bool TItemPainter::InRanges(double x, double y) const {
  const TScaleProps& sx = t_.Chart.ScaleX(layer_);
  const TScaleProps& sy = t_.Chart.ScaleY(layer_);
  return Within(x, sx.RangeLow(), sx.RangeHigh()) && Within(y, sy.RangeLow(), sy.RangeHigh());
}

void TItemPainter::Mark() {
  const TCustomVorel& v = t_.Chart;
  TPoint p;
  if (it_.CoordMode == icWorld) {
    // Outside the ranges the mark is left out, not cut.
    if (!InRanges(it_.X1, it_.Y1)) return;
    p = World(it_.X1, it_.Y1);
  } else {
    const double w = static_cast<double>(v.Width()) - v.MarginRight() - v.MarginLeft();
    const double h = static_cast<double>(v.Height()) - v.MarginBottom() - v.MarginTop();
    if (!(0 <= it_.X1 && it_.X1 <= w && 0 <= it_.Y1 && it_.Y1 <= h)) return;
    p = Pixel(it_.X1, it_.Y1);
  }
  PlaceMark(p);
}

void TItemPainter::PlaceMark(TPoint p) {
  FlushPolyLine(t_);
  PenColor(pc_);
  PenStyle(it_.PenStyle);
  if (t_.Chart.AvoidDuplicateMarks() && DuplicateMark(p, it_.ParamB)) return;
  MarkShape(p);
}

// True when a mark of this type already lies within the minimum distance;
// otherwise claims the cells around p. Cells outside the map are left alone.
bool TItemPainter::DuplicateMark(TPoint p, int type) {
  TRenderState& s = t_.State;
  const int d = t_.Chart.MinDupMarkDist();
  const auto cell = [&](i64 x, i64 y) -> std::int32_t* {
    if (x < 0 || y < 0 || x >= s.DupWidth || y >= s.DupHeight) return nullptr;
    return &s.DupMap[static_cast<std::size_t>(y) * static_cast<std::size_t>(s.DupWidth) +
                     static_cast<std::size_t>(x)];
  };
  const i64 cx = i64{p.X} + d, cy = i64{p.Y} + d;
  if (const std::int32_t* c = cell(cx, cy); c && *c == type) return true;
  for (int j = -d; j <= d; ++j)
    for (int i = -d; i <= d; ++i)
      if (std::int32_t* c = cell(cx + i, cy + j)) *c = type;
  return false;
}

void TItemPainter::PrinterMarkFont() {
  if (!Printer().IsPrinterCanvas(c_) || it_.ParamB <= 51) return;
  SizeFontsForDevice(c_);
  c_.Font().SetSize(it_.ParamAInt(0));
}

void TItemPainter::MarkShape(TPoint p) {
  PrinterMarkFont();
  const auto type = static_cast<std::uint8_t>(it_.ParamB);
  DrawMarkShape(c_, type, p.X, p.Y);
  // Shapes put the brush colour back (solid); characters leave the brush
  // clear and the font in the pen colour.
  if (type > 51) {
    k_.BrushClear = true;
    k_.FontColor = c_.Font().Color();
  } else {
    k_.BrushClear = false;
  }
}

void TItemPainter::ErrorBars() {
  const TCustomVorel& v = t_.Chart;
  const double e1 = std::abs(it_.X2), e2 = std::abs(it_.Y2);
  const TScaleProps& sx = v.ScaleX(layer_);
  const TScaleProps& sy = v.ScaleY(layer_);
  const auto overlaps = [](double lo, double hi, const TScaleProps& s) {
    return lo <= std::max(s.RangeLow(), s.RangeHigh()) &&
           hi >= std::min(s.RangeLow(), s.RangeHigh());
  };
  if (!overlaps(it_.X1 - e1, it_.X1 + e2, sx) || !overlaps(it_.Y1 - e1, it_.Y1 + e2, sy)) return;
  Standard();
  const TPoint p = World(it_.X1, it_.Y1);
  const bool horizontal = it_.ParamAInt(0) != 0;
  const TPoint ends[] = {horizontal ? World(it_.X1 - e1, it_.Y1) : World(it_.X1, it_.Y1 - e1),
                         horizontal ? World(it_.X1 + e2, it_.Y1) : World(it_.X1, it_.Y1 + e2)};
  for (const TPoint& e : ends) {
    Line(p, e);
    if (horizontal)
      Line({e.X, e.Y - 3}, {e.X, e.Y + 4});
    else
      Line({e.X - 3, e.Y}, {e.X + 4, e.Y});
  }
  MarkShape(p);
}

}  // namespace zarn::vorel_detail
