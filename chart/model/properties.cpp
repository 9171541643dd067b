// The chart's published properties and events, by which a stored layout sets it up.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "chart/model/model_internal.h"
#include "chart/zarn_vorel.h"

namespace zarn {

const TEnumInfo& VoLayoutInfo() {
  static const TEnumInfo info(
      "TvoLayout",
      {"vol_X1Bottom_Y1Left", "vol_X1Bottom_Y2Left", "vol_X1Bottom_Y3Left", "vol_X1Bottom_Y4Left",
       "vol_X1Bottom_Y2Both", "vol_X2Bottom_Y2Left", "vol_X2Both_Y2Both"});
  return info;
}
const TEnumInfo& GridStyleTypeInfo() {
  static const TEnumInfo info("GridStyleType",
                              {"gsNone", "gsPoints", "gsVertLines", "gsHorizLines", "gsLines",
                               "gsHorizDotLines", "gsVertDotLines", "gsDotLines"});
  return info;
}
const TEnumInfo& ShadowStyleInfo() {
  static const TEnumInfo info("TShadowStyle", {"ssFlying", "ssBox"});
  return info;
}
const TEnumInfo& BkgFillInfo() {
  static const TEnumInfo info("TBkgFill", {"bfSimple", "bfStretch", "bfTile"});
  return info;
}
const TEnumInfo& BGAreaModeInfo() {
  static const TEnumInfo info(
      "TBGAreaMode", {"bamNone", "bamLeft", "bamRight", "bamTop", "bamBottom", "bamVStripe",
                      "bamHStripe", "bamRect", "bamRectInv", "bamVStripeInv", "bamHStripeInv"});
  return info;
}
const TEnumInfo& CaptionAnchorHorizInfo() {
  static const TEnumInfo info(
      "TCaptionAnchorHoriz",
      {"cahControlLeft", "cahChartLeft", "cahChartCenter", "cahChartRight", "cahControlRight"});
  return info;
}
const TEnumInfo& CaptionAnchorVertInfo() {
  static const TEnumInfo info(
      "TCaptionAnchorVert",
      {"cavControlTop", "cavChartTop", "cavChartCenter", "cavChartBottom", "cavControlBottom"});
  return info;
}
const TEnumInfo& CrossHModeInfo() {
  static const TEnumInfo info("TCrossHMode",
                              {"chOff", "chHoriz", "chVert", "chBoth", "chCrossBox", "chBox"});
  return info;
}
const TEnumInfo& TextBkgInfo() {
  static const TEnumInfo info("TTextBkg", {"tbClear", "tbOpaque"});
  return info;
}
const TEnumInfo& ScaleLocationHorizInfo() {
  static const TEnumInfo info("TScaleLocationHoriz", {"slTop", "slBottom"});
  return info;
}
const TEnumInfo& ScaleLocationVertInfo() {
  static const TEnumInfo info("TScaleLocationVert", {"slLeft", "slRight"});
  return info;
}

namespace {

using I = std::int64_t;

// Creation values that are not 0 are declared, so a value set back to 0 is
// stored and survives a store and load.
void PublishScaleProps(TPropertyRegistrar<TScaleProps>& r) {
  using S = TScaleProps;
  const TScalePropsValues created;
  r.String("Caption", &S::Caption, &S::SetCaption);
  r.Int("CaptionPosX", &S::CaptionPosX, &S::SetCaptionPosX);
  r.Int("CaptionPosY", &S::CaptionPosY, &S::SetCaptionPosY);
  r.Enum("CaptionAlignment", AlignmentInfo, &S::CaptionAlignment, &S::SetCaptionAlignment);
  r.Enum("CaptionAnchor", ScaleUnitAnchorInfo(), &S::CaptionAnchor, &S::SetCaptionAnchor);
  r.Color("ColorScale", &S::ColorScale, &S::SetColorScale);
  r.Object("DateFormat", [](S& s) -> TDTLabel& { return s.DateFormat(); });
  // Before DecPlaces and Logarithmic, which some label types change.
  r.Enum("LabelType", FigTypeInfo(), &S::LabelType, &S::SetLabelType);
  r.Int("DecPlaces", &S::DecPlaces, &S::SetDecPlaces);
  r.Bool("Logarithmic", &S::Logarithmic, &S::SetLogarithmic);
  r.Font("Font", [](S& s) -> TFont& { return s.Font(); });
  r.Int("MinTicks", &S::MinTicks, &S::SetMinTicks);
  // Before the range, which it would otherwise widen again.
  r.Double("MinRange", &S::MinRange, &S::SetMinRange).Default(created.MinRange);
  r.Double("RangeLow", &S::RangeLow, &S::SetRangeLow).Default(created.RangeLow);
  r.Double("RangeHigh", &S::RangeHigh, &S::SetRangeHigh).Default(created.RangeHigh);
  r.Bool("ShortTicks", &S::ShortTicks, &S::SetShortTicks);
  r.String("ScaleInscript", &S::ScaleInscript, &S::SetScaleInscript);
  r.Enum("MouseAction", MouseActModeInfo(), &S::MouseAction, &S::SetMouseAction);
  r.String("UserTickText", &S::UserTickText, &S::SetUserTickText);
  r.Bool("Visible", &S::Visible, &S::SetVisible);
}

// ScalePos means the position on the side ScaleLocation chose, so it follows it.
template <class S>
void PublishScalePos(TPropertyRegistrar<S>& r) {
  r.Int("ScalePos", &S::ScalePos, &S::SetScalePos);
}

void PublishScalePropsHoriz(TPropertyRegistrar<TScalePropsHoriz>& r) {
  using S = TScalePropsHoriz;
  r.Enum("ScaleLocation", ScaleLocationHorizInfo(), &S::ScaleLocation, &S::SetScaleLocation);
  PublishScalePos(r);
}

void PublishScalePropsVert(TPropertyRegistrar<TScalePropsVert>& r) {
  using S = TScalePropsVert;
  r.Enum("ScaleLocation", ScaleLocationVertInfo(), &S::ScaleLocation, &S::SetScaleLocation);
  PublishScalePos(r);
}

// Built by appending: GCC 12 warns wrongly about operator+ on these strings.
std::string Numbered(std::string name, int number, std::string_view suffix = {},
                     bool twoDigits = false) {
  if (twoDigits && number < 10) name += '0';
  name += std::to_string(number);
  name += suffix;
  return name;
}

void PublishJointLayers(TPropertyRegistrar<TJointLayers>& r) {
  using J = TJointLayers;
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    r.Int(
        Numbered("L", layer, "xControlledBy", true),
        [layer](const J& j) { return j.XControlledBy(layer); },
        [layer](J& j, int d) { j.SetXControlledBy(layer, d); });
    r.Int(
        Numbered("L", layer, "yControlledBy", true),
        [layer](const J& j) { return j.YControlledBy(layer); },
        [layer](J& j, int d) { j.SetYControlledBy(layer, d); });
  }
}

// Crosshairs are created with Layer = their number, so Layer has no one default.
void PublishCrossHair(TPropertyRegistrar<TCrossHair>& r) {
  using C = TCrossHair;
  r.Double("PosX", &C::PosX, &C::SetPosX).Default(0.0);
  r.Double("PosY", &C::PosY, &C::SetPosY).Default(0.0);
  r.Color("Color", &C::Color, &C::SetColor).Default(I{clRed});
  r.Enum("Mode", CrossHModeInfo(), &C::Mode, &C::SetMode).Default(I{chOff});
  r.Enum("LineType", PenStyleInfo, &C::LineType, &C::SetLineType).Default(I{psDashDotDot});
  r.Int("LineWid", &C::LineWid, &C::SetLineWid).Default(I{1});
  r.Int("Layer", &C::Layer, &C::SetLayer);
}

void PublishBakGndImg(TPropertyRegistrar<TBakGndImg>& r) {
  using B = TBakGndImg;
  // Before Name, which keeps its path only when IncludePath is on.
  r.Bool("IncludePath", &B::IncludePath, &B::SetIncludePath).Default(false);
  r.String("Name", &B::Name, &B::SetName);
  r.Enum("FillMode", BkgFillInfo(), &B::FillMode, &B::SetFillMode).Default(I{bfStretch});
  r.Enum("AreaMode", BGAreaModeInfo(), &B::AreaMode, &B::SetAreaMode).Default(I{bamNone});
  r.Color("AreaColor", &B::AreaColor, &B::SetAreaColor).Default(I{14540253});
  r.Double("AreaLeft", &B::AreaLeft, &B::SetAreaLeft).Default(-1.0);
  r.Double("AreaRight", &B::AreaRight, &B::SetAreaRight).Default(1.0);
  r.Double("AreaTop", &B::AreaTop, &B::SetAreaTop).Default(1.0);
  r.Double("AreaBottom", &B::AreaBottom, &B::SetAreaBottom).Default(-1.0);
}

// The creation values are the defaults: a margin equal to another default
// would be left out and come back as the creation value.
void PublishMargins(TPropertyRegistrar<TVorel>& r, const TVorelSettings& created) {
  using V = TVorel;
  for (const char* name : {"MarginLeft", "LRim"})
    r.Int(name, &V::MarginLeft, &V::SetMarginLeft).Default(I{created.MarginLeft});
  for (const char* name : {"MarginRight", "RRim"})
    r.Int(name, &V::MarginRight, &V::SetMarginRight).Default(I{created.MarginRight});
  for (const char* name : {"MarginTop", "TRim"})
    r.Int(name, &V::MarginTop, &V::SetMarginTop).Default(I{created.MarginTop});
  for (const char* name : {"MarginBottom", "BRim"})
    r.Int(name, &V::MarginBottom, &V::SetMarginBottom).Default(I{created.MarginBottom});
  r.Int("ShadowWidth", &V::ShadowWidth, &V::SetShadowWidth).Default(I{created.ShadowWidth});
}

void PublishSubObjects(TPropertyRegistrar<TVorel>& r) {
  using V = TVorel;
  r.Object("BackGroundImg", [](V& v) -> TBakGndImg& { return v.BackGroundImg(); });
  r.Object("JointLayers", [](V& v) -> TJointLayers& { return v.JointLayers(); });
  // Crosshairs and labels are created unlike their classes: stored against that.
  for (int i = 1; i <= kVorelCrossHairs; ++i)
    r.Object(Numbered("CrossHair", i), [i](V& v) -> TCrossHair& {
       return v.CrossHair(i);
     }).CreatedAs([i](const TPersistent&) {
      auto made = std::make_unique<TCrossHair>();
      vorel_detail::ResetCrossHair(*made, i);
      return made;
    });
  for (int i = 1; i <= 4; ++i) {
    r.Object(Numbered("Scale", i, "X"), [i](V& v) -> TScalePropsHoriz& { return v.ScaleX(i); });
    r.Object(Numbered("Scale", i, "Y"), [i](V& v) -> TScalePropsVert& { return v.ScaleY(i); });
  }
  for (int i = 1; i <= kVorelTextLabels; ++i)
    r.Object(Numbered("TextLabel", i), [i](V& v) -> TTextLabel& {
       return v.TextLabel(i);
     }).CreatedAs([](const TPersistent&) {
      auto made = std::make_unique<TTextLabel>();
      vorel_detail::ResetTextLabel(*made, TFont());  // a new chart's font
      return made;
    });
}

void PublishAppearance(TPropertyRegistrar<TVorel>& r, const TVorelSettings& created) {
  using V = TVorel;
  r.Bool("AvoidDuplicateMarks", &V::AvoidDuplicateMarks, &V::SetAvoidDuplicateMarks);
  r.Int("MinDupMarkDist", &V::MinDupMarkDist, &V::SetMinDupMarkDist);
  r.Int("ClassDefault", &V::ClassDefault, &V::SetClassDefault);
  r.Enum("GridStyle", GridStyleTypeInfo(), &V::GridStyle, &V::SetGridStyle);
  r.Double("GridDx", &V::GridDx, &V::SetGridDx);
  r.Double("GridDy", &V::GridDy, &V::SetGridDy);
  r.Color("GridColor", &V::GridColor, &V::SetGridColor).Default(I{created.GridColor});
  r.Color("DataColor", &V::DataColor, &V::SetDataColor).Default(I{created.DataColor});
  r.Enum("PenStyle", PenStyleInfo, &V::PenStyle, &V::SetPenStyle).Default(I{created.PenStyle});
  r.Int("LineWidth", &V::LineWidth, &V::SetLineWidth).Default(I{created.LineWidth});
  r.Color("FillColor", &V::FillColor, &V::SetFillColor).Default(I{created.FillColor});
  r.Color("TextBkColor", &V::TextBkColor, &V::SetTextBkColor).Default(I{created.FillColor});
  r.Color("ChartFrameColor", &V::ChartFrameColor, &V::SetChartFrameColor)
      .Default(I{created.ChartFrameColor});
  r.Color("ChartColor", &V::ChartColor, &V::SetChartColor).Default(I{created.ChartColor});
  r.Color("WindColor", &V::WindColor, &V::SetWindColor).Default(I{created.WindColor});
  r.String("Caption", &V::Caption, &V::SetCaption);
  r.Int("CaptionPosX", &V::CaptionPosX, &V::SetCaptionPosX);
  r.Int("CaptionPosY", &V::CaptionPosY, &V::SetCaptionPosY);
  r.Enum("CaptionAlignment", AlignmentInfo, &V::CaptionAlignment, &V::SetCaptionAlignment);
  r.Enum("CaptionAnchorHoriz", CaptionAnchorHorizInfo(), &V::CaptionAnchorHoriz,
         &V::SetCaptionAnchorHoriz);
  r.Enum("CaptionAnchorVert", CaptionAnchorVertInfo(), &V::CaptionAnchorVert,
         &V::SetCaptionAnchorVert);
  r.Int("CaptionTrim", &V::CaptionTrim, &V::SetCaptionTrim);
  r.Enum("ShadowStyle", ShadowStyleInfo(), &V::ShadowStyle, &V::SetShadowStyle);
  r.Color("ShadowColor", &V::ShadowColor, &V::SetShadowColor);
  r.Color("ShadowBakColor", &V::ShadowBakColor, &V::SetShadowBakColor);
  r.Font("TextFont", [](V& v) -> TFont& { return v.TextFont(); });
  r.Set("TextFontStyle", FontStyleInfo, &V::TextFontStyle, &V::SetTextFontStyle);
  r.Enum("TextBkStyle", TextBkgInfo(), &V::TextBkStyle, &V::SetTextBkStyle);
  r.Enum("TextAlignment", AlignmentInfo, &V::TextAlignment, &V::SetTextAlignment);
}

void PublishMouse(TPropertyRegistrar<TVorel>& r, const TVorelSettings& created) {
  using V = TVorel;
  r.Color("MouseTraceColor", &V::MouseTraceColor, &V::SetMouseTraceColor);
  r.Bool("MouseTraceInvert", &V::MouseTraceInvert, &V::SetMouseTraceInvert);
  r.Enum("MouseAction", MouseActModeInfo(), &V::MouseAction, &V::SetMouseAction);
  r.Bool("MouseCursorFixed", &V::MouseCursorFixed, &V::SetMouseCursorFixed);
  r.Double("PanGridDx", &V::PanGridDx, &V::SetPanGridDx).Default(created.PanGridDx);
  r.Double("PanGridDy", &V::PanGridDy, &V::SetPanGridDy).Default(created.PanGridDy);
  r.Double("PanGridOffsX", &V::PanGridOffsX, &V::SetPanGridOffsX);
  r.Double("PanGridOffsY", &V::PanGridOffsY, &V::SetPanGridOffsY);
}

void PublishEvents(TPropertyRegistrar<TVorel>& r) {
  using V = TVorel;
  r.Event("OnMouseMoveInChart", &V::OnMouseMoveInChart);
  r.Event("OnMouseEnter", &V::OnMouseEnter);
  r.Event("OnMouseLeave", &V::OnMouseLeave);
  r.Event("OnZoomPan", &V::OnZoomPan);
  r.Event("OnSelectRect", &V::OnSelectRect);
  r.Event("OnRubberBand", &V::OnRubberBand);
  r.Event("OnScaleTickDrawn", &V::OnScaleTickDrawn);
  r.Event("OnBeforeTickLabel", &V::OnBeforeTickLabel);
  r.Event("OnBeforeRenderData", &V::OnBeforeRenderData);
  r.Event("OnDataRendered", &V::OnDataRendered);
  r.Event("OnScalesRendered", &V::OnScalesRendered);
  r.Event("OnBeforeRenderChartItem", &V::OnBeforeRenderChartItem);
  r.Event("OnBeforeRenderText", &V::OnBeforeRenderText);
  r.Event("OnBeforeCrossHairMove", &V::OnBeforeCrossHairMove);
  r.Event("OnCrossHairMove", &V::OnCrossHairMove);
  r.Event("OnTextLabelMove", &V::OnTextLabelMove);
}

}  // namespace

