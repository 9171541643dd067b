#pragma once
// The chart's mouse modes: one small object per family, each with its own
// state, and the set that holds them all and picks one by MouseAction.

#include <array>
#include <cstdint>
#include <vector>

#include "chart/model/paint_hold.h"
#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

// Inside the plotting area, edges included.
bool InPlotArea(const TCustomVorel& chart, int X, int Y);
// The point moved to the nearest pixel of the plotting area.
TPoint ClampToPlotArea(const TCustomVorel& chart, int X, int Y);

int SaturateToInt(std::int64_t v);

// Applies a layer's new ranges in one step (SetJointRange under PaintHold,
// which paints when released), then fires OnZoomPan.
void ApplyLayerRanges(TCustomVorel& chart, int layer, double xLow, double yLow, double xHigh,
                      double yHigh);

// The axis band at a pixel: y axes of layers 1 .. 16 first, then x axes.
bool HitAxisBand(const TCustomVorel& chart, int X, int Y, int& layer, bool& xAxis);

// Sets positions and paints once, as the setters' own repaints and the final
// paint would have left it. The setters' repaints are held back only when no
// handler could see them: their pictures are replaced before anyone looks.
template <class Setters>
void ChangeThenPaint(TCustomVorel& chart, Setters&& setters) {
  if (chart.PaintHold() || PaintObservable(chart)) {
    setters();
    chart.Paint();
    return;
  }
  TPaintHold hold(chart);
  setters();
  hold.Release();
}

// The ranges of one layer when a drag started.
struct TLayerDragStart {
  double XLow = 0, XHigh = 1, YLow = 0, YHigh = 1;
};

// The drag in progress. The dragging families share it, so that a drag taken
// over by another mode carries on from where it started.
struct TDragStart {
  bool active = false;
  TPoint pixel{};
  std::array<TLayerDragStart, kVorelLayers + 1> layers{};

  // Records the pixel and every layer's ranges, and marks the drag active.
  void Begin(const TCustomVorel& chart, int X, int Y);
};

// One family of mouse modes. Every hook does nothing unless the family needs it.
class TMouseMode {
 public:
  virtual ~TMouseMode() = default;
  // A left press, after the axis bands had their chance.
  virtual void Press(TCustomVorel&, int /*X*/, int /*Y*/) {}
  // A move with the left button held.
  virtual void Drag(TCustomVorel&, int /*X*/, int /*Y*/) {}
  // A release, before a figure drawn since the press is finished.
  virtual void Release(TCustomVorel&) {}
  // A release, after that figure.
  virtual void Settle(TCustomVorel&) {}
};

// maDragCrossH: the nearest crosshair, caught on the first move.
class TCrossHairDrag final : public TMouseMode {
 public:
  explicit TCrossHairDrag(TDragStart& drag) : drag_(drag) {}
  void Drag(TCustomVorel& chart, int X, int Y) override;

 private:
  TDragStart& drag_;
  int caught_ = 0;  // 0: none
};

// maDragLabel: the nearest visible text label, caught on the first move.
class TLabelDrag final : public TMouseMode {
 public:
  explicit TLabelDrag(TDragStart& drag) : drag_(drag) {}
  void Drag(TCustomVorel& chart, int X, int Y) override;

 private:
  TDragStart& drag_;
  int caught_ = 1;
};

// maPan, maPanHoriz, maPanVert, maPanGrid and maZoomDrag: the layers whose
// mouse switch is on, from their ranges at the drag's start.
class TPanZoomDrag final : public TMouseMode {
 public:
  explicit TPanZoomDrag(TDragStart& drag) : drag_(drag) {}
  void Drag(TCustomVorel& chart, int X, int Y) override;
  void Settle(TCustomVorel& chart) override { chart.ScaleSettingsChanged(); }

 private:
  TDragStart& drag_;
};

// A left press in an axis band hands the drag to that axis, whatever the mode.
class TAxisBandDrag {
 public:
  void Catch(const TCustomVorel& chart, int X, int Y);
  bool Caught() const { return layer_ != 0; }
  void Drag(TCustomVorel& chart, int X, int Y);
  void Stop() { layer_ = 0; }

 private:
  int layer_ = 0;  // 0: none
  bool xAxis_ = false;
  TPoint start_{};
  double low0_ = 0, high0_ = 1;
};

// What a figure draws, fixed at the press so that the figure is erased with
// exactly the strokes that drew it.
enum class TFigureKind : std::uint8_t { Line, Rectangle, Square };

// maRubberBand, maZoomWind, maZoomWindPos and maSelectRect: a figure drawn in
// exclusive-or on the control's surface. Once started it takes the moves and
// the release, whatever the mode has become since.
class TFigureDrawing final : public TMouseMode {
 public:
  void Press(TCustomVorel& chart, int X, int Y) override;
  void Drag(TCustomVorel& chart, int X, int Y) override;
  bool Started() const { return started_; }
  // The left button applies the figure, the right one drops it.
  void Finish(TCustomVorel& chart, TMouseButton Button);

 private:
  void Toggle(TCustomVorel& chart) const;
  void Erase(TCustomVorel& chart);
  void Apply(TCustomVorel& chart) const;

  bool started_ = false;
  bool shown_ = false;  // the figure is on the surface now
  TMouseActMode mode_ = maNone;
  TFigureKind kind_ = TFigureKind::Line;
  TPoint start_{};
  TPoint corner_{};
};

struct TTracePoint {
  double X = 0;  // world units of the active layer
  double Y = 0;
  TColor Color = clWhite;
  bool EndOfStroke = false;
  bool Invert = false;
};

// maDrawMTrace: the freehand trace, recorded while the button is held.
class TMouseTrace final : public TMouseMode {
 public:
  void Drag(TCustomVorel& chart, int X, int Y) override;
  void Release(TCustomVorel&) override;
  const std::vector<TTracePoint>& Points() const { return points_; }
  void Clear() { points_.clear(); }

 private:
  std::vector<TTracePoint> points_;
};

// Every family, held here so that choosing one allocates nothing, and the work
// each mouse event does whatever the mode.
class TMouseModes {
 public:
  TMouseModes() = default;
  TMouseModes(const TMouseModes&) = delete;
  TMouseModes& operator=(const TMouseModes&) = delete;

  void Press(TCustomVorel& chart, int X, int Y);
  void Move(TCustomVorel& chart, TShiftState Shift, int X, int Y);
  void Release(TCustomVorel& chart, TMouseButton Button);
  // The cursor the mode asks for at a pixel inside the plotting area or not.
  void ShowCursor(const TCustomVorel& chart, bool inside);
  // Takes back a cursor the chart set, as the mouse leaves it.
  void RestoreCursor();

  TPoint LastPixel() const { return lastPixel_; }
  TMouseTrace& Trace() { return trace_; }
  const TMouseTrace& Trace() const { return trace_; }

  bool swallow = false;  // the release after a double click
  bool inMouseMove = false;

 private:
  TMouseMode& Active(const TCustomVorel& chart);
  void SetCursor(TCursor cursor);

  TDragStart drag_;
  TAxisBandDrag band_;
  TFigureDrawing figures_;
  TCrossHairDrag crossHair_{drag_};
  TLabelDrag label_{drag_};
  TPanZoomDrag panZoom_{drag_};
  TMouseTrace trace_;
  TMouseMode idle_;  // maNone, maZoom and the modes the chart leaves to others
  TPoint lastPixel_{};
  bool cursorSet_ = false;  // the chart made the screen cursor something other than the default
};

}  // namespace zarn::vorel_detail
