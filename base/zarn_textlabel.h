#pragma once
// The settings of one caption placed on a chart. The label draws nothing
// itself; its owner hooks OnChange to redraw.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/zarn_alignment.h"
#include "surface/zarn_color.h"
#include "surface/zarn_graphics.h"
#include "surface/zarn_persistent.h"

namespace zarn {

// Which coordinates of a label are world coordinates of its layer.
enum TTxtLblAttachMode : std::uint8_t { tlamNone, tlamXOnly, tlamYOnly, tlamBoth };
enum TTxtLblMode : std::uint8_t { tlOff, tlsimple, tlBox, tlUnderline, tlShadow };

class TCustomTextLabel : public TPersistent {
 public:
  TCustomTextLabel();
  ~TCustomTextLabel() override;
  TCustomTextLabel(const TCustomTextLabel&) = delete;
  TCustomTextLabel& operator=(const TCustomTextLabel&) = delete;

  std::string_view ClassName() const override { return "TCustomTextLabel"; }
  // Copies every setting, the font's attributes and the OnChange handler
  // itself, without firing OnChange.
  void Assign(const TPersistent& source) override;

  // Fired after every setter, also when the value did not change.
  std::function<void(TObject* Sender)> OnChange;

  double PosX() const { return posX_; }
  void SetPosX(double value);
  double PosY() const { return posY_; }
  void SetPosY(double value);
  int Layer() const { return layer_; }
  void SetLayer(int value);  // only 1 .. 16; anything else is ignored silently
  int ShadowDx() const { return shadowDx_; }
  void SetShadowDx(int value);
  int ShadowDy() const { return shadowDy_; }
  void SetShadowDy(int value);
  TColor ColorShadow() const { return colorShadow_; }
  void SetColorShadow(TColor value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
  void SetVerticalAlignment(TVerticalAlignment value);
  TTxtLblAttachMode AttachToData() const { return attachToData_; }
  void SetAttachToData(TTxtLblAttachMode value);
  TColor ColorBkg() const { return colorBkg_; }
  void SetColorBkg(TColor value);
  TColor ColorBorder() const { return colorBorder_; }
  void SetColorBorder(TColor value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TFont& Font() { return *font_; }
  const TFont& Font() const { return *font_; }
  void SetFont(const TFont& value);  // copies the attributes
  const std::string& Caption() const { return caption_; }
  // Control characters other than the line feed become blanks, so a caption
  // breaks only at line feeds.
  void SetCaption(const std::string& value);
  TTxtLblMode Mode() const { return mode_; }
  void SetMode(TTxtLblMode value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

 protected:
  void AssignTo(TPersistent& dest) const override;
  void Changed();

 private:
  double posX_ = 100.0;
  double posY_ = 10.0;
  int layer_ = 1;
  int shadowDx_ = 0;
  int shadowDy_ = 0;
  TColor colorShadow_ = clGray;
  TAlignment alignment_ = taCenter;
  TVerticalAlignment verticalAlignment_ = vaBottom;
  TTxtLblAttachMode attachToData_ = tlamNone;
  TColor colorBkg_ = clSilver;
  TColor colorBorder_ = clBlack;
  bool transparent_ = false;
  std::unique_ptr<TFont> font_;
  std::string caption_;
  TTxtLblMode mode_ = tlsimple;
  bool visible_ = true;
};

}  // namespace zarn
