// The table of joined layers and its checks.

#include <string>

#include "chart/zarn_vorel.h"

namespace zarn {

namespace {

bool IsLayer(int layer) {
  return layer >= 1 && layer <= kVorelLayers;
}

std::size_t Slot(int layer) {
  return static_cast<std::size_t>(layer);
}

}  // namespace

TJointLayers::TJointLayers() {
  for (int i = 0; i <= kVorelLayers; ++i)
    x_[Slot(i)] = y_[Slot(i)] = i;
}

void TJointLayers::Assign(const TPersistent& source) {
  const auto* s = dynamic_cast<const TJointLayers*>(&source);
  if (s == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  x_ = s->x_;
  y_ = s->y_;
  if (OnChange) OnChange(this);
}

int TJointLayers::XControlledBy(int layer) const {
  return IsLayer(layer) ? x_[Slot(layer)] : layer;
}

int TJointLayers::YControlledBy(int layer) const {
  return IsLayer(layer) ? y_[Slot(layer)] : layer;
}

void TJointLayers::SetXControlledBy(int layer, int destination) {
  Join(true, layer, destination);
}

void TJointLayers::SetYControlledBy(int layer, int destination) {
  Join(false, layer, destination);
}

void TJointLayers::StoreX(int layer, int destination) {
  if (IsLayer(layer)) x_[Slot(layer)] = destination;
}

void TJointLayers::StoreY(int layer, int destination) {
  if (IsLayer(layer)) y_[Slot(layer)] = destination;
}

void TJointLayers::Join(bool xAxis, int layer, int destination) {
  if (!IsLayer(layer)) return;
  auto& table = xAxis ? x_ : y_;
  if (!IsLayer(destination))
    throw EZarnVorelError("Destination layer " + std::to_string(destination) + " is out of range");
  if (destination == layer) {
    table[Slot(layer)] = layer;
    return;
  }
  if (table[Slot(destination)] != destination)
    throw EZarnVorelError("Destination layer " + std::to_string(destination) +
                          " is already joined");
  std::string followers;
  for (int k = 1; k <= kVorelLayers; ++k) {
    if (k == layer || table[Slot(k)] != layer) continue;
    if (!followers.empty()) followers += ", ";
    followers += std::to_string(k);
  }
  if (!followers.empty())
    throw EZarnVorelError("Layer " + std::to_string(layer) + " is joined by other layers (" +
                          followers + ")");
  table[Slot(layer)] = destination;
  if (chart_ != nullptr) {
    const TScaleProps& x = chart_->ScaleX(xAxis ? destination : layer);
    const TScaleProps& y = chart_->ScaleY(xAxis ? layer : destination);
    chart_->SetLayerRange(layer, x.RangeLow(), y.RangeLow(), x.RangeHigh(), y.RangeHigh());
  }
  if (OnChange) OnChange(this);
}

}  // namespace zarn
