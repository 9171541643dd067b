// The chart's published properties and events, by which a stored layout sets it up.

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

void TVorel::Publish(TPropertyRegistrar<TVorel>& /*r*/) {}

void RegisterVorelClasses() {
  RegisterScaleClasses();
  RegisterTextLabel();
  RegisterClass<TVorel, TCustomControl>("TVorel", &TVorel::Publish);
}

}  // namespace zarn
