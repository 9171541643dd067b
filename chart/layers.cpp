// Layer ranges, joins, margins, resizing and the standard layouts.

#include "chart/zarn_vorel.h"

namespace zarn {

namespace {
int LayerIndex(int layer) {
  return layer >= 1 && layer <= kVorelLayers ? layer : 1;
}
}  // namespace

TScalePropsHoriz& TCustomVorel::ScaleX(int layer) {
  return *layers_[static_cast<std::size_t>(LayerIndex(layer))].x;
}
TScalePropsVert& TCustomVorel::ScaleY(int layer) {
  return *layers_[static_cast<std::size_t>(LayerIndex(layer))].y;
}
const TScalePropsHoriz& TCustomVorel::ScaleX(int layer) const {
  return *layers_[static_cast<std::size_t>(LayerIndex(layer))].x;
}
const TScalePropsVert& TCustomVorel::ScaleY(int layer) const {
  return *layers_[static_cast<std::size_t>(LayerIndex(layer))].y;
}
TScale& TCustomVorel::AxisX(int layer) {
  return *layers_[static_cast<std::size_t>(LayerIndex(layer))].xAxis;
}
TScale& TCustomVorel::AxisY(int layer) {
  return *layers_[static_cast<std::size_t>(LayerIndex(layer))].yAxis;
}

void TCustomVorel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

}  // namespace zarn