// The order is the order of storing, and so of loading a stored chart: margins
// and scales come before the settings that depend on them.
void TVorel::Publish(TPropertyRegistrar<TVorel>& r) {
  using V = TVorel;
  const TVorelSettings created;
  r.Int("AllocSize", &V::AllocSize, &V::SetAllocSize);
  r.Bool("AutoRedraw", &V::AutoRedraw, &V::SetAutoRedraw);
  PublishMargins(r, created);
  r.Enum("StandardLayout", VoLayoutInfo(), &V::StandardLayout, &V::SetStandardLayout).NoStore();
  PublishSubObjects(r);
  r.Bool("Isometric", &V::Isometric, &V::SetIsometric);
  PublishAppearance(r, created);
  PublishMouse(r, created);
  r.Component("UseDataOf", &V::UseDataOf, &V::SetUseDataOf);
  PublishEvents(r);
}

void RegisterVorelClasses() {
  static const bool done = [] {
    RegisterScaleClasses();
    RegisterTextLabel();
    RegisterClass<TScaleProps>("TScaleProps", PublishScaleProps);
    RegisterClass<TScalePropsHoriz, TScaleProps>("TScalePropsHoriz", PublishScalePropsHoriz);
    RegisterClass<TScalePropsVert, TScaleProps>("TScalePropsVert", PublishScalePropsVert);
    RegisterClass<TJointLayers>("TJointLayers", PublishJointLayers);
    RegisterClass<TCrossHair>("TCrossHair", PublishCrossHair);
    RegisterClass<TBakGndImg>("TBakGndImg", PublishBakGndImg);
    RegisterClass<TVorel, TCustomControl>("TVorel", &TVorel::Publish);
    return true;
  }();
  (void)done;
}

}  // namespace zarn
