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
  std::string inscript = std::move(settings_.ScaleInscript);
  settings_ = TScaleEngineSettings{};
  settings_.ScaleInscript = std::move(inscript);
  logChecked_ = false;
  pixelFactor_ = 1;
  pixelOffset_ = 0;
  OnScaleTickDrawn = nullptr;
  OnBeforeTickLabel = nullptr;
  dateFormat_.OnChange = [this](TObject*) { RequestRedraw(); };
  dateFormat_.SetAxisDefaults();
  UpdateMapping();
}

void TScaleEngine::AssignEngine(const TScaleEngine& s) {
  OnScaleTickDrawn = s.OnScaleTickDrawn;
  OnBeforeTickLabel = s.OnBeforeTickLabel;
  settings_ = s.settings_;
  pixelFactor_ = s.pixelFactor_;
  pixelOffset_ = s.pixelOffset_;
  numTicks_ = s.numTicks_;
  tickList_ = s.tickList_;
  // The date format keeps its own hook to this engine.
  TDTLabelChangeEvent hook = std::move(dateFormat_.OnChange);
  dateFormat_.Assign(s.dateFormat_);
  dateFormat_.OnChange = std::move(hook);
}

void TScaleEngine::StoreRangeLow(double value) {
  settings_.RangeLow = value;
  if (settings_.RangeHigh == value) settings_.RangeHigh = OtherEnd(value);
}

void TScaleEngine::StoreRangeHigh(double value) {
  settings_.RangeHigh = value;
  if (settings_.RangeLow == value) settings_.RangeLow = OtherEnd(value);
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
  settings_.RangeLow = Low;
  settings_.RangeHigh = Low == High ? OtherEnd(Low) : High;
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetMinTicks(int value) {
  settings_.MinTicks = value == 0 ? 0 : std::clamp(value, 2, 10);
  RequestRedraw();
}

void TScaleEngine::SetShortTicks(bool value) {
  if (settings_.ShortTicks == value) return;
  settings_.ShortTicks = value;
  RequestRedraw();
}

void TScaleEngine::SetLogarithmic(bool value) {
  if (!value || !logChecked_ ||
      (settings_.RangeLow >= 1e-100 && settings_.RangeHigh >= 1e-100 &&
       settings_.LabelType != ftDateTime))
    settings_.Logarithmic = value;
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetScaleType(TScaleType value) {
  if (settings_.ScaleType == value) return;
  settings_.ScaleType = value;
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetMarginLeft(int value) {
  settings_.MarginLeft = std::max(value, 0);
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetMarginRight(int value) {
  settings_.MarginRight = std::max(value, 0);
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetMarginTop(int value) {
  settings_.MarginTop = std::max(value, 0);
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetMarginBottom(int value) {
  settings_.MarginBottom = std::max(value, 0);
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetLabelType(TFigType value) {
  settings_.LabelType = value;
  if (value == ftTime) settings_.DecPlaces = 4;
  if (value == ftDateTime && settings_.Logarithmic) {
    settings_.Logarithmic = false;
    // A logarithmic mapping left in force would misplace every date tick.
    UpdateMapping();
  }
  RequestRedraw();
}

void TScaleEngine::SetDecPlaces(int value) {
  settings_.DecPlaces = std::clamp(value, -3, 12);
  UpdateMapping();
  RequestRedraw();
}

void TScaleEngine::SetScaleInscript(const std::string& value) {
  settings_.ScaleInscript = value;
  RequestRedraw();
}

void TScaleEngine::SetUserTickText(const std::string& value) {
  settings_.UserTickText = value;
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
  settings_.Caption = value;
  RequestRedraw();
}

void TScaleEngine::SetCaptionPosX(int value) {
  settings_.CaptionPosX = value;
  RequestRedraw();
}

void TScaleEngine::SetCaptionPosY(int value) {
  settings_.CaptionPosY = value;
  RequestRedraw();
}

void TScaleEngine::SetCaptionAlignment(TAlignment value) {
  settings_.CaptionAlignment = value;
  RequestRedraw();
}

void TScaleEngine::SetCaptionAnchor(TScaleUnitAnchor value) {
  settings_.CaptionAnchor = value;
  RequestRedraw();
}

void TScaleEngine::SetShowBaseLine(bool value) {
  settings_.ShowBaseLine = value;
  RequestRedraw();
}

void TScaleEngine::SetTransparent(bool value) {
  settings_.Transparent = value;
  RequestRedraw();
}

void TScaleEngine::SetExtent(int Width, int Height) {
  extentWidth_ = std::max(Width, 0);
  extentHeight_ = std::max(Height, 0);
  UpdateMapping();
}

int TScaleEngine::PixelLength() const {
  using scale_internal::PixelSum;
  return IsHorizontal()
             ? PixelSum(extentWidth_, -settings_.MarginLeft, -settings_.MarginRight, -1)
             : PixelSum(extentHeight_, -settings_.MarginTop, -settings_.MarginBottom, -1);
}

int TScaleEngine::MaxTickSteps() const {
  // Every sequence of up to kMaxDrawnTicks ticks is drawn whole (with the few
  // positions examined beyond its ends). Only one tick per unit over a huge
  // range makes more; those are cut, as no reader could tell them apart, so
  // that no range takes long to draw.
  return kMaxDrawnTicks + 16;
}

void TScaleEngine::UpdateMapping() {
  if (IsScaleLoading() || settings_.RangeHigh == settings_.RangeLow) return;
  const long double len = PixelLength();
  const bool horizontal = IsHorizontal();
  if (len <= 0) {
    pixelFactor_ = 0;
    pixelOffset_ = (horizontal ? extentWidth_ : extentHeight_) / 2.0;
    return;
  }
  long double lo = settings_.RangeLow;
  long double hi = settings_.RangeHigh;
  if (settings_.Logarithmic) {
    if (!(lo > 0) || !(hi > 0)) return;
    lo = std::log(lo);
    hi = std::log(hi);
  }
  long double factor;
  long double offset;
  if (horizontal) {
    factor = len / (hi - lo);
    offset = settings_.MarginLeft - lo * factor;
  } else {
    factor = len / (lo - hi);
    offset = settings_.MarginTop - hi * factor;
  }
  pixelFactor_ = static_cast<double>(factor);
  pixelOffset_ = static_cast<double>(offset);
}

int TScaleEngine::ValueToPixel(double Value) const {
  long double p;
  if (settings_.Logarithmic) {
    if (Value > 1e-100) {
      p = std::log(static_cast<long double>(Value)) * pixelFactor_ + pixelOffset_;
    } else {
      p = settings_.RangeHigh >= settings_.RangeLow ? 0 : extentWidth_;
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
