// Mouse interaction: the platform's input entry points, the crosshair and
// label drags, the cursor, and the pieces every mode shares.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "chart/model/paint_hold.h"
#include "chart/mouse/mouse_state.h"
#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"
#include "platform/application.h"

namespace zarn {

namespace vorel_detail {

bool InPlotArea(const TCustomVorel& chart, int X, int Y) {
  const TPlotEdges e = PlotEdges(chart);
  return X >= e.Left && X <= e.Right && Y >= e.Top && Y <= e.Bottom;
}

TPoint ClampToPlotArea(const TCustomVorel& chart, int X, int Y) {
  const auto clamp = [](std::int64_t v, std::int64_t lo, std::int64_t hi) {
    return static_cast<int>(v > hi ? (hi < lo ? lo : hi) : (v < lo ? lo : v));
  };
  const TPlotEdges e = PlotEdges(chart);
  return Point(clamp(X, e.Left, e.Right), clamp(Y, e.Top, e.Bottom));
}

int SaturateToInt(std::int64_t v) {
  constexpr std::int64_t lo = std::numeric_limits<int>::min();
  constexpr std::int64_t hi = std::numeric_limits<int>::max();
  return static_cast<int>(v < lo ? lo : (v > hi ? hi : v));
}

}  // namespace vorel_detail

namespace {

using vorel_detail::InPlotArea;
using vorel_detail::SaturateToInt;
using vorel_detail::TMouseState;

// Sets positions and paints once, as the setters' own repaints and the final
// paint would have left it. The setters' repaints are held back only when no
// handler could see them: their pictures are replaced before anyone looks.
template <class Setters>
void ChangeThenPaint(TCustomVorel& chart, Setters&& setters) {
  if (chart.PaintHold() || vorel_detail::PaintObservable(chart)) {
    setters();
    chart.Paint();
    return;
  }
  vorel_detail::TPaintHold hold(chart);
  setters();
  hold.Release();
}

// As ChangeThenPaint, but where nothing else changed only the crosshairs are
// drawn again.
void SetCrossHairPosition(TCustomVorel& chart, TCrossHair& h, double wx, double wy) {
  if (chart.PaintHold() || vorel_detail::PaintObservable(chart)) {
    ChangeThenPaint(chart, [&] {
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

void DragCrossHair(TCustomVorel& chart, TMouseState& m, TShiftState Shift, int X, int Y) {
  if (!Shift.Contains(ssLeft) || !InPlotArea(chart, X, Y)) return;
  if (!m.dragActive) {
    m.caughtCrossHair = CatchCrossHair(chart, X, Y);
    TCrossHair& h = chart.CrossHair(m.caughtCrossHair);
    bool allow = true;
    if (chart.OnBeforeCrossHairMove) {
      int px = 0, py = 0;
      chart.WorldToPixel(h.Layer(), h.PosX(), h.PosY(), px, py);
      chart.OnBeforeCrossHairMove(&chart, &h, SaturateToInt(std::int64_t{X} - px),
                                  SaturateToInt(std::int64_t{Y} - py), allow);
    }
    if (allow) {
      vorel_detail::RecordDragStart(chart, m, X, Y);
      m.dragActive = true;
    }
    return;
  }
  if (m.caughtCrossHair < 1) return;
  TCrossHair& h = chart.CrossHair(m.caughtCrossHair);
  double wx = 0, wy = 0;
  chart.PixelToWorld(h.Layer(), X, Y, wx, wy);
  chart.MoveCrossHair(m.caughtCrossHair, wx, wy);
}

TPoint LabelAnchor(const TCustomVorel& chart, const TTextLabel& label) {
  int mx = 0, my = 0;
  const TTxtLblAttachMode a = label.AttachToData();
  if (a != tlamNone) chart.WorldToPixel(label.Layer(), label.PosX(), label.PosY(), mx, my);
  const auto toPixel = [](double v) { return static_cast<int>(vorel_detail::RoundLimited(v)); };
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

void DragTextLabel(TCustomVorel& chart, TMouseState& m, TShiftState Shift, int X, int Y) {
  if (!Shift.Contains(ssLeft)) return;
  if (!m.dragActive) {
    m.caughtLabel = CatchTextLabel(chart, X, Y);
    vorel_detail::RecordDragStart(chart, m, X, Y);
    m.dragActive = true;
    return;
  }
  // TextLabel() keeps the index in 1 .. 50, so a drag taken over from another
  // mode moves label 1.
  TTextLabel& l = chart.TextLabel(m.caughtLabel);
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

// False when the mode leaves the cursor as it is.
bool CursorForMode(TMouseActMode mode, TCursor& cursor) {
  switch (mode) {
    case maNone:
      cursor = crCross;
      return true;
    case maPan:
    case maPanHoriz:
    case maPanVert:
    case maPanGrid:
      cursor = TCustomVorel::crVorelHand;
      return true;
    case maZoomWind:
      cursor = TCustomVorel::crVorelZoomWind;
      return true;
    case maZoomWindPos:
      cursor = TCustomVorel::crVorelZoomPos;
      return true;
    case maZoomDrag:
      cursor = TCustomVorel::crVorelZoomDrag;
      return true;
    case maRubberBand:
    case maDragCrossH:
    case maDragLabel:
    case maSelectRect:
      cursor = crDefault;
      return true;
    default:
      return false;
  }
}

void ShowCursor(TMouseState& m, TCursor cursor) {
  m.cursorSet = cursor != crDefault;
  // Setting the same cursor again changes nothing anyone can see.
  if (Screen().Cursor() != cursor) Screen().SetCursor(cursor);
}

bool IsPanOrZoomDrag(TMouseActMode mode) {
  return mode == maPan || mode == maPanHoriz || mode == maPanVert || mode == maPanGrid ||
         mode == maZoomDrag;
}

bool IsRectangleMode(TMouseActMode mode) {
  return mode == maRubberBand || mode == maZoomWind || mode == maZoomWindPos ||
         mode == maSelectRect;
}

}  // namespace

bool TCustomVorel::MouseLayer(int layer) const {
  return layer >= 1 && layer <= kVorelLayers && mouseLayers_[static_cast<std::size_t>(layer)];
}

void TCustomVorel::MoveCrossHair(int index, double x, double y) {
  TCrossHair& h = CrossHair(index);
  SetCrossHairPosition(*this, h, x, y);
  if (OnCrossHairMove) OnCrossHairMove(this, &h);
}

void TCustomVorel::SetMouseLayer(int layer, bool value) {
  if (layer >= 1 && layer <= kVorelLayers) mouseLayers_[static_cast<std::size_t>(layer)] = value;
}

// No exception leaves an input entry point: the backend calls them from its
// event loop, which cannot take one. The failing step is dropped, as a failed
// paint is.
void TCustomVorel::DispatchMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!Enabled()) return;
  TMouseState& m = *mouse_;
  try {
    // The double click's own press; the swallow flag waits for the release.
    if (Shift.Contains(ssDouble)) {
      TCustomControl::DispatchMouseDown(Button, Shift, X, Y);
      return;
    }
    if (m.swallow) {
      m.swallow = false;
      return;
    }
    TCustomControl::DispatchMouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    vorel_detail::CatchAxisBand(*this, m, X, Y);
    if (IsRectangleMode(mouseAction_) && InPlotArea(*this, X, Y))
      vorel_detail::StartFigure(*this, m, X, Y);
  } catch (...) {
  }
}

void TCustomVorel::DispatchMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!Enabled()) return;
  TMouseState& m = *mouse_;
  if (m.swallow) {
    m.swallow = false;
    return;
  }
  try {
    m.dragActive = false;
    m.bandLayer = 0;
    if (mouseAction_ == maDrawMTrace) vorel_detail::EndTraceStroke(m);
    if (m.rectStarted) {
      if (Button == mbLeft) vorel_detail::FinishFigure(*this, m);
      if (Button == mbRight) vorel_detail::CancelFigure(*this, m);
    }
    if (IsPanOrZoomDrag(mouseAction_)) ScaleSettingsChanged();
  } catch (...) {
  }
  try {
    TCustomControl::DispatchMouseUp(Button, Shift, X, Y);
  } catch (...) {
  }
}

void TCustomVorel::DispatchMouseMove(TShiftState Shift, int X, int Y) {
  TMouseState& m = *mouse_;
  // A handler that pumps messages must not run the move handling inside itself.
  if (m.inMouseMove || !Enabled()) return;
  m.inMouseMove = true;
  try {
    TCustomControl::DispatchMouseMove(Shift, X, Y);
    if (OnMouseMoveInChart) {
      double wx = 0, wy = 0;
      PixelToWorld(activeLayer_, X, Y, wx, wy);
      OnMouseMoveInChart(this, InPlotArea(*this, X, Y), Shift, wx, wy);
    }
  } catch (...) {
  }
  m.inMouseMove = false;
}

void TCustomVorel::DispatchDblClick(TShiftState Shift, int X, int Y) {
  if (!Enabled()) return;
  TMouseState& m = *mouse_;
  m.swallow = true;
  try {
    int layer = 0;
    bool xAxis = false;
    if (vorel_detail::HitAxisBand(*this, m.lastPixel.X, m.lastPixel.Y, layer, xAxis)) {
      TScaleProps& s = xAxis ? static_cast<TScaleProps&>(ScaleX(layer)) : ScaleY(layer);
      if (s.MouseAction() == maPan)
        s.SetMouseAction(maZoom);
      else if (s.MouseAction() == maZoom)
        s.SetMouseAction(maPan);
    }
    TCustomControl::DispatchDblClick(Shift, X, Y);
  } catch (...) {
  }
}

void TCustomVorel::DispatchMouseLeave() {
  try {
    TCustomControl::DispatchMouseLeave();
    // The cursor is the application's: leaving the chart must not take a
    // hand or magnifier along to the other controls.
    if (mouse_->cursorSet) ShowCursor(*mouse_, crDefault);
  } catch (...) {
  }
}

int TCustomVorel::DlgCode() {
  return DLGC_WANTARROWS | DLGC_WANTTAB;
}

void TCustomVorel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  TMouseState& m = *mouse_;
  m.lastPixel = Point(X, Y);
  const bool left = Shift.Contains(ssLeft);
  if (!left) m.bandLayer = 0;
  if (m.bandLayer != 0) {
    vorel_detail::DragAxisBand(*this, m, X, Y);
  } else if (m.rectStarted) {
    if (left) vorel_detail::MoveFigure(*this, m, X, Y);
  } else if (mouseAction_ == maDragCrossH) {
    DragCrossHair(*this, m, Shift, X, Y);
  } else if (mouseAction_ == maDragLabel) {
    DragTextLabel(*this, m, Shift, X, Y);
  } else if (IsPanOrZoomDrag(mouseAction_)) {
    if (left) vorel_detail::PanOrZoomStep(*this, m, mouseAction_, X, Y);
  } else if (mouseAction_ == maDrawMTrace) {
    if (left) vorel_detail::AppendTracePoint(*this, m, X, Y);
  }
  if (!left) m.dragActive = false;

  const bool inside = InPlotArea(*this, X, Y);
  if (inside) PixelToWorld(activeLayer_, X, Y, lastMouseWorldX_, lastMouseWorldY_);
  TCursor cursor = crDefault;
  if (!inside || mouseCursorFixed_ || CursorForMode(mouseAction_, cursor)) ShowCursor(m, cursor);
}

}  // namespace zarn
