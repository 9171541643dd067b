// Layer ranges, joins, axis synchronisation, margins, isometric mode and resizing.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "chart/model/paint_hold.h"
#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

namespace {

constexpr int kMarginLimit = 30000;

// The settings of layer 1 stand for a layer number outside 1 .. 16.
int LayerOrFirst(int layer) {
  return layer >= 1 && layer <= kVorelLayers ? layer : 1;
}

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

bool UsableMargin(int value) {
  return value >= -kMarginLimit && value <= kMarginLimit;
}

// One axis of SetLayerRange: spans too small for the axis and ends a
// logarithmic axis cannot show leave the stored range as it is.
void StoreAxisRange(TScaleProps& axis, double low, double high) {
  if (!std::isfinite(low) || !std::isfinite(high)) return;
  if (axis.MinRange() * 0.99 > std::fabs(high - low)) return;
  if (axis.Logarithmic()) {
    if (low < 1e-100) low = axis.RangeLow();
    if (high < 1e-100) high = axis.RangeHigh();
  }
  axis.StoreRange(low, high);
}

// SetLayerRange short of the transforms, which a propagation recomputes once.
void StoreLayerRange(TCustomVorel& chart, int layer, double xLow, double yLow, double xHigh,
                     double yHigh) {
  StoreAxisRange(chart.ScaleX(layer), xLow, xHigh);
  StoreAxisRange(chart.ScaleY(layer), yLow, yHigh);
  chart.SyncScale(chart.AxisX(layer), chart.ScaleX(layer));
  chart.SyncScale(chart.AxisY(layer), chart.ScaleY(layer));
  vorel_detail::PictureChanged(chart);
}

}  // namespace

TScalePropsHoriz& TCustomVorel::ScaleX(int layer) {
  return *layers_[static_cast<std::size_t>(LayerOrFirst(layer))].x;
}
TScalePropsVert& TCustomVorel::ScaleY(int layer) {
  return *layers_[static_cast<std::size_t>(LayerOrFirst(layer))].y;
}
const TScalePropsHoriz& TCustomVorel::ScaleX(int layer) const {
  return *layers_[static_cast<std::size_t>(LayerOrFirst(layer))].x;
}
const TScalePropsVert& TCustomVorel::ScaleY(int layer) const {
  return *layers_[static_cast<std::size_t>(LayerOrFirst(layer))].y;
}
TScale& TCustomVorel::AxisX(int layer) {
  return *layers_[static_cast<std::size_t>(LayerOrFirst(layer))].xAxis;
}
TScale& TCustomVorel::AxisY(int layer) {
  return *layers_[static_cast<std::size_t>(LayerOrFirst(layer))].yAxis;
}

void TCustomVorel::SetScaleX(int layer, const TScalePropsHoriz& value) {
  ScaleX(layer).Assign(value);
  if (IsDesigning()) Paint();
}

void TCustomVorel::SetScaleY(int layer, const TScalePropsVert& value) {
  ScaleY(layer).Assign(value);
  if (IsDesigning()) Paint();
}

void TCustomVorel::SetJointLayers(const TJointLayers& value) {
  jointLayers_.Assign(value);
  RedrawIfAuto();
}

void TCustomVorel::SyncScale(TScale& axis, const TScaleProps& settings) {
  const TScaleType type = settings.ScaleType();
  const std::int64_t pos = settings.ScalePos();
  axis.SetScaleType(type);
  // The axis line lies on an edge of the plotting area, moved outward by ScalePos.
  switch (type) {
    case sctXB:
      axis.SetMarginBottom(ClampToInt(pos + Height() - settings_.MarginTop - 1));
      break;
    case sctXT:
      axis.SetMarginTop(
          ClampToInt(pos + Height() - settings_.MarginBottom - settings_.ShadowWidth));
      break;
    case sctYL:
      axis.SetMarginLeft(ClampToInt(pos + Width() - settings_.MarginRight - settings_.ShadowWidth));
      break;
    case sctYR:
      axis.SetMarginRight(ClampToInt(pos + Width() - settings_.MarginLeft - 1));
      break;
  }
  axis.SetRangeLow(settings.RangeLow());
  axis.SetRangeHigh(settings.RangeHigh());
  axis.SetVisible(settings.Visible());
  axis.SetCaption(settings.Caption());
  axis.SetCaptionPosX(settings.CaptionPosX());
  axis.SetCaptionPosY(settings.CaptionPosY());
  axis.SetCaptionAlignment(settings.CaptionAlignment());
  axis.SetCaptionAnchor(settings.CaptionAnchor());
  axis.SetColorScale(settings.ColorScale());
  axis.SetDecPlaces(settings.DecPlaces());
  axis.SetLogarithmic(settings.Logarithmic());
  axis.SetLabelType(settings.LabelType());
  axis.SetShortTicks(settings.ShortTicks());
  axis.SetMinTicks(settings.MinTicks());
  axis.SetScaleInscript(settings.ScaleInscript());
  axis.SetUserTickText(settings.UserTickText());
  axis.Font().Assign(settings.Font());
  const TDTLabel& format = settings.DateFormat();
  TDTLabel& target = axis.DateFormat();
  target.SetTimeFormat(format.TimeFormat());
  target.SetDateSeparator(format.DateSeparator());
  target.SetTimeSeparator(format.TimeSeparator());
  target.SetYearLength(format.YearLength());
  target.SetMonthName(format.MonthName());
  target.SetDateOrder(format.DateOrder());
  target.SetDateForTime(format.DateForTime());
}

