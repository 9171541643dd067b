// The crosshair drag, and moving a crosshair the way a drag does.

#include <cstdint>
#include <cstdlib>
#include <limits>

#include "chart/model/paint_hold.h"
#include "chart/mouse/mouse_modes.h"
#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

namespace {

// As ChangeThenPaint, but where nothing else changed only the crosshairs are
// drawn again.
void SetCrossHairPosition(TCustomVorel& chart, TCrossHair& h, double wx, double wy) {
  if (chart.PaintHold() || vorel_detail::PaintObservable(chart)) {
    vorel_detail::ChangeThenPaint(chart, [&] {
      h.SetPosX(wx);
      h.SetPosY(wy);
    });
    return;
  }
  vorel_detail::TPaintHold hold(chart);
  h.SetPosX(wx);
  h.SetPosY(wy);
  hold.ReleaseQuietly();
  if (!vorel_detail::ComposeCrossHairs(chart)) chart.Paint();
}

bool CatchesVertical(TCrossHMode m) {
  return m == chVert || m == chBoth || m == chCrossBox || m == chBox;
}
bool CatchesHorizontal(TCrossHMode m) {
  return m == chHoriz || m == chBoth || m == chCrossBox || m == chBox;
}

// The crosshair whose line lies nearest; the lower number wins a tie and
// crosshair 1 is caught when all are off. Distances compare as magnitudes,
// which orders like their squares without overflowing.
int CatchCrossHair(TCustomVorel& chart, int X, int Y) {
  int caught = 1;
  std::int64_t best = std::numeric_limits<std::int64_t>::max();
  for (int i = 1; i <= kVorelCrossHairs; ++i) {
    const TCrossHair& h = chart.CrossHair(i);
    if (h.Mode() == chOff) continue;
    int px = 0, py = 0;
    chart.WorldToPixel(h.Layer(), h.PosX(), h.PosY(), px, py);
    if (CatchesVertical(h.Mode())) {
      const std::int64_t d = std::llabs(std::int64_t{px} - X);
      if (d < best) best = d, caught = i;
    }
    if (CatchesHorizontal(h.Mode())) {
      const std::int64_t d = std::llabs(std::int64_t{py} - Y);
      if (d < best) best = d, caught = i;
    }
  }
  return caught;
}

}  // namespace

void TCustomVorel::MoveCrossHair(int index, double x, double y) {
  TCrossHair& h = CrossHair(index);
  SetCrossHairPosition(*this, h, x, y);
  if (OnCrossHairMove) OnCrossHairMove(this, &h);
}

namespace vorel_detail {

// The first move catches a crosshair and asks whether it may go; a refusal is
// asked again on the next move.
void TCrossHairDrag::Drag(TCustomVorel& chart, int X, int Y) {
  if (!InPlotArea(chart, X, Y)) return;
  if (!drag_.active) {
    caught_ = CatchCrossHair(chart, X, Y);
    TCrossHair& h = chart.CrossHair(caught_);
    bool allow = true;
    if (chart.OnBeforeCrossHairMove) {
      int px = 0, py = 0;
      chart.WorldToPixel(h.Layer(), h.PosX(), h.PosY(), px, py);
      chart.OnBeforeCrossHairMove(&chart, &h, SaturateToInt(std::int64_t{X} - px),
                                  SaturateToInt(std::int64_t{Y} - py), allow);
    }
    if (allow) drag_.Begin(chart, X, Y);
    return;
  }
  if (caught_ < 1) return;
  TCrossHair& h = chart.CrossHair(caught_);
  double wx = 0, wy = 0;
  chart.PixelToWorld(h.Layer(), X, Y, wx, wy);
  chart.MoveCrossHair(caught_, wx, wy);
}

}  // namespace vorel_detail

}  // namespace zarn
