// Published properties of TScale and TDTLabel.

#include "platform/properties.h"
#include "base/zarn_frame_names.h"
#include "scale/zarn_scale.h"

namespace zarn {

const TEnumInfo& ScaleTypeInfo() {
  static const TEnumInfo info("TScaleType", {"sctXB", "sctXT", "sctYL", "sctYR"});
  return info;
}
const TEnumInfo& FigTypeInfo() {
  static const TEnumInfo info("TFigType",
                              {"ftNoFigs", "ftNum", "ftTime", "ftDateTime", "ftUserText"});
  return info;
}
const TEnumInfo& ScaleUnitAnchorInfo() {
  static const TEnumInfo info("TScaleUnitAnchor", {"uaSclTopLft", "uaSclCenter", "uaSclBotRgt"});
  return info;
}
const TEnumInfo& TimeFormatInfo() {
  static const TEnumInfo info("TTimeFormat", {"tfHHMMSS", "tfHHhMM", "tfAMPM"});
  return info;
}
const TEnumInfo& YearLengthInfo() {
  static const TEnumInfo info("TYearLength", {"ylNone", "ylYY", "ylYYYY"});
  return info;
}
const TEnumInfo& DateOrderInfo() {
  static const TEnumInfo info("TDateOrder", {"doMMDDYY", "doDDMMYY", "doYYMMDD"});
  return info;
}
const TEnumInfo& DateForTimeInfo() {
  static const TEnumInfo info("TDateForTime",
                              {"dtNone", "dtOnePerChart", "dtOnePerDay", "dtAllTicks"});
  return info;
}
const TEnumInfo& MouseActModeInfo() {
  static const TEnumInfo info(
      "TMouseActMode",
      {"maNone", "maPan", "maPanHoriz", "maPanVert", "maPanGrid", "maZoom", "maZoomDrag",
       "maZoomWind", "maZoomWindPos", "maRubberBand", "maSelectRect", "maDrawMTrace", "maDragLabel",
       "maDragCrossH", "maRotate", "maRotAndZoom", "maRotXOnly", "maRotZOnly", "maZoomPanColors"});
  return info;
}

namespace {

void PublishDTLabel(TPropertyRegistrar<TDTLabel>& r) {
  using C = TDTLabel;
  r.Enum("TimeFormat", TimeFormatInfo(), &C::TimeFormat, &C::SetTimeFormat);
  r.Char("DateSeparator", &C::DateSeparator, &C::SetDateSeparator);
  r.Char("TimeSeparator", &C::TimeSeparator, &C::SetTimeSeparator);
  r.Enum("YearLength", YearLengthInfo(), &C::YearLength, &C::SetYearLength);
  r.Bool("MonthName", &C::MonthName, &C::SetMonthName);
  r.Enum("DateOrder", DateOrderInfo(), &C::DateOrder, &C::SetDateOrder);
  r.Enum("DateForTime", DateForTimeInfo(), &C::DateForTime, &C::SetDateForTime);
}

void PublishScale(TPropertyRegistrar<TScale>& r) {
  using C = TScale;
  r.String("Caption", &C::Caption, &C::SetCaption);
  r.Int("CaptionPosX", &C::CaptionPosX, &C::SetCaptionPosX).Default(std::int64_t{4});
  r.Int("CaptionPosY", &C::CaptionPosY, &C::SetCaptionPosY).Default(std::int64_t{4});
  r.Enum("CaptionAlignment", AlignmentInfo, &C::CaptionAlignment, &C::SetCaptionAlignment)
      .Default(std::int64_t{taCenter});
  r.Enum("CaptionAnchor", ScaleUnitAnchorInfo(), &C::CaptionAnchor, &C::SetCaptionAnchor)
      .Default(std::int64_t{uaSclTopLft});
  r.Color("ColorBackGnd", &C::ColorBackGnd, &C::SetColorBackGnd).Default(std::int64_t{clBtnFace});
  r.Color("ColorScale", &C::ColorScale, &C::SetColorScale).Default(std::int64_t{clBlack});
  r.Enum("ColorScheme", ColorSchemeInfo(), &C::ColorScheme, &C::SetColorScheme)
      .Default(std::int64_t{csBWG});
  r.Object("DateFormat", [](C& c) -> TDTLabel& { return c.DateFormat(); });
  r.Int("DecPlaces", &C::DecPlaces, &C::SetDecPlaces).Default(std::int64_t{-2});
  r.Enum("FrameStyle", FrameStyleInfo(), &C::FrameStyle, &C::SetFrameStyle)
      .Default(std::int64_t{fsLowered});
  r.Enum("LabelType", FigTypeInfo(), &C::LabelType, &C::SetLabelType).Default(std::int64_t{ftNum});
  r.Bool("Logarithmic", &C::Logarithmic, &C::SetLogarithmic).Default(false);
  r.Int("MarginTop", &C::MarginTop, &C::SetMarginTop).Default(std::int64_t{20});
  r.Int("MarginBottom", &C::MarginBottom, &C::SetMarginBottom).Default(std::int64_t{20});
  r.Int("MarginLeft", &C::MarginLeft, &C::SetMarginLeft).Default(std::int64_t{20});
  r.Int("MarginRight", &C::MarginRight, &C::SetMarginRight).Default(std::int64_t{20});
  r.Int("MinTicks", &C::MinTicks, &C::SetMinTicks).Default(std::int64_t{3});
  r.Enum("MouseAction", MouseActModeInfo(), &C::MouseAction, &C::SetMouseAction)
      .Default(std::int64_t{maNone});
  // Read-only: what the last drawing recorded.
  r.Int("NumTicks", &C::NumTicks, [](C&, int) {}).NoStore();
  r.Double("RangeLow", &C::RangeLow, &C::SetRangeLow).Default(0.0);
  r.Double("RangeHigh", &C::RangeHigh, &C::SetRangeHigh).Default(100.0);
  r.Bool("ShortTicks", &C::ShortTicks, &C::SetShortTicks).Default(true);
  r.Bool("ShowBaseLine", &C::ShowBaseLine, &C::SetShowBaseLine).Default(true);
  r.String("ScaleInscript", &C::ScaleInscript, &C::SetScaleInscript);
  r.Enum("ScaleType", ScaleTypeInfo(), &C::ScaleType, &C::SetScaleType)
      .Default(std::int64_t{sctXB});
  r.Bool("Transparent", &C::Transparent, &C::SetTransparent).Default(false);
  r.String("UserTickText", &C::UserTickText, &C::SetUserTickText);
  r.Event("OnZoomPan", &C::OnZoomPan);
  r.Event("OnScaleTickDrawn", &C::OnScaleTickDrawn);
  r.Event("OnBeforeTickLabel", &C::OnBeforeTickLabel);
  r.Event("OnBeforeScaleRendered", &C::OnBeforeScaleRendered);
  r.Event("OnAfterScaleRendered", &C::OnAfterScaleRendered);
}

}  // namespace

void RegisterScaleClasses() {
  static const bool done = [] {
    RegisterClass<TDTLabel>("TDTLabel", PublishDTLabel);
    RegisterClass<TScale, TCustomControl>("TScale", PublishScale);
    return true;
  }();
  (void)done;
}

}  // namespace zarn
