// The axis settings of one chart layer and their setters.

#include <algorithm>
#include <cmath>
#include <utility>

#include "chart/zarn_vorel.h"

namespace zarn {

namespace {

constexpr double kLogFloor = 1e-100;

void ResetDateFormat(TDTLabel& format) {
  // The chart's hook stays, but a reset is not a change it should hear of.
  TDTLabelChangeEvent hook = std::move(format.OnChange);
  format.SetAxisDefaults();
  format.OnChange = std::move(hook);
}

// Copies source without firing target's hook and without taking source's
// (TDTLabel::Assign copies the handler): ours must keep reaching our chart.
template <class T>
void AssignKeepingHook(T& target, const T& source) {
  auto hook = std::move(target.OnChange);
  target.Assign(source);
  target.OnChange = std::move(hook);
}

// A range a logarithmic axis cannot map: one end at 0 or below.
bool UnusableLogRange(bool logarithmic, double low, double high) {
  return logarithmic && (low <= 0 || high <= 0);
}

}  // namespace

TScaleProps::TScaleProps() {
  ResetDateFormat(dateFormat_);
  font_.OnChange = [this] { Changed(); };
}

TScaleProps::~TScaleProps() {
  font_.OnChange = nullptr;
  dateFormat_.OnChange = nullptr;
}

void TScaleProps::Changed() {
  if (OnChange) OnChange(this);
}

void TScaleProps::Assign(const TPersistent& source) {
  const auto* s = dynamic_cast<const TScaleProps*>(&source);
  if (s == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (s == this) return;
  caption_ = s->caption_;
  captionPosX_ = s->captionPosX_;
  captionPosY_ = s->captionPosY_;
  captionAlignment_ = s->captionAlignment_;
  captionAnchor_ = s->captionAnchor_;
  colorScale_ = s->colorScale_;
  AssignKeepingHook(dateFormat_, s->dateFormat_);
  decPlaces_ = s->decPlaces_;
  logarithmic_ = s->logarithmic_;
  labelType_ = s->labelType_;
  AssignKeepingHook(font_, s->font_);
  minTicks_ = s->minTicks_;
  rangeLow_ = s->rangeLow_;
  rangeHigh_ = s->rangeHigh_;
  shortTicks_ = s->shortTicks_;
  scaleInscript_ = s->scaleInscript_;
  scaleType_ = s->scaleType_;
  vertPos_ = s->vertPos_;
  horizPos_ = s->horizPos_;
  minRange_ = s->minRange_;
  mouseAction_ = s->mouseAction_;
  userTickText_ = s->userTickText_;
  visible_ = s->visible_;
  Changed();
}

void TScaleProps::ResetDefaults() {
  caption_.clear();
  captionPosX_ = 0;
  captionPosY_ = 0;
  captionAlignment_ = taCenter;
  captionAnchor_ = uaSclTopLft;
  colorScale_ = clBlack;
  ResetDateFormat(dateFormat_);
  decPlaces_ = -2;
  logarithmic_ = false;
  labelType_ = ftNum;
  AssignKeepingHook(font_, TFont());
  minTicks_ = 3;
  loading_ = true;
  rangeLow_ = 0.0;
  rangeHigh_ = 1.0;
  shortTicks_ = true;
  scaleInscript_.clear();
  scaleType_ = sctXT;
  vertPos_ = 0;
  horizPos_ = 0;
  minRange_ = 1e-10;
  mouseAction_ = maNone;
  userTickText_.clear();
  visible_ = false;
}

void TScaleProps::SetCaption(const std::string& value) {
  caption_ = value;
  Changed();
}

void TScaleProps::SetCaptionPosX(int value) {
  captionPosX_ = value;
  Changed();
}

void TScaleProps::SetCaptionPosY(int value) {
  captionPosY_ = value;
  Changed();
}

void TScaleProps::SetCaptionAlignment(TAlignment value) {
  captionAlignment_ = value;
  Changed();
}

void TScaleProps::SetCaptionAnchor(TScaleUnitAnchor value) {
  captionAnchor_ = value;
  Changed();
}

void TScaleProps::SetColorScale(TColor value) {
  colorScale_ = value;
  Changed();
}

void TScaleProps::SetDateFormat(const TDTLabel& value) {
  AssignKeepingHook(dateFormat_, value);
  Changed();
}

void TScaleProps::SetDecPlaces(int value) {
  decPlaces_ = std::clamp(value, -3, 12);
  Changed();
}

void TScaleProps::SetLogarithmic(bool value) {
  const bool usable =
      loading_ || !value ||
      (rangeLow_ >= kLogFloor && rangeHigh_ >= kLogFloor && labelType_ != ftDateTime);
  if (usable) logarithmic_ = value;
  Changed();
}

void TScaleProps::SetLabelType(TFigType value) {
  labelType_ = value;
  if (value == ftDateTime) logarithmic_ = false;
  if (value == ftTime) decPlaces_ = 4;
  Changed();
}

void TScaleProps::SetFont(const TFont& value) {
  font_.Assign(value);  // the font's own notification raises OnChange
}

void TScaleProps::SetMinTicks(int value) {
  minTicks_ = value;
  Changed();
}

void TScaleProps::SetRangeLow(double value) {
  if (!std::isfinite(value)) return;
  if (std::fabs(rangeHigh_ - value) < minRange_) {
    const double high = value + minRange_;
    if (std::isfinite(high) && !UnusableLogRange(logarithmic_, value, high)) {
      rangeLow_ = value;
      rangeHigh_ = high;
    }
  } else if (!(logarithmic_ && value < kLogFloor)) {
    rangeLow_ = value;
  }
  Changed();
}

void TScaleProps::SetRangeHigh(double value) {
  if (!std::isfinite(value)) return;
  if (std::fabs(rangeLow_ - value) < minRange_) {
    const double low = value - minRange_;
    if (std::isfinite(low) && !UnusableLogRange(logarithmic_, low, value)) {
      rangeHigh_ = value;
      rangeLow_ = low;
    }
  } else if (!(logarithmic_ && value < kLogFloor)) {
    rangeHigh_ = value;
  }
  Changed();
}

void TScaleProps::SetMinRange(double value) {
  if (!std::isfinite(value) || value <= kLogFloor) return;
  minRange_ = value;
  if (std::fabs(rangeHigh_ - rangeLow_) >= value) return;
  // Halving first keeps the middle finite for ends near the largest double.
  const double middle = rangeHigh_ / 2 + rangeLow_ / 2;
  const double low = middle - value / 2;
  const double high = middle + value / 2;
  if (!std::isfinite(low) || !std::isfinite(high) || UnusableLogRange(logarithmic_, low, high))
    return;
  rangeLow_ = low;
  rangeHigh_ = high;
  Changed();
}

void TScaleProps::SetShortTicks(bool value) {
  shortTicks_ = value;
  Changed();
}

void TScaleProps::SetScaleInscript(const std::string& value) {
  scaleInscript_ = value;
  Changed();
}

void TScaleProps::SetScaleType(TScaleType value) {
  scaleType_ = value;
  Changed();
}

int TScaleProps::ScalePos() const {
  return scaleType_ == sctXB || scaleType_ == sctXT ? horizPos_ : vertPos_;
}

void TScaleProps::SetScalePos(int value) {
  (scaleType_ == sctXB || scaleType_ == sctXT ? horizPos_ : vertPos_) = value;
  Changed();
}

void TScaleProps::SetMouseAction(TMouseActMode value) {
  mouseAction_ = value;
  Changed();
}

void TScaleProps::SetUserTickText(const std::string& value) {
  userTickText_ = value;
  Changed();
}

void TScaleProps::SetVisible(bool value) {
  visible_ = value;
  Changed();
}

void TScaleProps::StorePlacement(TScaleType type, int horizontalPos, int verticalPos) {
  scaleType_ = type;
  horizPos_ = horizontalPos;
  vertPos_ = verticalPos;
}

void TScalePropsHoriz::SetScaleLocation(TScaleLocationHoriz value) {
  SetScaleType(value == slTop ? sctXB : sctXT);
}

TScalePropsVert::TScalePropsVert() {
  StorePlacement(sctYR, HorizontalPos(), VerticalPos());
}

void TScalePropsVert::ResetDefaults() {
  TScaleProps::ResetDefaults();
  StorePlacement(sctYR, HorizontalPos(), VerticalPos());
}

void TScalePropsVert::SetScaleLocation(TScaleLocationVert value) {
  SetScaleType(value == slLeft ? sctYR : sctYL);
}

}  // namespace zarn
