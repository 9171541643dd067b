#include <cmath>

#include "readout/zarn_nimbic.h"

namespace zarn {

TNimbic::TNimbic(TComponent* AOwner) : TGraphicControl(AOwner) {
  RegisterNimbic();
  SetBounds(Left(), Top(), 160, 28);
}

TNimbic::~TNimbic() = default;

void TNimbic::Paint() {
  if (!Visible() && !IsDesigning()) return;
  painting_ = true;
  try {
    PaintNimbic(Canvas(), Font(), Width(), Height(), Enabled(), look_, display_, OnBeforeDisplay,
                this);
  } catch (...) {
    painting_ = false;
    throw;
  }
  painting_ = false;
}

void TNimbic::Changed() {
  if (IsLoading() || IsDestroying()) return;
  // A hook that changes the read-out while it paints: paint again afterwards
  // rather than inside the paint that is under way.
  if (painting_) {
    Invalidate();
    return;
  }
  PrepareCanvas();
  Paint();
  // The parent's surface changed outside a paint request: have it shown.
  if (TWinControl* w = WindowControl(); w && w->Peer()) w->Peer()->SurfaceAreaChanged(BoundsRect());
}

void TNimbic::Loaded() {
  TGraphicControl::Loaded();
  // A layout may give the width after LeftSpace; the cut waits for both.
  if (look_.LeftSpace > Width()) look_.LeftSpace = Width();
  Invalidate();
}

void TNimbic::SetEnabled(bool value) {
  TGraphicControl::SetEnabled(value);
  Repaint();
}

void TNimbic::SetValue(double value) {
  if (std::isnan(value)) return;
  Store(display_.Value, value);
}

void TNimbic::SetDisplayType(TDisplay value) {
  if (value > dtEEngNoDP) return;
  Store(display_.DisplayType, value);
}

void TNimbic::SetPrecision(std::int32_t value) {
  if (value < 0 || value == display_.Precision) return;
  display_.Precision = value > 15 ? 15 : value;
  Changed();
}

void TNimbic::SetComma(bool value) {
  Store(display_.Comma, value);
}

void TNimbic::SetForcePlusSign(bool value) {
  Store(display_.ForcePlusSign, value);
}

void TNimbic::SetEmpty(bool value) {
  Store(display_.Empty, value);
}

void TNimbic::SetDTFormat(const std::string& value) {
  Store(display_.DTFormat, value);
}

void TNimbic::SetStateText(const std::string& value) {
  Store(display_.StateText, value);
}

void TNimbic::SetOverflowIndicator(const std::string& value) {
  Store(display_.OverflowIndicator, value);
}

void TNimbic::SetLeftText(const std::string& value) {
  Store(look_.LeftText, value);
}

void TNimbic::SetLeftTextAlignment(TAlignment value) {
  if (value > taCenter) return;
  Store(look_.LeftTextAlignment, value);
}

void TNimbic::SetLeftSpace(std::int32_t value) {
  if (value < 0 || value == look_.LeftSpace) return;
  look_.LeftSpace = value > Width() && !IsLoading() ? Width() : value;
  Changed();
}

void TNimbic::SetLabelWidth(std::int32_t value) {
  Store(display_.LabelWidth, value);
}

void TNimbic::SetAlignment(TAlignment value) {
  if (value > taCenter) return;
  Store(look_.Alignment, value);
}

void TNimbic::SetRightText(const std::string& value) {
  Store(look_.RightText, value);
}

void TNimbic::SetRightTextAlignment(TAlignment value) {
  if (value > taCenter) return;
  Store(look_.RightTextAlignment, value);
}

void TNimbic::SetColorLabBakG(TColor value) {
  Store(look_.ColorLabBakG, value);
}

void TNimbic::SetColorLabText(TColor value) {
  Store(look_.ColorLabText, value);
}

void TNimbic::SetColorOutBakG(TColor value) {
  Store(look_.ColorOutBakG, value);
}

void TNimbic::SetColorOutText(TColor value) {
  Store(look_.ColorOutText, value);
}

void TNimbic::SetColorScheme(TColorScheme value) {
  if (value > csSystem || value == look_.ColorScheme) return;
  look_.ColorScheme = value;
  look_.ColorShadow3D = value == csSystem ? clBtnShadow : clGray;
  look_.ColorHighlight3D = value == csSystem ? clBtnHighlight : clWhite;
  Changed();
}

void TNimbic::SetFrameStyle(TFrameStyle value) {
  if (value > fsEngraved) return;
  Store(look_.FrameStyle, value);
}

void TNimbic::SetTransparent(bool value) {
  if (value == look_.Transparent) return;
  look_.Transparent = value;
  // Going transparent needs the parent's background first: a deferred paint.
  if (value)
    Invalidate();
  else
    Changed();
}

void TNimbic::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TNimbic*>(&Source);
  if (!src) {
    TGraphicControl::Assign(Source);
    return;
  }
  const TDisplaySettings& d = src->display_;
  const TNimbicLook& l = src->look_;
  look_.LeftSpace = l.LeftSpace;
  display_.Empty = d.Empty;
  display_.LabelWidth = d.LabelWidth;
  display_.Precision = d.Precision;
  look_.LeftText = l.LeftText;
  look_.RightText = l.RightText;
  look_.FrameStyle = l.FrameStyle;
  look_.Alignment = l.Alignment;
  look_.RightTextAlignment = l.RightTextAlignment;
  look_.LeftTextAlignment = l.LeftTextAlignment;
  display_.OverflowIndicator = d.OverflowIndicator;
  display_.Value = d.Value;
  display_.StateText = d.StateText;
  look_.Transparent = l.Transparent;
  look_.ColorLabBakG = l.ColorLabBakG;
  look_.ColorLabText = l.ColorLabText;
  look_.ColorOutBakG = l.ColorOutBakG;
  look_.ColorOutText = l.ColorOutText;
  look_.ColorDark = l.ColorDark;
  look_.ColorShadow3D = l.ColorShadow3D;
  look_.ColorHighlight3D = l.ColorHighlight3D;
  look_.ColorScheme = l.ColorScheme;
  display_.DisplayType = d.DisplayType;
  Changed();
}

void TNimbic::AssignTo(TPersistent& Dest) const {
  if (auto* dest = dynamic_cast<TNimbic*>(&Dest)) {
    dest->Assign(*this);
    return;
  }
  TGraphicControl::AssignTo(Dest);
}

}  // namespace zarn
