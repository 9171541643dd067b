#pragma once
// Horizontal and vertical alignment of texts, shared by the read-out, the
// scale control and the chart's text labels.

#include <array>
#include <cstdint>
#include <string_view>

namespace zarn {

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment : std::uint8_t { vaTop, vaCenter, vaBottom };

// Value names in declaration order, for stored layouts.
inline constexpr std::array<std::string_view, 3> kAlignmentNames{"taLeftJustify", "taRightJustify",
                                                                 "taCenter"};
inline constexpr std::array<std::string_view, 3> kVerticalAlignmentNames{"vaTop", "vaCenter",
                                                                         "vaBottom"};

}  // namespace zarn
