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
  using I = std::int64_t;
  const TScaleEngineSettings engine;
  const TScaleControlSettings control;
  r.String("Caption", &C::Caption, &C::SetCaption);
  r.Int("CaptionPosX", &C::CaptionPosX, &C::SetCaptionPosX).Default(I{engine.CaptionPosX});
  r.Int("CaptionPosY", &C::CaptionPosY, &C::SetCaptionPosY).Default(I{engine.CaptionPosY});
  r.Enum("CaptionAlignment", AlignmentInfo, &C::CaptionAlignment, &C::SetCaptionAlignment)
      .Default(I{engine.CaptionAlignment});
  r.Enum("CaptionAnchor", ScaleUnitAnchorInfo(), &C::CaptionAnchor, &C::SetCaptionAnchor)
      .Default(I{engine.CaptionAnchor});
  r.Color("ColorBackGnd", &C::ColorBackGnd, &C::SetColorBackGnd).Default(I{control.ColorBackGnd});
  r.Color("ColorScale", &C::ColorScale, &C::SetColorScale).Default(I{control.ColorScale});
  r.Enum("ColorScheme", ColorSchemeInfo(), &C::ColorScheme, &C::SetColorScheme)
      .Default(I{control.ColorScheme});
  r.Object("DateFormat", [](C& c) -> TDTLabel& { return c.DateFormat(); });
  r.Int("DecPlaces", &C::DecPlaces, &C::SetDecPlaces).Default(I{engine.DecPlaces});
  r.Enum("FrameStyle", FrameStyleInfo(), &C::FrameStyle, &C::SetFrameStyle)
      .Default(I{control.FrameStyle});
  r.Enum("LabelType", FigTypeInfo(), &C::LabelType, &C::SetLabelType).Default(I{engine.LabelType});
  r.Bool("Logarithmic", &C::Logarithmic, &C::SetLogarithmic).Default(engine.Logarithmic);
  r.Int("MarginTop", &C::MarginTop, &C::SetMarginTop).Default(I{engine.MarginTop});
  r.Int("MarginBottom", &C::MarginBottom, &C::SetMarginBottom).Default(I{engine.MarginBottom});
  r.Int("MarginLeft", &C::MarginLeft, &C::SetMarginLeft).Default(I{engine.MarginLeft});
  r.Int("MarginRight", &C::MarginRight, &C::SetMarginRight).Default(I{engine.MarginRight});
  r.Int("MinTicks", &C::MinTicks, &C::SetMinTicks).Default(I{engine.MinTicks});
  r.Enum("MouseAction", MouseActModeInfo(), &C::MouseAction, &C::SetMouseAction)
      .Default(I{control.MouseAction});
  // Read-only: what the last drawing recorded.
  r.Int("NumTicks", &C::NumTicks, [](C&, int) {}).NoStore();
  r.Double("RangeLow", &C::RangeLow, &C::SetRangeLow).Default(engine.RangeLow);
  r.Double("RangeHigh", &C::RangeHigh, &C::SetRangeHigh).Default(engine.RangeHigh);
  r.Bool("ShortTicks", &C::ShortTicks, &C::SetShortTicks).Default(engine.ShortTicks);
  r.Bool("ShowBaseLine", &C::ShowBaseLine, &C::SetShowBaseLine).Default(engine.ShowBaseLine);
  r.String("ScaleInscript", &C::ScaleInscript, &C::SetScaleInscript);
  r.Enum("ScaleType", ScaleTypeInfo(), &C::ScaleType, &C::SetScaleType)
      .Default(I{engine.ScaleType});
  r.Bool("Transparent", &C::Transparent, &C::SetTransparent).Default(engine.Transparent);
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
