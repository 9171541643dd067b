#pragma once
// The chart's mouse state: drags, rectangles, the recorded trace and the
// double-click swallow flag, and the small geometry the mouse handling shares.

#include <array>
#include <cstdint>
#include <vector>

#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

struct TTracePoint {
  double X = 0;  // world units of the active layer
  double Y = 0;
  TColor Color = clWhite;
  bool EndOfStroke = false;
  bool Invert = false;
};

// The ranges of one layer when a pan or zoom drag started.
struct TLayerDragStart {
  double XLow = 0, XHigh = 1, YLow = 0, YHigh = 1;
};

// What a rectangle drag draws, fixed at the press so that the figure is
// erased with exactly the strokes that drew it.
enum class TFigureKind : std::uint8_t { Line, Rectangle, Square };

struct TMouseState {
  int caughtCrossHair = 0;  // 0: none
  int caughtLabel = 1;
  bool dragActive = false;
  TPoint dragStart{};
  std::array<TLayerDragStart, kVorelLayers + 1> layerStart{};
  TPoint lastPixel{};

  bool rectStarted = false;
  bool figureShown = false;  // the exclusive-or figure is on the surface now
  TMouseActMode rectMode = maNone;
  TFigureKind figure = TFigureKind::Line;
  TPoint rectStart{};
  TPoint rectCorner{};

  std::vector<TTracePoint> trace;

  // A drag in an axis band, caught by the press (layer 0: none).
  int bandLayer = 0;
  bool bandXAxis = false;
  TPoint bandStart{};
  double bandLow0 = 0, bandHigh0 = 1;

  bool swallow = false;
  bool inMouseMove = false;
  bool cursorSet = false;  // the chart made the screen cursor something other than the default
};

// Inside the plotting area, edges included.
bool InPlotArea(const TCustomVorel& chart, int X, int Y);
// The point moved to the nearest pixel of the plotting area.
TPoint ClampToPlotArea(const TCustomVorel& chart, int X, int Y);

int SaturateToInt(std::int64_t v);

// Applies a layer's new ranges in one step (SetJointRange under PaintHold,
// which paints when released), then fires OnZoomPan.
void ApplyLayerRanges(TCustomVorel& chart, int layer, double xLow, double yLow, double xHigh,
                      double yHigh);
// The drag's start pixel and every layer's ranges.
void RecordDragStart(const TCustomVorel& chart, TMouseState& m, int X, int Y);
// One move of maPan, maPanHoriz, maPanVert, maPanGrid or maZoomDrag.
void PanOrZoomStep(TCustomVorel& chart, TMouseState& m, TMouseActMode mode, int X, int Y);

// The axis band at a pixel: y axes of layers 1 .. 16 first, then x axes.
bool HitAxisBand(const TCustomVorel& chart, int X, int Y, int& layer, bool& xAxis);
// A left press in a band hands the drag to that axis.
void CatchAxisBand(const TCustomVorel& chart, TMouseState& m, int X, int Y);
void DragAxisBand(TCustomVorel& chart, TMouseState& m, int X, int Y);

// Rectangle drags (rubber band, zoom windows, selection).
void StartFigure(TCustomVorel& chart, TMouseState& m, int X, int Y);
void MoveFigure(TCustomVorel& chart, TMouseState& m, int X, int Y);
void FinishFigure(TCustomVorel& chart, TMouseState& m);
void CancelFigure(TCustomVorel& chart, TMouseState& m);

// The mouse trace.
void AppendTracePoint(TCustomVorel& chart, TMouseState& m, int X, int Y);
void EndTraceStroke(TMouseState& m);

}  // namespace zarn::vorel_detail