void TCustomVorel::SyncAllScales() {
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    TLayer& l = layers_[static_cast<std::size_t>(layer)];
    SyncScale(*l.xAxis, *l.x);
    SyncScale(*l.yAxis, *l.y);
  }
}

void TCustomVorel::SetAxisMargins(int layer) {
  TLayer& l = layers_[static_cast<std::size_t>(LayerOrFirst(layer))];
  l.xAxis->SetMarginLeft(settings_.MarginLeft);
  l.xAxis->SetMarginRight(settings_.MarginRight + settings_.ShadowWidth - 1);
  l.yAxis->SetMarginTop(settings_.MarginTop);
  l.yAxis->SetMarginBottom(settings_.MarginBottom + settings_.ShadowWidth - 1);
}

void TCustomVorel::SetLayerRange(int layer, double xLow, double yLow, double xHigh, double yHigh) {
  if (layer < 1 || layer > kVorelLayers) return;
  StoreLayerRange(*this, layer, xLow, yLow, xHigh, yHigh);
  RecalcTransforms();
}

void TCustomVorel::SetJointRange(int layer, double xLow, double yLow, double xHigh, double yHigh) {
  if (layer < 1 || layer > kVorelLayers) return;
  vorel_detail::PictureChanged(*this);
  vorel_detail::TPaintHold hold(*this);
  // A joined axis follows its leader and is not moved on its own.
  if (jointLayers_.XControlledBy(layer) != layer) {
    xLow = ScaleX(layer).RangeLow();
    xHigh = ScaleX(layer).RangeHigh();
  }
  if (jointLayers_.YControlledBy(layer) != layer) {
    yLow = ScaleY(layer).RangeLow();
    yHigh = ScaleY(layer).RangeHigh();
  }
  StoreLayerRange(*this, layer, xLow, yLow, xHigh, yHigh);
  for (int i = 1; i <= kVorelLayers; ++i) {
    const int xLeader = jointLayers_.XControlledBy(i);
    const int yLeader = jointLayers_.YControlledBy(i);
    if (i == layer || (xLeader != layer && yLeader != layer)) continue;
    const TScaleProps& x = ScaleX(xLeader);
    const TScaleProps& y = ScaleY(yLeader);
    StoreLayerRange(*this, i, x.RangeLow(), y.RangeLow(), x.RangeHigh(), y.RangeHigh());
  }
  // Once for the leader and all its followers: nothing paints in between.
  RecalcTransforms();
  hold.Release();
}

void TCustomVorel::ScaleSettingsChanged() {
  // Syncing and propagating ranges can report changes again; one pass is enough.
  if (reactingToSettings_) return;
  vorel_detail::PictureChanged(*this);
  vorel_detail::TPaintHold hold(*this, true);
  SyncAllScales();
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    const TScaleProps& x = ScaleX(layer);
    const TScaleProps& y = ScaleY(layer);
    SetJointRange(layer, x.RangeLow(), y.RangeLow(), x.RangeHigh(), y.RangeHigh());
  }
  // One paint, whatever the hold was.
  hold.PaintOnce();
}

void TCustomVorel::ApplyIsometric(int layer) {
  if (PlotWidth() == 0 || settings_.AspectX == 0) return;  // no proportion to keep
  TScaleProps& x = ScaleX(layer);
  TScaleProps& y = ScaleY(layer);
  const double middle = y.RangeHigh() / 2 + y.RangeLow() / 2;
  const double half = (x.RangeHigh() - x.RangeLow()) * PlotHeight() / PlotWidth() *
                      settings_.AspectY / settings_.AspectX / 2;
  y.SetRangeHigh(middle + half);
  y.SetRangeLow(middle - half);
}

void TCustomVorel::SetIsometric(bool value) {
  settings_.Isometric = value;
  if (!value) return;
  for (int layer = 1; layer <= kVorelLayers; ++layer)
    ApplyIsometric(layer);
  RedrawIfAuto();
}

