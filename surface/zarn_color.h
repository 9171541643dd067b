#pragma once
// Colours: a 32-bit value, low byte red, then green, then blue. A top byte of
// 0xFF marks a system colour whose index is the low byte; it is resolved to the
// current system palette only when something is drawn with it.

#include <cstdint>

namespace zarn {

using TColor = std::uint32_t;

inline constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return TColor{r} | (TColor{g} << 8) | (TColor{b} << 16);
}
inline constexpr std::uint8_t GetRValue(TColor c) {
  return c & 0xFF;
}
inline constexpr std::uint8_t GetGValue(TColor c) {
  return (c >> 8) & 0xFF;
}
inline constexpr std::uint8_t GetBValue(TColor c) {
  return (c >> 16) & 0xFF;
}

inline constexpr TColor kSysColorFlag = 0xFF000000;
inline constexpr bool IsSysColor(TColor c) {
  return (c & 0xFF000000) == kSysColorFlag;
}
inline constexpr TColor SysColor(std::uint8_t index) {
  return kSysColorFlag | index;
}

// The sixteen basic colours and the four extra named ones of the classic palette.
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

// System colours, by their index in the system palette.
inline constexpr TColor clScrollBar = SysColor(0x00);
inline constexpr TColor clBackground = SysColor(0x01);
inline constexpr TColor clActiveCaption = SysColor(0x02);
inline constexpr TColor clInactiveCaption = SysColor(0x03);
inline constexpr TColor clMenu = SysColor(0x04);
inline constexpr TColor clWindow = SysColor(0x05);
inline constexpr TColor clWindowFrame = SysColor(0x06);
inline constexpr TColor clMenuText = SysColor(0x07);
inline constexpr TColor clWindowText = SysColor(0x08);
inline constexpr TColor clCaptionText = SysColor(0x09);
inline constexpr TColor clActiveBorder = SysColor(0x0A);
inline constexpr TColor clInactiveBorder = SysColor(0x0B);
inline constexpr TColor clAppWorkSpace = SysColor(0x0C);
inline constexpr TColor clHighlight = SysColor(0x0D);
inline constexpr TColor clHighlightText = SysColor(0x0E);
inline constexpr TColor clBtnFace = SysColor(0x0F);
inline constexpr TColor clBtnShadow = SysColor(0x10);
inline constexpr TColor clGrayText = SysColor(0x11);
inline constexpr TColor clBtnText = SysColor(0x12);
inline constexpr TColor clInactiveCaptionText = SysColor(0x13);
inline constexpr TColor clBtnHighlight = SysColor(0x14);
inline constexpr TColor cl3DDkShadow = SysColor(0x15);
inline constexpr TColor cl3DLight = SysColor(0x16);
inline constexpr TColor clInfoText = SysColor(0x17);
inline constexpr TColor clInfoBk = SysColor(0x18);
inline constexpr int kSysColorCount = 0x19;

// The system palette that system colours resolve through. It starts as the
// classic light-grey desktop palette; the platform layer replaces entries with
// the running desktop's colours. Indices outside the table are ignored / read black.
void SetSysColor(int index, TColor rgb);
TColor GetSysColor(int index);
void ResetSysColors();

// The plain RGB value a colour is drawn with: system colours are looked up,
// clNone and clDefault and other flagged values keep only their RGB bytes.
TColor ColorToRGB(TColor color);

}  // namespace zarn
