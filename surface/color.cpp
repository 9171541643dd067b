#include "surface/zarn_color.h"

#include <array>

namespace zarn {
namespace {

constexpr std::array<TColor, kSysColorCount> kClassicPalette = {
    RGB(0xC0, 0xC0, 0xC0),  // scroll bar
    RGB(0x00, 0x80, 0x80),  // desktop background
    RGB(0x00, 0x00, 0x80),  // active caption
    RGB(0x80, 0x80, 0x80),  // inactive caption
    RGB(0xC0, 0xC0, 0xC0),  // menu
    RGB(0xFF, 0xFF, 0xFF),  // window
    RGB(0x00, 0x00, 0x00),  // window frame
    RGB(0x00, 0x00, 0x00),  // menu text
    RGB(0x00, 0x00, 0x00),  // window text
    RGB(0xFF, 0xFF, 0xFF),  // caption text
    RGB(0xC0, 0xC0, 0xC0),  // active border
    RGB(0xC0, 0xC0, 0xC0),  // inactive border
    RGB(0x80, 0x80, 0x80),  // application work space
    RGB(0x00, 0x00, 0x80),  // highlight
    RGB(0xFF, 0xFF, 0xFF),  // highlight text
    RGB(0xC0, 0xC0, 0xC0),  // button face
    RGB(0x80, 0x80, 0x80),  // button shadow
    RGB(0x80, 0x80, 0x80),  // grey text
    RGB(0x00, 0x00, 0x00),  // button text
    RGB(0xC0, 0xC0, 0xC0),  // inactive caption text
    RGB(0xFF, 0xFF, 0xFF),  // button highlight
    RGB(0x00, 0x00, 0x00),  // 3D dark shadow
    RGB(0xDF, 0xDF, 0xDF),  // 3D light
    RGB(0x00, 0x00, 0x00),  // tooltip text
    RGB(0xFF, 0xFF, 0xE1),  // tooltip background
};

std::array<TColor, kSysColorCount>& Palette() {
  static std::array<TColor, kSysColorCount> palette = kClassicPalette;
  return palette;
}

}  // namespace

void SetSysColor(int index, TColor rgb) {
  if (index >= 0 && index < kSysColorCount) Palette()[index] = rgb & 0xFFFFFF;
}

TColor GetSysColor(int index) {
  return index >= 0 && index < kSysColorCount ? Palette()[index] : clBlack;
}

void ResetSysColors() {
  Palette() = kClassicPalette;
}

TColor ColorToRGB(TColor color) {
  if (IsSysColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0xFFFFFF;
}

}  // namespace zarn
