// The read-out's published properties, by which a stored layout sets it up.

#include <cstdint>

#include "base/zarn_frame_names.h"
#include "platform/properties.h"
#include "readout/zarn_nimbic.h"

namespace zarn {

const TEnumInfo& DisplayInfo() {
  static const TEnumInfo info(
      "TDisplay",
      {"dtFloat", "dtFixP", "dtExp", "dtHex", "dtZeroInt", "dtInt", "dtDateTime", "dtState",
       "dtBin", "dtOct", "dtDeg", "dtDegMin", "dtDegMinSec", "dtEEng", "dtEEngNoDP"});
  return info;
}

void TNimbic::Publish(TPropertyRegistrar<TNimbic>& r) {
  using C = TNimbic;
  using i64 = std::int64_t;
  r.Enum("Alignment", AlignmentInfo, &C::Alignment, &C::SetAlignment).Default(i64{taCenter});
  r.Color("ColorLabBakG", &C::ColorLabBakG, &C::SetColorLabBakG).Default(i64{clBtnFace});
  r.Color("ColorLabText", &C::ColorLabText, &C::SetColorLabText).Default(i64{clBlack});
  r.Color("ColorOutBakG", &C::ColorOutBakG, &C::SetColorOutBakG).Default(i64{clBtnFace});
  r.Color("ColorOutText", &C::ColorOutText, &C::SetColorOutText).Default(i64{clBlack});
  r.Enum("ColorScheme", ColorSchemeInfo(), &C::ColorScheme, &C::SetColorScheme).Default(i64{csBWG});
  r.Bool("Comma", &C::Comma, &C::SetComma).Default(false);
  r.Enum("DisplayType", DisplayInfo(), &C::DisplayType, &C::SetDisplayType).Default(i64{dtFixP});
  r.String("DTFormat", &C::DTFormat, &C::SetDTFormat).Default(std::string("mmm-dd, yyyy"));
  r.Bool("Empty", &C::Empty, &C::SetEmpty).Default(false);
  r.Bool("ForcePlusSign", &C::ForcePlusSign, &C::SetForcePlusSign).Default(false);
  r.Enum("FrameStyle", FrameStyleInfo(), &C::FrameStyle, &C::SetFrameStyle).Default(i64{fsLowered});
  r.Int("LabelWidth", &C::LabelWidth, &C::SetLabelWidth).Default(i64{80});
  r.Int("LeftSpace", &C::LeftSpace, &C::SetLeftSpace).Default(i64{35});
  r.String("LeftText", &C::LeftText, &C::SetLeftText).Default(std::string());
  r.Enum("LeftTextAlignment", AlignmentInfo, &C::LeftTextAlignment, &C::SetLeftTextAlignment)
      .Default(i64{taRightJustify});
  r.String("OverflowIndicator", &C::OverflowIndicator, &C::SetOverflowIndicator)
      .Default(std::string("*********"));
  r.Int("Precision", &C::Precision, &C::SetPrecision).Default(i64{2});
  r.String("RightText", &C::RightText, &C::SetRightText).Default(std::string());
  r.Enum("RightTextAlignment", AlignmentInfo, &C::RightTextAlignment, &C::SetRightTextAlignment)
      .Default(i64{taLeftJustify});
  r.String("StateText", &C::StateText, &C::SetStateText).Default(std::string("undefined"));
  r.Bool("Transparent", &C::Transparent, &C::SetTransparent).Default(false);
  r.Double("Value", &C::Value, &C::SetValue).Default(0.0);
  r.Event("OnBeforeDisplay", &C::OnBeforeDisplay);
}

void RegisterNimbic() {
  RegisterClass<TNimbic, TGraphicControl>("TNimbic", &TNimbic::Publish);
}

}  // namespace zarn
