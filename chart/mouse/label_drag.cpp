// The text label drag.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "chart/mouse/mouse_modes.h"
#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

namespace {

TPoint LabelAnchor(const TCustomVorel& chart, const TTextLabel& label) {
  int mx = 0, my = 0;
  const TTxtLblAttachMode a = label.AttachToData();
  if (a != tlamNone) chart.WorldToPixel(label.Layer(), label.PosX(), label.PosY(), mx, my);
  const auto toPixel = [](double v) { return static_cast<int>(RoundLimited(v)); };
  return Point(a == tlamXOnly || a == tlamBoth ? mx : toPixel(label.PosX()),
               a == tlamYOnly || a == tlamBoth ? my : toPixel(label.PosY()));
}

// Each distance is cut at 2^31 so that the sum of squares fits 64 bits.
std::uint64_t SquaredDistance(TPoint a, int X, int Y) {
  constexpr std::uint64_t cap = std::uint64_t{1} << 31;
  const auto sq = [](std::int64_t d) {
    const std::uint64_t u = static_cast<std::uint64_t>(std::llabs(d));
    const std::uint64_t c = u > cap ? cap : u;
    return c * c;
  };
  return sq(std::int64_t{a.X} - X) + sq(std::int64_t{a.Y} - Y);
}

int CatchTextLabel(const TCustomVorel& chart, int X, int Y) {
  int caught = 1;
  std::uint64_t best = std::numeric_limits<std::uint64_t>::max();
  for (int i = 1; i <= kVorelTextLabels; ++i) {
    const TTextLabel& l = chart.TextLabel(i);
    if (l.Mode() == tlOff || !l.Visible()) continue;
    const std::uint64_t d = SquaredDistance(LabelAnchor(chart, l), X, Y);
    if (d < best) best = d, caught = i;
  }
  return caught;
}

}  // namespace

void TLabelDrag::Drag(TCustomVorel& chart, int X, int Y) {
  if (!drag_.active) {
    caught_ = CatchTextLabel(chart, X, Y);
    drag_.Begin(chart, X, Y);
    return;
  }
  // A drag taken over from another mode moves the label caught last, label 1
  // before any.
  TTextLabel& l = chart.TextLabel(caught_);
  double wx = 0, wy = 0;
  chart.PixelToWorld(l.Layer(), X, Y, wx, wy);
  const TTxtLblAttachMode a = l.AttachToData();
  const double x = a == tlamXOnly || a == tlamBoth ? wx : X;
  const double y = a == tlamYOnly || a == tlamBoth ? wy : Y;
  ChangeThenPaint(chart, [&] {
    // An area without extent has no world position to give.
    if (std::isfinite(x)) l.SetPosX(x);
    if (std::isfinite(y)) l.SetPosY(y);
  });
  if (chart.OnTextLabelMove) chart.OnTextLabelMove(&chart, &l);
}

}  // namespace zarn::vorel_detail
