#include "base/zarn_textlabel.h"

namespace zarn {

TCustomTextLabel::TCustomTextLabel() : font_(std::make_unique<TFont>()) {}

TCustomTextLabel::~TCustomTextLabel() = default;

void TCustomTextLabel::Changed() {
  if (OnChange) OnChange(this);
}

void TCustomTextLabel::SetPosX(double value) {
  posX_ = value;
  Changed();
}

void TCustomTextLabel::SetPosY(double value) {
  posY_ = value;
  Changed();
}

void TCustomTextLabel::SetLayer(int value) {
  if (value < 1 || value > 16) return;
  layer_ = value;
  Changed();
}

void TCustomTextLabel::SetShadowDx(int value) {
  shadowDx_ = value;
  Changed();
}

void TCustomTextLabel::SetShadowDy(int value) {
  shadowDy_ = value;
  Changed();
}

void TCustomTextLabel::SetColorShadow(TColor value) {
  colorShadow_ = value;
  Changed();
}

void TCustomTextLabel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Changed();
}

void TCustomTextLabel::SetVerticalAlignment(TVerticalAlignment value) {
  verticalAlignment_ = value;
  Changed();
}

void TCustomTextLabel::SetAttachToData(TTxtLblAttachMode value) {
  attachToData_ = value;
  Changed();
}

void TCustomTextLabel::SetColorBkg(TColor value) {
  colorBkg_ = value;
  Changed();
}

void TCustomTextLabel::SetColorBorder(TColor value) {
  colorBorder_ = value;
  Changed();
}

void TCustomTextLabel::SetTransparent(bool value) {
  transparent_ = value;
  Changed();
}

void TCustomTextLabel::SetFont(const TFont& value) {
  font_->Assign(value);
  Changed();
}

void TCustomTextLabel::SetCaption(const std::string& value) {
  caption_ = value;
  // Bytes below 32 are never part of a multi-byte UTF-8 sequence.
  for (char& c : caption_)
    if (static_cast<unsigned char>(c) < 32 && c != '\n') c = ' ';
  Changed();
}

void TCustomTextLabel::SetMode(TTxtLblMode value) {
  mode_ = value;
  Changed();
}

void TCustomTextLabel::SetVisible(bool value) {
  visible_ = value;
  Changed();
}

void TCustomTextLabel::Assign(const TPersistent& source) {
  const auto* src = dynamic_cast<const TCustomTextLabel*>(&source);
  if (!src) {
    TPersistent::Assign(source);
    return;
  }
  if (src == this) return;
  posX_ = src->posX_;
  posY_ = src->posY_;
  layer_ = src->layer_;
  shadowDx_ = src->shadowDx_;
  shadowDy_ = src->shadowDy_;
  colorShadow_ = src->colorShadow_;
  alignment_ = src->alignment_;
  verticalAlignment_ = src->verticalAlignment_;
  attachToData_ = src->attachToData_;
  colorBkg_ = src->colorBkg_;
  colorBorder_ = src->colorBorder_;
  transparent_ = src->transparent_;
  font_->Assign(*src->font_);
  caption_ = src->caption_;
  mode_ = src->mode_;
  visible_ = src->visible_;
  OnChange = src->OnChange;
}

void TCustomTextLabel::AssignTo(TPersistent& dest) const {
  if (auto* label = dynamic_cast<TCustomTextLabel*>(&dest)) {
    label->Assign(*this);
    return;
  }
  TPersistent::AssignTo(dest);
}

}  // namespace zarn
