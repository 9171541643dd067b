// The chart's own appearance and drawing settings and their setters.

#include <algorithm>
#include <cmath>

#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

void TCustomVorel::SetAvoidDuplicateMarks(bool value) {
  if (value == avoidDuplicateMarks_) return;
  avoidDuplicateMarks_ = value;
  vorel_detail::PlotChanged(*this);
  Paint();
}

void TCustomVorel::SetMinDupMarkDist(int value) {
  value = std::clamp(value, 1, 3);
  if (value == minDupMarkDist_) return;
  minDupMarkDist_ = value;
  vorel_detail::PlotChanged(*this);
  Paint();
}

void TCustomVorel::SetClassDefault(std::uint8_t value) {
  if (value != 255) classDefault_ = value;
}

void TCustomVorel::SetGridStyle(GridStyleType value) {
  gridStyle_ = value;
  RedrawIfAuto();
}

// Steps below -3 mean nothing, and steps that are not finite would reach the
// pixel conversion.
void TCustomVorel::SetGridDx(double value) {
  if (!(value >= -3) || !std::isfinite(value)) return;
  gridDx_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetGridDy(double value) {
  if (!(value >= -3) || !std::isfinite(value)) return;
  gridDy_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetGridColor(TColor value) {
  gridColor_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetChartFrameColor(TColor value) {
  chartFrameColor_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetChartColor(TColor value) {
  chartColor_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetWindColor(TColor value) {
  windColor_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetCaption(const std::string& value) {
  caption_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetCaptionPosX(int value) {
  captionPosX_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetCaptionPosY(int value) {
  captionPosY_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetCaptionAlignment(TAlignment value) {
  captionAlignment_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetCaptionAnchorHoriz(TCaptionAnchorHoriz value) {
  captionAnchorHoriz_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetCaptionAnchorVert(TCaptionAnchorVert value) {
  captionAnchorVert_ = value;
  RedrawIfAuto();
}

// 0 switches trimming off.
void TCustomVorel::SetCaptionTrim(int value) {
  captionTrim_ = value == 0 ? 0 : std::clamp(value, 5, 100);
  RedrawIfAuto();
}

void TCustomVorel::SetPanGridDx(double value) {
  if (std::isfinite(value)) panGridDx_ = value;
}

void TCustomVorel::SetPanGridDy(double value) {
  if (std::isfinite(value)) panGridDy_ = value;
}

void TCustomVorel::SetPanGridOffsX(double value) {
  if (std::isfinite(value)) panGridOffsX_ = value;
}

void TCustomVorel::SetPanGridOffsY(double value) {
  if (std::isfinite(value)) panGridOffsY_ = value;
}

void TCustomVorel::SetShadowStyle(TShadowStyle value) {
  shadowStyle_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetShadowColor(TColor value) {
  shadowColor_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetShadowBakColor(TColor value) {
  shadowBakColor_ = value;
  RedrawIfAuto();
}

void TCustomVorel::SetTextAlignment(TAlignment value) {
  textAlignment_ = value;
  RedrawIfAuto();
}

}  // namespace zarn
