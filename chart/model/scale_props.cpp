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
  values_ = s->values_;
  AssignKeepingHook(dateFormat_, s->dateFormat_);
  AssignKeepingHook(font_, s->font_);
  Changed();
}

void TScaleProps::ResetDefaults() {
  values_ = TScalePropsValues{};
  ResetDateFormat(dateFormat_);
  AssignKeepingHook(font_, TFont());
  loading_ = true;
}

void TScaleProps::SetCaption(const std::string& value) {
  values_.Caption = value;
  Changed();
}

void TScaleProps::SetCaptionPosX(int value) {
  values_.CaptionPosX = value;
  Changed();
}

void TScaleProps::SetCaptionPosY(int value) {
  values_.CaptionPosY = value;
  Changed();
}

void TScaleProps::SetCaptionAlignment(TAlignment value) {
  values_.CaptionAlignment = value;
  Changed();
}

void TScaleProps::SetCaptionAnchor(TScaleUnitAnchor value) {
  values_.CaptionAnchor = value;
  Changed();
}

void TScaleProps::SetColorScale(TColor value) {
  values_.ColorScale = value;
  Changed();
}

void TScaleProps::SetDateFormat(const TDTLabel& value) {
  AssignKeepingHook(dateFormat_, value);
  Changed();
}

void TScaleProps::SetDecPlaces(int value) {
  values_.DecPlaces = std::clamp(value, -3, 12);
  Changed();
}

void TScaleProps::SetLogarithmic(bool value) {
  const bool usable = loading_ || !value ||
                      (values_.RangeLow >= kLogFloor && values_.RangeHigh >= kLogFloor &&
                       values_.LabelType != ftDateTime);
  if (usable) values_.Logarithmic = value;
  Changed();
}

void TScaleProps::SetLabelType(TFigType value) {
  values_.LabelType = value;
  if (value == ftDateTime) values_.Logarithmic = false;
  if (value == ftTime) values_.DecPlaces = 4;
  Changed();
}

void TScaleProps::SetFont(const TFont& value) {
  font_.Assign(value);  // the font's own notification raises OnChange
}

void TScaleProps::SetMinTicks(int value) {
  values_.MinTicks = value;
  Changed();
}

void TScaleProps::SetRangeLow(double value) {
  if (!std::isfinite(value)) return;
  if (std::fabs(values_.RangeHigh - value) < values_.MinRange) {
    const double high = value + values_.MinRange;
    if (std::isfinite(high) && !UnusableLogRange(values_.Logarithmic, value, high)) {
      values_.RangeLow = value;
      values_.RangeHigh = high;
    }
  } else if (!(values_.Logarithmic && value < kLogFloor)) {
    values_.RangeLow = value;
  }
  Changed();
}

void TScaleProps::SetRangeHigh(double value) {
  if (!std::isfinite(value)) return;
  if (std::fabs(values_.RangeLow - value) < values_.MinRange) {
    const double low = value - values_.MinRange;
    if (std::isfinite(low) && !UnusableLogRange(values_.Logarithmic, low, value)) {
      values_.RangeHigh = value;
      values_.RangeLow = low;
    }
  } else if (!(values_.Logarithmic && value < kLogFloor)) {
    values_.RangeHigh = value;
  }
  Changed();
}

void TScaleProps::SetMinRange(double value) {
  if (!std::isfinite(value) || value <= kLogFloor) return;
  values_.MinRange = value;
  if (std::fabs(values_.RangeHigh - values_.RangeLow) >= value) return;
  // Halving first keeps the middle finite for ends near the largest double.
  const double middle = values_.RangeHigh / 2 + values_.RangeLow / 2;
  const double low = middle - value / 2;
  const double high = middle + value / 2;
  if (!std::isfinite(low) || !std::isfinite(high) ||
      UnusableLogRange(values_.Logarithmic, low, high))
    return;
  values_.RangeLow = low;
  values_.RangeHigh = high;
  Changed();
}

void TScaleProps::SetShortTicks(bool value) {
  values_.ShortTicks = value;
  Changed();
}

void TScaleProps::SetScaleInscript(const std::string& value) {
  values_.ScaleInscript = value;
  Changed();
}

void TScaleProps::SetScaleType(TScaleType value) {
  values_.ScaleType = value;
  Changed();
}

int TScaleProps::ScalePos() const {
  return values_.ScaleType == sctXB || values_.ScaleType == sctXT ? values_.HorizontalPos
                                                                  : values_.VerticalPos;
}

void TScaleProps::SetScalePos(int value) {
  (values_.ScaleType == sctXB || values_.ScaleType == sctXT ? values_.HorizontalPos
                                                            : values_.VerticalPos) = value;
  Changed();
}

void TScaleProps::SetMouseAction(TMouseActMode value) {
  values_.MouseAction = value;
  Changed();
}

void TScaleProps::SetUserTickText(const std::string& value) {
  values_.UserTickText = value;
  Changed();
}

void TScaleProps::SetVisible(bool value) {
  values_.Visible = value;
  Changed();
}

void TScaleProps::StorePlacement(TScaleType type, int horizontalPos, int verticalPos) {
  values_.ScaleType = type;
  values_.HorizontalPos = horizontalPos;
  values_.VerticalPos = verticalPos;
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