int TCustomVorel::PlotWidth() const {
  const vorel_detail::TPlotEdges e = vorel_detail::PlotEdges(*this);
  return ClampToInt(std::max<std::int64_t>(e.Right - e.Left + 1, 0));
}

int TCustomVorel::PlotHeight() const {
  const vorel_detail::TPlotEdges e = vorel_detail::PlotEdges(*this);
  return ClampToInt(std::max<std::int64_t>(e.Bottom - e.Top + 1, 0));
}

void TCustomVorel::ResizePlotImage() {
  if (vorel_detail::HasCanvasSize(plotImage_, PlotWidth(), PlotHeight(), DeviceScale())) return;
  plotImage_.SetCanvasSize(PlotWidth(), PlotHeight(), DeviceScale());
  // The frame was drawn around the plotting area of the old size.
  vorel_detail::FrameChanged(*this);
}

void TCustomVorel::MarginsChanged(bool adjustIsometric) {
  ResizePlotImage();
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    if (adjustIsometric && settings_.Isometric) ApplyIsometric(layer);
    TLayer& l = layers_[static_cast<std::size_t>(layer)];
    SyncScale(*l.xAxis, *l.x);
    SyncScale(*l.yAxis, *l.y);
    SetAxisMargins(layer);
  }
  RecalcTransforms();
  RedrawIfAuto();
}

void TCustomVorel::SetMarginLeft(int value) {
  if (!UsableMargin(value)) return;
  settings_.MarginLeft = value;
  MarginsChanged(true);
}

void TCustomVorel::SetMarginRight(int value) {
  if (!UsableMargin(value)) return;
  settings_.MarginRight = value;
  MarginsChanged(true);
}

void TCustomVorel::SetMarginTop(int value) {
  if (!UsableMargin(value)) return;
  settings_.MarginTop = value;
  MarginsChanged(true);
}

void TCustomVorel::SetMarginBottom(int value) {
  if (!UsableMargin(value)) return;
  settings_.MarginBottom = value;
  MarginsChanged(true);
}

void TCustomVorel::SetShadowWidth(int value) {
  settings_.ShadowWidth = std::clamp(value, 0, 32);
  MarginsChanged(false);
}

void TCustomVorel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  // Margins are within ±30000, so these sums cannot overflow 64 bits.
  AWidth = ClampToInt(std::max<std::int64_t>(
      AWidth,
      std::int64_t{settings_.MarginLeft} + settings_.MarginRight + settings_.ShadowWidth + 80));
  AHeight = ClampToInt(std::max<std::int64_t>(
      AHeight,
      std::int64_t{settings_.MarginTop} + settings_.MarginBottom + settings_.ShadowWidth + 20));
  if (!layers_[1].x) {  // still being built
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    return;
  }
  vorel_detail::PictureChanged(*this);
  vorel_detail::TPaintHold hold(*this);
  try {
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    ResizePlotImage();
    for (int layer = 1; layer <= kVorelLayers; ++layer) {
      if (settings_.Isometric) ApplyIsometric(layer);
      TLayer& l = layers_[static_cast<std::size_t>(layer)];
      SyncScale(*l.xAxis, *l.x);
      SyncScale(*l.yAxis, *l.y);
      l.xAxis->SetBounds(l.xAxis->Left(), l.xAxis->Top(), Width(), Height());
      l.yAxis->SetBounds(l.yAxis->Left(), l.yAxis->Top(), Width(), Height());
      SetAxisMargins(layer);
    }
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    RecalcTransforms();
  } catch (const EZarnVorelError&) {
    // Resizing comes from the platform: a logarithmic axis that cannot be
    // mapped keeps its old transform, and the paint that follows stops on it.
    return;
  }
  hold.Release();
}

void TCustomVorel::ApplyLayerDefaults(int layer) {
  static constexpr std::array<TColor, kVorelLayers> kLayerColors = {
      clBlack,  clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clGray,
      clSilver, clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
  if (layer < 1 || layer > kVorelLayers) return;
  vorel_detail::PictureChanged(*this);
  vorel_detail::TPaintHold hold(*this, true);
  TLayer& l = layers_[static_cast<std::size_t>(layer)];
  const TColor color = kLayerColors[static_cast<std::size_t>(layer - 1)];
  l.x->SetColorScale(color);
  l.y->SetColorScale(color);
  const bool odd = layer % 2 == 1;
  const int step = (layer - 1) / 2;
  l.x->StorePlacement(odd ? sctXT : sctXB, step * 30, l.x->VerticalPos());
  l.y->StorePlacement(odd ? sctYR : sctYL, l.y->HorizontalPos(), step * 50);
  SyncScale(*l.xAxis, *l.x);
  SyncScale(*l.yAxis, *l.y);
  hold.ReleaseQuietly();
}

}  // namespace zarn
