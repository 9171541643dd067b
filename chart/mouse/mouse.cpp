// Mouse interaction: the platform's input entry points, the work every event
// does whatever the mode, and the choice of the mode that does the rest.

#include <cstdint>
#include <limits>

#include "chart/mouse/mouse_modes.h"
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

namespace {

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

}  // namespace

TMouseMode& TMouseModes::Active(const TCustomVorel& chart) {
  switch (chart.MouseAction()) {
    case maDragCrossH:
      return crossHair_;
    case maDragLabel:
      return label_;
    case maPan:
    case maPanHoriz:
    case maPanVert:
    case maPanGrid:
    case maZoomDrag:
      return panZoom_;
    case maRubberBand:
    case maZoomWind:
    case maZoomWindPos:
    case maSelectRect:
      return figures_;
    case maDrawMTrace:
      return trace_;
    default:
      return idle_;
  }
}

void TMouseModes::Press(TCustomVorel& chart, int X, int Y) {
  band_.Catch(chart, X, Y);
  Active(chart).Press(chart, X, Y);
}

void TMouseModes::Move(TCustomVorel& chart, TShiftState Shift, int X, int Y) {
  lastPixel_ = Point(X, Y);
  const bool left = Shift.Contains(ssLeft);
  if (!left) band_.Stop();
  if (band_.Caught()) {
    band_.Drag(chart, X, Y);
  } else if (left) {
    TMouseMode& mode = figures_.Started() ? static_cast<TMouseMode&>(figures_) : Active(chart);
    mode.Drag(chart, X, Y);
  }
  if (!left) drag_.active = false;
}

// The mode is asked again after the figure: its handlers may have changed it.
void TMouseModes::Release(TCustomVorel& chart, TMouseButton Button) {
  drag_.active = false;
  band_.Stop();
  Active(chart).Release(chart);
  if (figures_.Started()) figures_.Finish(chart, Button);
  Active(chart).Settle(chart);
}

void TMouseModes::ShowCursor(const TCustomVorel& chart, bool inside) {
  TCursor cursor = crDefault;
  if (!inside || chart.MouseCursorFixed() || CursorForMode(chart.MouseAction(), cursor))
    SetCursor(cursor);
}

// The cursor is the application's: leaving the chart must not take a hand or
// magnifier along to the other controls.
void TMouseModes::RestoreCursor() {
  if (cursorSet_) SetCursor(crDefault);
}

void TMouseModes::SetCursor(TCursor cursor) {
  cursorSet_ = cursor != crDefault;
  // Setting the same cursor again changes nothing anyone can see.
  if (Screen().Cursor() != cursor) Screen().SetCursor(cursor);
}

}  // namespace vorel_detail

namespace {

// No exception leaves an input entry point: the backend calls them from its
// event loop, which cannot take one. The failing step is dropped, as a failed
// paint is.
template <class Step>
void Shielded(Step&& step) {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace

bool TCustomVorel::MouseLayer(int layer) const {
  return layer >= 1 && layer <= kVorelLayers && mouseLayers_[static_cast<std::size_t>(layer)];
}

void TCustomVorel::SetMouseLayer(int layer, bool value) {
  if (layer >= 1 && layer <= kVorelLayers) mouseLayers_[static_cast<std::size_t>(layer)] = value;
}

void TCustomVorel::DispatchMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!Enabled()) return;
  vorel_detail::TMouseModes& m = *mouse_;
  Shielded([&] {
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
    if (Button == mbLeft) m.Press(*this, X, Y);
  });
}

void TCustomVorel::DispatchMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!Enabled()) return;
  vorel_detail::TMouseModes& m = *mouse_;
  if (m.swallow) {
    m.swallow = false;
    return;
  }
  Shielded([&] { m.Release(*this, Button); });
  Shielded([&] { TCustomControl::DispatchMouseUp(Button, Shift, X, Y); });
}

void TCustomVorel::DispatchMouseMove(TShiftState Shift, int X, int Y) {
  vorel_detail::TMouseModes& m = *mouse_;
  // A handler that pumps messages must not run the move handling inside itself.
  if (m.inMouseMove || !Enabled()) return;
  m.inMouseMove = true;
  Shielded([&] {
    TCustomControl::DispatchMouseMove(Shift, X, Y);
    if (OnMouseMoveInChart) {
      double wx = 0, wy = 0;
      PixelToWorld(activeLayer_, X, Y, wx, wy);
      OnMouseMoveInChart(this, vorel_detail::InPlotArea(*this, X, Y), Shift, wx, wy);
    }
  });
  m.inMouseMove = false;
}

void TCustomVorel::DispatchDblClick(TShiftState Shift, int X, int Y) {
  if (!Enabled()) return;
  vorel_detail::TMouseModes& m = *mouse_;
  m.swallow = true;
  Shielded([&] {
    int layer = 0;
    bool xAxis = false;
    const TPoint p = m.LastPixel();
    if (vorel_detail::HitAxisBand(*this, p.X, p.Y, layer, xAxis)) {
      TScaleProps& s = xAxis ? static_cast<TScaleProps&>(ScaleX(layer)) : ScaleY(layer);
      if (s.MouseAction() == maPan)
        s.SetMouseAction(maZoom);
      else if (s.MouseAction() == maZoom)
        s.SetMouseAction(maPan);
    }
    TCustomControl::DispatchDblClick(Shift, X, Y);
  });
}

void TCustomVorel::DispatchMouseLeave() {
  Shielded([&] {
    TCustomControl::DispatchMouseLeave();
    mouse_->RestoreCursor();
  });
}

int TCustomVorel::DlgCode() {
  return DLGC_WANTARROWS | DLGC_WANTTAB;
}

void TCustomVorel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  mouse_->Move(*this, Shift, X, Y);
  const bool inside = vorel_detail::InPlotArea(*this, X, Y);
  if (inside) PixelToWorld(activeLayer_, X, Y, lastMouseWorldX_, lastMouseWorldY_);
  mouse_->ShowCursor(*this, inside);
}

}  // namespace zarn
