#include "app/printable.h"

#include <cstdint>

namespace zarn::kolvo {
namespace {

// The length of the valid UTF-8 sequence of a printable character at the
// start of text, or 0.
std::size_t PrintableSequence(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  if (lead >= 0x20 && lead < 0x7F) return 1;
  std::size_t length = 0;
  std::uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80u) return 0;
    code = (code << 6) | (byte(i) & 0x3Fu);
  }
  const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  const bool valid = code >= least[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
  return valid && code > 0x9F ? length : 0;  // U+0080 .. U+009F are controls too
}

}  // namespace

std::string Printable(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    std::size_t n = PrintableSequence(text);
    if (n > 0) {
      out.append(text.substr(0, n));
    } else {
      const auto b = static_cast<std::uint8_t>(text[0]);
      out += "\\x";
      out += kHex[b >> 4];
      out += kHex[b & 0xF];
      n = 1;
    }
    text.remove_prefix(n);
  }
  return out;
}

}  // namespace zarn::kolvo
