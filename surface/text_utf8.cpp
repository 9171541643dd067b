#include "surface/text_internal.h"

namespace zarn::text::detail {

char32_t NextCodePoint(std::string_view s, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int length = 0;
  char32_t cp = 0;
  // The allowed range of the second byte rules out overlong forms, surrogates
  // and values above U+10FFFF in one place.
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    ++pos;
    return kReplacementChar;
  }
  std::size_t i = pos + 1;
  for (int k = 1; k < length; ++k, ++i) {
    if (i >= s.size()) {
      pos = i;
      return kReplacementChar;
    }
    const unsigned char c = byte(i);
    if (c < low || c > high) {
      pos = i;
      return kReplacementChar;
    }
    low = 0x80;
    high = 0xBF;
    cp = (cp << 6) | (c & 0x3F);
  }
  pos = i;
  return cp;
}

}  // namespace zarn::text::detail
