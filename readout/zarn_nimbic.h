#pragma once
// The numeric read-out: how its value becomes the text of the value field,
// how it is painted, and the control itself.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/zarn_engineering.h"
#include "base/zarn_marks.h"
#include "platform/control.h"
#include "platform/properties.h"
#include "surface/zarn_canvas.h"
#include "surface/zarn_color.h"
#include "surface/zarn_graphics.h"
#include "surface/zarn_persistent.h"

namespace zarn {

enum TDisplay : std::uint8_t {
  dtFloat,
  dtFixP,
  dtExp,
  dtHex,
  dtZeroInt,
  dtInt,
  dtDateTime,
  dtState,
  dtBin,
  dtOct,
  dtDeg,
  dtDegMin,
  dtDegMinSec,
  dtEEng,
  dtEEngNoDP
};

// The three forms of FormatAngle.
enum TAngleKind : std::uint8_t { akDeg, akDegMin, akDegMinSec };

// Last chance to change the value text before it is measured and drawn.
using TBeforeDisplayEvent = std::function<void(TObject* Sender, std::string& Text)>;

// Pixel width of a text in the read-out's font.
using TTextWidthFunc = std::function<int(const std::string&)>;

// The read-out's properties that steer the value text, with their initial values.
struct TDisplaySettings {
  double Value = 0.0;
  TDisplay DisplayType = dtFixP;
  std::int32_t Precision = 2;  // 0 … 15
  bool Comma = false;
  bool ForcePlusSign = false;
  bool Empty = false;
  std::string DTFormat = "mmm-dd, yyyy";
  std::string StateText = "undefined";
  std::string OverflowIndicator = "*********";
  std::int32_t LabelWidth = 80;
};

// Exactly Digits octal digits of Value (Digits limited to 1 … 11), leading zeros kept.
std::string FormatOctal(std::uint32_t Value, std::uint8_t Digits);
// Exactly Digits binary digits of Value (Digits limited to 1 … 32), leading zeros kept.
std::string FormatBinary(std::uint32_t Value, std::uint8_t Digits);

// X degrees as "12.50°", "12° 30.00'" or "12° 30' 0.0\"" with Decimals (0 … 8)
// decimals on the last field. Negative angles keep their sign on the degrees
// ("-0° 15'"). NaN and infinities give the degrees alone ("NAN°").
std::string FormatAngle(TAngleKind Kind, std::int32_t Decimals, double X);

// The text of the value field. Empty when Settings.Empty is set (the hook is
// then not called). A value out of a display type's range, NaN (except for
// dtState), or a text wider than LabelWidth - 6 pixels (except for dtState)
// shows OverflowIndicator. textWidth may be empty, which skips the width test.
std::string BuildDisplayText(const TDisplaySettings& Settings, const TTextWidthFunc& textWidth,
                             const TBeforeDisplayEvent& OnBeforeDisplay = {},
                             TObject* Sender = nullptr);

// The read-out's properties that steer its picture apart from the value text,
// with their initial values.
struct TNimbicLook {
  std::int32_t LeftSpace = 35;
  std::string LeftText;
  std::string RightText;
  TAlignment LeftTextAlignment = taRightJustify;
  TAlignment Alignment = taCenter;
  TAlignment RightTextAlignment = taLeftJustify;
  TColor ColorLabBakG = clBtnFace;
  TColor ColorLabText = clBlack;
  TColor ColorOutBakG = clBtnFace;
  TColor ColorOutText = clBlack;
  TColorScheme ColorScheme = csBWG;
  TColor ColorDark = clBlack;
  TColor ColorShadow3D = clGray;
  TColor ColorHighlight3D = clWhite;
  TFrameStyle FrameStyle = fsLowered;
  bool Transparent = false;
};

// The text every read-out's line height is measured with: ascenders,
// descenders and accented capitals.
inline constexpr std::string_view kNimbicMeasureText = "(8g]}ÜÄ§";

// Paints a read-out of Width x Height pixels onto Surface at its origin: the
// left text, the framed value field and the right text, composed off-screen
// and copied in one Draw (an AND copy over a pre-filled value field when
// Look.Transparent is set). Surface takes Font.
void PaintNimbic(TCanvas& Surface, const TFont& Font, int Width, int Height, bool Enabled,
                 const TNimbicLook& Look, const TDisplaySettings& Display,
                 const TBeforeDisplayEvent& OnBeforeDisplay = {}, TObject* Sender = nullptr);

// A light-weight read-out: a fixed left text, a framed value field showing
// Value in one of the TDisplay forms, and a fixed right text. Every setter that
// changes the picture paints the control again before it returns.
class TNimbic : public TGraphicControl {
 public:
  explicit TNimbic(TComponent* AOwner);
  ~TNimbic() override;
  std::string_view ClassName() const override { return "TNimbic"; }

