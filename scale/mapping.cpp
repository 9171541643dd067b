// Settings of the engine, the value-to-pixel mapping and the tick list.

#include <algorithm>
#include <cmath>
#include <limits>

#include "scale/scale_internal.h"
#include "scale/zarn_scale.h"

namespace zarn {

namespace {

// The other end for a range whose ends would be equal: one unit away, or the
// next representable value where a unit is lost in the magnitude.
double OtherEnd(double value) {
  double other = value + 1;
  if (other == value) other = std::nextafter(value, std::numeric_limits<double>::infinity());
  if (other == value) other = std::nextafter(value, -std::numeric_limits<double>::infinity());
  return other;
}

}  // namespace

TScaleEngine::TScaleEngine() {
  ResetEngineDefaults();
}

TScaleEngine::~TScaleEngine() {
  dateFormat_.OnChange = nullptr;
}

void TScaleEngine::ResetEngineDefaults() {
  logChecked_ = false;
  rangeLow_ = 0;
  rangeHigh_ = 100;
  minTicks_ = 3;
  shortTicks_ = true;
  logarithmic_ = false;
  scaleType_ = sctXB;
  marginLeft_ = marginRight_ = marginTop_ = marginBottom_ = 20;
  labelType_ = ftNum;
  decPlaces_ = -2;
  userTickText_.clear();
  caption_.clear();
  captionPosX_ = captionPosY_ = 4;
  captionAlignment_ = taCenter;
  captionAnchor_ = uaSclTopLft;
  showBaseLine_ = true;
  transparent_ = false;
  pixelFactor_ = 1;
  pixelOffset_ = 0;
  OnScaleTickDrawn = nullptr;
  OnBeforeTickLabel = nullptr;
  dateFormat_.OnChange = [this](TObject*) { RequestRedraw(); };
  dateFormat_.SetTimeFormat(tfHHMMSS);
  dateFormat_.SetDateSeparator('-');
  dateFormat_.SetTimeSeparator(':');
  dateFormat_.SetYearLength(ylYYYY);
  dateFormat_.SetMonthName(true);
  dateFormat_.SetDateOrder(doDDMMYY);
  dateFormat_.SetDateForTime(dtOnePerDay);
  UpdateMapping();
}

void TScaleEngine::AssignEngine(const TScaleEngine& s) {
  OnScaleTickDrawn = s.OnScaleTickDrawn;
  OnBeforeTickLabel = s.OnBeforeTickLabel;
  logarithmic_ = s.logarithmic_;
  pixelFactor_ = s.pixelFactor_;
  pixelOffset_ = s.pixelOffset_;
  rangeLow_ = s.rangeLow_;
  rangeHigh_ = s.rangeHigh_;
  shortTicks_ = s.shortTicks_;
  numTicks_ = s.numTicks_;
  minTicks_ = s.minTicks_;
  decPlaces_ = s.decPlaces_;
  showBaseLine_ = s.showBaseLine_;
  transparent_ = s.transparent_;
  labelType_ = s.labelType_;
  {
    // The date format keeps its own hook to this engine.
    TDTLabelChangeEvent hook = std::move(dateFormat_.OnChange);
    dateFormat_.Assign(s.dateFormat_);
    dateFormat_.OnChange = std::move(hook);
  }
  marginLeft_ = s.marginLeft_;
  marginRight_ = s.marginRight_;
  marginTop_ = s.marginTop_;
  marginBottom_ = s.marginBottom_;
  captionPosX_ = s.captionPosX_;
  captionPosY_ = s.captionPosY_;
  userTickText_ = s.userTickText_;
  scaleInscript_ = s.scaleInscript_;
  tickList_ = s.tickList_;
  caption_ = s.caption_;
  captionAnchor_ = s.captionAnchor_;
  captionAlignment_ = s.captionAlignment_;
  scaleType_ = s.scaleType_;
}

void TScaleEngine::StoreRangeLow(double value) {
  rangeLow_ = value;
  if (rangeHigh_ == value) rangeHigh_ = OtherEnd(value);
}

void TScaleEngine::StoreRangeHigh(double value) {
  rangeHigh_ = value;
  if (rangeLow_ == value) rangeLow_ = OtherEnd(value);
}

void TScaleEngine::SetRangeLow(double value) {
  StoreRangeLow(value);
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetRangeHigh(double value) {
  StoreRangeHigh(value);
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetRange(double Low, double High) {
  rangeLow_ = Low;
  rangeHigh_ = Low == High ? OtherEnd(Low) : High;
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetMinTicks(int value) {
  minTicks_ = value == 0 ? 0 : std::clamp(value, 2, 10);
  RequestRedraw();
}

void TScaleEngine::SetShortTicks(bool value) {
  if (shortTicks_ == value) return;
  shortTicks_ = value;
  RequestRedraw();
}

void TScaleEngine::SetLogarithmic(bool value) {
  if (!value || !logChecked_ ||
      (rangeLow_ >= 1e-100 && rangeHigh_ >= 1e-100 && labelType_ != ftDateTime))
    logarithmic_ = value;
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetScaleType(TScaleType value) {
  if (scaleType_ == value) return;
  scaleType_ = value;
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetMarginLeft(int value) {
  marginLeft_ = std::max(value, 0);
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetMarginRight(int value) {
  marginRight_ = std::max(value, 0);
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetMarginTop(int value) {
  marginTop_ = std::max(value, 0);
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetMarginBottom(int value) {
  marginBottom_ = std::max(value, 0);
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetLabelType(TFigType value) {
  labelType_ = value;
  if (value == ftTime) decPlaces_ = 4;
  if (value == ftDateTime && logarithmic_) {
    logarithmic_ = false;
    // A logarithmic mapping left in force would misplace every date tick.
    UpdateMapping();
  }
  RequestRedraw();
}

void TScaleEngine::SetDecPlaces(int value) {
  decPlaces_ = std::clamp(value, -3, 12);
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetScaleInscript(const std::string& value) {
  scaleInscript_ = value;
  RequestRedraw();
}

void TScaleEngine::SetUserTickText(const std::string& value) {
  userTickText_ = value;
  RequestRedraw();
}

void TScaleEngine::SetDateFormat(const TDTLabel& value) {
  if (&value != &dateFormat_) {
    TDTLabelChangeEvent hook = std::move(dateFormat_.OnChange);
    dateFormat_.Assign(value);
    dateFormat_.OnChange = std::move(hook);
  }
  RequestRedraw();
}

void TScaleEngine::SetCaption(const std::string& value) {
  caption_ = value;
  RequestRedraw();
}

void TScaleEngine::SetCaptionPosX(int value) {
  captionPosX_ = value;
  RequestRedraw();
}

void TScaleEngine::SetCaptionPosY(int value) {
  captionPosY_ = value;
  RequestRedraw();
}

void TScaleEngine::SetCaptionAlignment(TAlignment value) {
  captionAlignment_ = value;
  RequestRedraw();
}

void TScaleEngine::SetCaptionAnchor(TScaleUnitAnchor value) {
  captionAnchor_ = value;
  RequestRedraw();
}

void TScaleEngine::SetShowBaseLine(bool value) {
  showBaseLine_ = value;
  RequestRedraw();
}

void TScaleEngine::SetTransparent(bool value) {
  transparent_ = value;
  RequestRedraw();
}

void TScaleEngine::SetExtent(int Width, int Height) {
  extentWidth_ = std::max(Width, 0);
  extentHeight_ = std::max(Height, 0);
  UpdateMapping();
}

int TScaleEngine::PixelLength() const {
  using scale_internal::PixelSum;
  return IsHorizontal() ? PixelSum(extentWidth_, -marginLeft_, -marginRight_, -1)
                        : PixelSum(extentHeight_, -marginTop_, -marginBottom_, -1);
}

int TScaleEngine::MaxTickSteps() const {
  // Every sequence of up to kMaxDrawnTicks ticks is drawn whole (with the few
  // positions examined beyond its ends). Only one tick per unit over a huge
  // range makes more; those are cut, as no reader could tell them apart, so
  // that no range takes long to draw.
  return kMaxDrawnTicks + 16;
}

void TScaleEngine::UpdateMapping() {
  if (IsScaleLoading() || rangeHigh_ == rangeLow_) return;
  const long double len = PixelLength();
  const bool horizontal = IsHorizontal();
  if (len <= 0) {
    pixelFactor_ = 0;
    pixelOffset_ = (horizontal ? extentWidth_ : extentHeight_) / 2.0;
    return;
  }
  long double lo = rangeLow_;
  long double hi = rangeHigh_;
  if (logarithmic_) {
    if (!(lo > 0) || !(hi > 0)) return;
    lo = std::log(lo);
    hi = std::log(hi);
  }
  long double factor;
  long double offset;
  if (horizontal) {
    factor = len / (hi - lo);
    offset = marginLeft_ - lo * factor;
  } else {
    factor = len / (lo - hi);
    offset = marginTop_ - hi * factor;
  }
  pixelFactor_ = static_cast<double>(factor);
  pixelOffset_ = static_cast<double>(offset);
}

int TScaleEngine::ValueToPixel(double Value) const {
  long double p;
  if (logarithmic_) {
    if (Value > 1e-100) {
      p = std::log(static_cast<long double>(Value)) * pixelFactor_ + pixelOffset_;
    } else {
      p = rangeHigh_ >= rangeLow_ ? 0 : extentWidth_;
    }
  } else {
    p = static_cast<long double>(pixelFactor_) * Value + pixelOffset_;
  }
  if (std::isnan(p)) return 0;
  p = std::clamp<long double>(p, -2147483647.0L, 2147483647.0L);
  // Ties to even in the default rounding mode; cheaper than nearbyint, which
  // saves the floating-point environment on every call.
  return static_cast<int>(std::lrint(p));
}

double TScaleEngine::TickPosition(int Index) const {
  if (Index < 1 || Index > numTicks_) return 0;
  return tickList_[static_cast<std::size_t>(Index - 1)];
}

}  // namespace zarn
