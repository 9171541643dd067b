// The chart's own appearance and drawing settings and their setters.

#include <algorithm>
#include <cmath>

#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

void TCustomVorel::SetAvoidDuplicateMarks(bool value) {
  if (value == settings_.AvoidDuplicateMarks) return;
  settings_.AvoidDuplicateMarks = value;
  vorel_detail::PlotChanged(*this);
  Paint();
}

void TCustomVorel::SetMinDupMarkDist(int value) {
  value = std::clamp(value, 1, 3);
  if (value == settings_.MinDupMarkDist) return;
  settings_.MinDupMarkDist = value;
  vorel_detail::PlotChanged(*this);
  Paint();
}

void TCustomVorel::SetClassDefault(std::uint8_t value) {
  if (value != 255) settings_.ClassDefault = value;
}

void TCustomVorel::SetGridStyle(GridStyleType value) {
  settings_.GridStyle = value;
  RedrawIfAuto();
}

// Steps below -3 mean nothing, and steps that are not finite would reach the
// pixel conversion.
void TCustomVorel::SetGridDx(double value) {
  if (!(value >= -3) || !std::isfinite(value)) return;
  settings_.GridDx = value;
  RedrawIfAuto();
}

void TCustomVorel::SetGridDy(double value) {
  if (!(value >= -3) || !std::isfinite(value)) return;
  settings_.GridDy = value;
  RedrawIfAuto();
}

void TCustomVorel::SetGridColor(TColor value) {
  settings_.GridColor = value;
  RedrawIfAuto();
}

void TCustomVorel::SetChartFrameColor(TColor value) {
  settings_.ChartFrameColor = value;
  RedrawIfAuto();
}

void TCustomVorel::SetChartColor(TColor value) {
  settings_.ChartColor = value;
  RedrawIfAuto();
}

void TCustomVorel::SetWindColor(TColor value) {
  settings_.WindColor = value;
  RedrawIfAuto();
}

void TCustomVorel::SetCaption(const std::string& value) {
  settings_.Caption = value;
  RedrawIfAuto();
}

void TCustomVorel::SetCaptionPosX(int value) {
  settings_.CaptionPosX = value;
  RedrawIfAuto();
}

void TCustomVorel::SetCaptionPosY(int value) {
  settings_.CaptionPosY = value;
  RedrawIfAuto();
}

void TCustomVorel::SetCaptionAlignment(TAlignment value) {
  settings_.CaptionAlignment = value;
  RedrawIfAuto();
}

void TCustomVorel::SetCaptionAnchorHoriz(TCaptionAnchorHoriz value) {
  settings_.CaptionAnchorHoriz = value;
  RedrawIfAuto();
}

void TCustomVorel::SetCaptionAnchorVert(TCaptionAnchorVert value) {
  settings_.CaptionAnchorVert = value;
  RedrawIfAuto();
}

// 0 switches trimming off.
void TCustomVorel::SetCaptionTrim(int value) {
  settings_.CaptionTrim = value == 0 ? 0 : std::clamp(value, 5, 100);
  RedrawIfAuto();
}

void TCustomVorel::SetPanGridDx(double value) {
  if (std::isfinite(value)) settings_.PanGridDx = value;
}

void TCustomVorel::SetPanGridDy(double value) {
  if (std::isfinite(value)) settings_.PanGridDy = value;
}

void TCustomVorel::SetPanGridOffsX(double value) {
  if (std::isfinite(value)) settings_.PanGridOffsX = value;
}

void TCustomVorel::SetPanGridOffsY(double value) {
  if (std::isfinite(value)) settings_.PanGridOffsY = value;
}

void TCustomVorel::SetShadowStyle(TShadowStyle value) {
  settings_.ShadowStyle = value;
  RedrawIfAuto();
}

void TCustomVorel::SetShadowColor(TColor value) {
  settings_.ShadowColor = value;
  RedrawIfAuto();
}

void TCustomVorel::SetShadowBakColor(TColor value) {
  settings_.ShadowBakColor = value;
  RedrawIfAuto();
}

void TCustomVorel::SetTextAlignment(TAlignment value) {
  settings_.TextAlignment = value;
  RedrawIfAuto();
}

}  // namespace zarn