  // Copies the picture's settings of another read-out (not Comma,
  // ForcePlusSign, DTFormat, Enabled, events, bounds or font), then paints once.
  void Assign(const TPersistent& Source) override;
  void Paint() override;
  void SetEnabled(bool value) override;

  // The value text.
  double Value() const { return display_.Value; }
  void SetValue(double value);  // NaN and equal values are no change
  TDisplay DisplayType() const { return display_.DisplayType; }
  void SetDisplayType(TDisplay value);
  std::int32_t Precision() const { return display_.Precision; }
  void SetPrecision(std::int32_t value);  // ignores negative values, holds at 15
  bool Comma() const { return display_.Comma; }
  void SetComma(bool value);
  bool ForcePlusSign() const { return display_.ForcePlusSign; }
  void SetForcePlusSign(bool value);
  bool Empty() const { return display_.Empty; }
  void SetEmpty(bool value);
  const std::string& DTFormat() const { return display_.DTFormat; }
  void SetDTFormat(const std::string& value);
  const std::string& StateText() const { return display_.StateText; }
  void SetStateText(const std::string& value);
  const std::string& OverflowIndicator() const { return display_.OverflowIndicator; }
  void SetOverflowIndicator(const std::string& value);

  // The three areas.
  const std::string& LeftText() const { return look_.LeftText; }
  void SetLeftText(const std::string& value);
  TAlignment LeftTextAlignment() const { return look_.LeftTextAlignment; }
  void SetLeftTextAlignment(TAlignment value);
  std::int32_t LeftSpace() const { return look_.LeftSpace; }
  void SetLeftSpace(std::int32_t value);  // ignores negative values, cut to Width
  std::int32_t LabelWidth() const { return display_.LabelWidth; }
  void SetLabelWidth(std::int32_t value);
  TAlignment Alignment() const { return look_.Alignment; }
  void SetAlignment(TAlignment value);
  const std::string& RightText() const { return look_.RightText; }
  void SetRightText(const std::string& value);
  TAlignment RightTextAlignment() const { return look_.RightTextAlignment; }
  void SetRightTextAlignment(TAlignment value);

  // Colours and frame.
  TColor ColorLabBakG() const { return look_.ColorLabBakG; }
  void SetColorLabBakG(TColor value);
  TColor ColorLabText() const { return look_.ColorLabText; }
  void SetColorLabText(TColor value);
  TColor ColorOutBakG() const { return look_.ColorOutBakG; }
  void SetColorOutBakG(TColor value);
  TColor ColorOutText() const { return look_.ColorOutText; }
  void SetColorOutText(TColor value);
  TColorScheme ColorScheme() const { return look_.ColorScheme; }
  void SetColorScheme(TColorScheme value);
  // The frame colours the scheme sets (not published).
  TColor ColorDark() const { return look_.ColorDark; }
  TColor ColorShadow3D() const { return look_.ColorShadow3D; }
  TColor ColorHighlight3D() const { return look_.ColorHighlight3D; }
  TFrameStyle FrameStyle() const { return look_.FrameStyle; }
  void SetFrameStyle(TFrameStyle value);
  // On: white parts of the picture let the parent's background show.
  bool Transparent() const { return look_.Transparent; }
  void SetTransparent(bool value);

  const TDisplaySettings& DisplaySettings() const { return display_; }
  const TNimbicLook& Look() const { return look_; }

  TBeforeDisplayEvent OnBeforeDisplay;

  static void Publish(TPropertyRegistrar<TNimbic>& r);

 protected:
  void AssignTo(TPersistent& Dest) const override;
  void Loaded() override;

 private:
  // Paints now, unless a layout is still being applied.
  void Changed();
  template <class T>
  void Store(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }

  TNimbicLook look_;
  TDisplaySettings display_;
  bool painting_ = false;
};

// Enters TNimbic in the class registry (once), so that layouts can create it.
void RegisterNimbic();

// Value names for stored layouts.
const TEnumInfo& DisplayInfo();

}  // namespace zarn
