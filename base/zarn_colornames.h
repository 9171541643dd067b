#pragma once
// The constant list of colour names: the sixteen basic colours in the
// platform's order, MoneyGreen, Cream and MedGray, then X11 names
// alphabetically, each base name followed by its variants 1 to 4.

#include <optional>
#include <span>
#include <string_view>

#include "surface/zarn_color.h"

namespace zarn {

struct TColorName {
  std::string_view Name;
  TColor Color;
};

inline constexpr int kColorNameCount = 466;

// Every entry, in list order.
std::span<const TColorName> ColorNames();

// The colour of a name, ignoring ASCII case ("darkorange" and "DARKORANGE" both match).
std::optional<TColor> ColorFromName(std::string_view name);

// The first name in list order with exactly this colour. Several names share a
// value (Aqua, Cyan and Cyan1), so this is not the inverse of ColorFromName.
std::optional<std::string_view> NameOfColor(TColor color);

}  // namespace zarn
