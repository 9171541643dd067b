#pragma once
// Pieces shared by the layout reader and writer.

#include <nlohmann/json.hpp>
#include <string>

#include "platform/properties.h"
#include "surface/zarn_bitmap.h"

namespace zarn::layout {

using Json = nlohmann::ordered_json;

inline constexpr int kMaxDepth = 32;         // nesting of sub-objects
inline constexpr int kMaxJsonDepth = 64;     // sub-objects within the layout's own frame
inline constexpr int kMaxBitmapSide = 4096;  // a glyph, not a photograph
inline constexpr std::size_t kMaxPalette = 62 * 62 * 62;

extern const TEnumInfo PixelFormatInfo;

Json EncodeBitmap(const TBitmap& bitmap);
// Throws EZarnError (the reason only) on a malformed bitmap.
void DecodeBitmap(const Json& value, TBitmap& bitmap);

// "#RRGGBB" (or "#TTRRGGBB" when the top byte is set) of a TColor.
std::string HexColor(TColor color);

}  // namespace zarn::layout
