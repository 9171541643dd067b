#pragma once
// The drawing attributes a canvas draws with: pen, brush and font. Each
// reports its changes through OnChange so that owners can repaint.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "surface/zarn_color.h"
#include "surface/zarn_persistent.h"
#include "surface/zarn_types.h"

namespace zarn {

enum TPenStyle : std::uint8_t {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame
};
enum TPenMode : std::uint8_t { pmCopy, pmXor };
enum TBrushStyle : std::uint8_t { bsSolid, bsClear };
enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };

// The resolution fonts are designed at when nobody says otherwise.
inline constexpr int kScreenPixelsPerInch = 96;

class TGraphicsObject : public TPersistent {
 public:
  std::function<void()> OnChange;

 protected:
  TGraphicsObject() = default;
  void Changed() const {
    if (OnChange) OnChange();
  }
};

class TPen : public TGraphicsObject {
 public:
  TPen() = default;
  TPen(const TPen&) = delete;
  TPen& operator=(const TPen&) = delete;

  std::string_view ClassName() const override { return "TPen"; }
  void Assign(const TPersistent& source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle value);
  int Width() const { return width_; }
  void SetWidth(int value);  // values below 1 are taken as 1
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode value);

 private:
  TColor color_ = clBlack;
  TPenStyle style_ = psSolid;
  int width_ = 1;
  TPenMode mode_ = pmCopy;
};

class TBrush : public TGraphicsObject {
 public:
  TBrush() = default;
  TBrush(const TBrush&) = delete;
  TBrush& operator=(const TBrush&) = delete;

  std::string_view ClassName() const override { return "TBrush"; }
  void Assign(const TPersistent& source) override;

  TColor Color() const { return color_; }
  // Setting a colour on a clear brush makes it solid.
  void SetColor(TColor value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle value);

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

class TFont : public TGraphicsObject {
 public:
  TFont() = default;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  std::string_view ClassName() const override { return "TFont"; }
  void Assign(const TPersistent& source) override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& value);
  // Height below 0: the character height in pixels (cell height less internal
  // leading); above 0: the cell height in pixels.
  int Height() const { return height_; }
  void SetHeight(int value);
  // Size in points at PixelsPerInch: Size = -Height * 72 / PixelsPerInch, rounded.
  int Size() const;
  void SetSize(int points);
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value);  // keeps Height; values below 1 are ignored
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch value);
  std::uint8_t Charset() const { return charset_; }
  void SetCharset(std::uint8_t value);

  friend bool SameFace(const TFont& a, const TFont& b) {
    return a.name_ == b.name_ && a.height_ == b.height_ && a.style_ == b.style_ &&
           a.pitch_ == b.pitch_;
  }

 private:
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  int pixelsPerInch_ = kScreenPixelsPerInch;
  TFontStyles style_;
  TColor color_ = clWindowText;
  TFontPitch pitch_ = fpDefault;
  std::uint8_t charset_ = 1;  // default character set
};

}  // namespace zarn
