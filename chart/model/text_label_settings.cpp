#include "chart/zarn_vorel_textlabel.h"

namespace zarn {

const TEnumInfo TxtLblAttachModeInfo("TTxtLblAttachMode",
                                     {"tlamNone", "tlamXOnly", "tlamYOnly", "tlamBoth"});
const TEnumInfo TxtLblModeInfo("TTxtLblMode",
                               {"tlOff", "tlsimple", "tlBox", "tlUnderline", "tlShadow"});

void TTextLabel::Publish(TPropertyRegistrar<TTextLabel>& r) {
  using L = TTextLabel;
  r.Double("PosX", &L::PosX, &L::SetPosX).Default(100.0);
  r.Double("PosY", &L::PosY, &L::SetPosY).Default(10.0);
  // Out-of-range layers are ignored by the setter, so the layout accepts any int.
  r.Int("Layer", &L::Layer, &L::SetLayer).Default(std::int64_t{1});
  r.Int("ShadowDx", &L::ShadowDx, &L::SetShadowDx).Default(std::int64_t{0});
  r.Int("ShadowDy", &L::ShadowDy, &L::SetShadowDy).Default(std::int64_t{0});
  r.Color("ColorShadow", &L::ColorShadow, &L::SetColorShadow).Default(std::int64_t{clGray});
  r.Enum("Alignment", AlignmentInfo, &L::Alignment, &L::SetAlignment)
      .Default(std::int64_t{taCenter});
  r.Enum("VerticalAlignment", VerticalAlignmentInfo, &L::VerticalAlignment,
         &L::SetVerticalAlignment)
      .Default(std::int64_t{vaBottom});
  r.Enum("AttachToData", TxtLblAttachModeInfo, &L::AttachToData, &L::SetAttachToData)
      .Default(std::int64_t{tlamNone});
  r.Color("ColorBkg", &L::ColorBkg, &L::SetColorBkg).Default(std::int64_t{clSilver});
  r.Color("ColorBorder", &L::ColorBorder, &L::SetColorBorder).Default(std::int64_t{clBlack});
  r.Bool("Transparent", &L::Transparent, &L::SetTransparent).Default(false);
  r.Font("Font", [](L& label) -> TFont& { return label.Font(); });
  r.String("Caption", &L::Caption, &L::SetCaption).Default(std::string());
  r.Enum("Mode", TxtLblModeInfo, &L::Mode, &L::SetMode).Default(std::int64_t{tlsimple});
  r.Bool("Visible", &L::Visible, &L::SetVisible).Default(true);
  r.Event("OnChange", &L::OnChange);
}

const TClassInfo& RegisterTextLabel() {
  return RegisterClass<TTextLabel>("TTextLabel", &TTextLabel::Publish);
}

}  // namespace zarn
