#include <algorithm>
#include <map>

#include "platform/layout_internal.h"
#include "platform/layout_json.h"

namespace zarn {

namespace {
std::string LayoutMessage(const std::string& component, const std::string& path,
                          const std::string& reason) {
  std::string m = component.empty() ? std::string("layout") : component;
  if (!path.empty()) m += ": property \"" + path + "\"";
  return m + ": " + reason;
}
}  // namespace

ELayoutError::ELayoutError(std::string component, std::string propertyPath,
                           const std::string& reason)
    : EZarnError(LayoutMessage(component, propertyPath, reason)),
      component_(std::move(component)),
      propertyPath_(std::move(propertyPath)),
      reason_(reason) {}

namespace layout {

const TEnumInfo PixelFormatInfo("TPixelFormat", {"pfDevice", "pf1bit", "pf4bit", "pf8bit",
                                                 "pf15bit", "pf16bit", "pf24bit", "pf32bit"});

namespace {
constexpr std::string_view kDigits =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

int DigitValue(char c) {
  const auto pos = kDigits.find(c);
  return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

TColor ParseHexColor(const std::string& s) {
  if ((s.size() != 7 && s.size() != 9) || s[0] != '#')
    throw EZarnError("palette entry \"" + s + "\" is not #RRGGBB");
  std::uint32_t v = 0;
  for (std::size_t i = 1; i < s.size(); ++i) {
    const int h = HexValue(s[i]);
    if (h < 0) throw EZarnError("palette entry \"" + s + "\" is not #RRGGBB");
    v = (v << 4) | static_cast<std::uint32_t>(h);
  }
  // Written as the reader sees it (red first); stored with red in the low byte.
  const std::uint32_t top = v >> 24;
  const std::uint32_t r = (v >> 16) & 0xFF, g = (v >> 8) & 0xFF, b = v & 0xFF;
  return (top << 24) | r | (g << 8) | (b << 16);
}
}  // namespace

std::string HexColor(TColor c) {
  static constexpr char hex[] = "0123456789ABCDEF";
  const std::uint32_t top = c >> 24;
  const std::uint32_t rgb = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
  std::string s = "#";
  const std::uint32_t v = top ? (top << 24) | rgb : rgb;
  for (int shift = top ? 28 : 20; shift >= 0; shift -= 4)
    s += hex[(v >> shift) & 0xF];
  return s;
}

Json EncodeBitmap(const TBitmap& bitmap) {
  Json out = Json::object();
  out["Width"] = bitmap.Width();
  out["Height"] = bitmap.Height();
  std::vector<TColor> palette;
  std::map<TColor, std::size_t> index;
  for (TColor c : bitmap.Pixels())
    if (index.emplace(c, palette.size()).second) palette.push_back(c);
  int digits = 1;
  for (std::size_t capacity = kDigits.size(); capacity < palette.size(); capacity *= kDigits.size())
    ++digits;
  if (digits > 1) out["Digits"] = digits;
  Json pal = Json::array();
  for (TColor c : palette)
    pal.push_back(HexColor(c));
  out["Palette"] = std::move(pal);
  Json rows = Json::array();
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::string row;
    row.reserve(static_cast<std::size_t>(bitmap.Width() * digits));
    const TColor* line = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      std::size_t i = index[line[x]];
      std::string cell(static_cast<std::size_t>(digits), '0');
      for (int d = digits - 1; d >= 0; --d) {
        cell[static_cast<std::size_t>(d)] = kDigits[i % kDigits.size()];
        i /= kDigits.size();
      }
      row += cell;
    }
    rows.push_back(std::move(row));
  }
  out["Rows"] = std::move(rows);
  if (bitmap.PixelFormat() != pfDevice)
    out["PixelFormat"] = std::string(*PixelFormatInfo.NameOf(bitmap.PixelFormat()));
  if (bitmap.Transparent()) out["Transparent"] = true;
  return out;
}

void DecodeBitmap(const Json& value, TBitmap& bitmap) {
  if (value.is_null()) {
    bitmap.SetSize(0, 0);
    return;
  }
  if (!value.is_object()) throw EZarnError("a bitmap must be an object");
  for (const auto& [key, v] : value.items())
    if (key != "Width" && key != "Height" && key != "Palette" && key != "Rows" && key != "Digits" &&
        key != "PixelFormat" && key != "Transparent")
      throw EZarnError("unknown bitmap key \"" + key + "\"");
  auto side = [&](const char* key) {
    if (!value.contains(key) || !value[key].is_number_integer())
      throw EZarnError(std::string("bitmap ") + key + " must be an integer");
    const auto n = value[key].get<std::int64_t>();
    if (n < 0 || n > kMaxBitmapSide)
      throw EZarnError(std::string("bitmap ") + key + " out of range 0.." +
                       std::to_string(kMaxBitmapSide));
    return static_cast<int>(n);
  };
  const int width = side("Width");
  const int height = side("Height");
  int digits = 1;
  if (value.contains("Digits")) {
    if (!value["Digits"].is_number_integer() || value["Digits"].get<std::int64_t>() < 1 ||
        value["Digits"].get<std::int64_t>() > 3)
      throw EZarnError("bitmap Digits must be 1, 2 or 3");
    digits = static_cast<int>(value["Digits"].get<std::int64_t>());
  }
  std::vector<TColor> palette;
  if (value.contains("Palette")) {
    const Json& pal = value["Palette"];
    if (!pal.is_array() || pal.size() > kMaxPalette)
      throw EZarnError("bitmap Palette must be an array of colours");
    for (const Json& e : pal) {
      if (!e.is_string()) throw EZarnError("palette entries are \"#RRGGBB\" strings");
      palette.push_back(ParseHexColor(e.get<std::string>()));
    }
  }
  const Json empty = Json::array();
  const Json& rows = value.contains("Rows") ? value["Rows"] : empty;
  if (!rows.is_array() || rows.size() != static_cast<std::size_t>(height))
    throw EZarnError("bitmap Rows must hold Height rows");
  TBitmap decoded(width, height);
  for (int y = 0; y < height; ++y) {
    const Json& row = rows[static_cast<std::size_t>(y)];
    if (!row.is_string()) throw EZarnError("bitmap rows are strings");
    const std::string& text = row.get_ref<const std::string&>();
    if (text.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(digits))
      throw EZarnError("bitmap row " + std::to_string(y) + " does not have Width pixels");
    TColor* line = decoded.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      std::size_t i = 0;
      for (int d = 0; d < digits; ++d) {
        const int v = DigitValue(text[static_cast<std::size_t>(x * digits + d)]);
        if (v < 0) throw EZarnError("bitmap row " + std::to_string(y) + " has a bad pixel");
        i = i * kDigits.size() + static_cast<std::size_t>(v);
      }
      if (i >= palette.size())
        throw EZarnError("bitmap row " + std::to_string(y) + " indexes past the palette");
      line[x] = palette[i];
    }
  }
  TPixelFormat format = pfDevice;
  if (value.contains("PixelFormat")) {
    const Json& f = value["PixelFormat"];
    std::optional<std::int64_t> v;
    if (f.is_string()) v = PixelFormatInfo.ValueOf(f.get<std::string>());
    if (!v) throw EZarnError("unknown bitmap PixelFormat");
    format = static_cast<TPixelFormat>(*v);
  }
  bool transparent = false;
  if (value.contains("Transparent")) {
    if (!value["Transparent"].is_boolean()) throw EZarnError("bitmap Transparent is a boolean");
    transparent = value["Transparent"].get<bool>();
  }
  bitmap.Assign(decoded);
  bitmap.SetPixelFormat(format);
  bitmap.SetTransparent(transparent);
}

}  // namespace layout
}  // namespace zarn
