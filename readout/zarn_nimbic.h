#pragma once
// The numeric read-out: how its value becomes the text of the value field.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/zarn_alignment.h"
#include "base/zarn_engineering.h"
#include "base/zarn_marks.h"
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
// ("-0° 15'"). NaN and infinities give an empty text.
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

}  // namespace zarn
