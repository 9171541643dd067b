// One crosshair's settings.

#include <algorithm>
#include <cmath>

#include "chart/zarn_vorel.h"

namespace zarn {

void TCrossHair::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TCrossHair*>(&source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  posX_ = other->posX_;
  posY_ = other->posY_;
  color_ = other->color_;
  mode_ = other->mode_;
  lineType_ = other->lineType_;
  lineWid_ = other->lineWid_;
  layer_ = other->layer_;
  OnChange = other->OnChange;
}

void TCrossHair::Changed() {
  if (OnChange) OnChange(this);
}

// A position that is not finite would reach the pixel conversion, so it is refused.
void TCrossHair::SetPosX(double value) {
  if (!std::isfinite(value)) return;
  posX_ = value;
  Changed();
}
void TCrossHair::SetPosY(double value) {
  if (!std::isfinite(value)) return;
  posY_ = value;
  Changed();
}
void TCrossHair::SetColor(TColor value) {
  color_ = value;
  Changed();
}
void TCrossHair::SetMode(TCrossHMode value) {
  mode_ = value;
  Changed();
}
void TCrossHair::SetLineType(TPenStyle value) {
  lineType_ = value;
  Changed();
}
void TCrossHair::SetLineWid(int value) {
  lineWid_ = value;
  Changed();
}
void TCrossHair::SetLayer(int value) {
  layer_ = std::clamp(value, 1, kVorelLayers);
  Changed();
}

}  // namespace zarn
