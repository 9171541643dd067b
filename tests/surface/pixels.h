#pragma once
// Reading pictures back in tests: rows as text, one character per pixel.

#include <string>
#include <vector>

#include "surface/zarn_surface.h"

namespace zarn::testing {

// '.' white, '#' black, 'o' red, 'b' blue, '?' anything else.
inline char Glyph(TColor c) {
  switch (c) {
    case clWhite:
      return '.';
    case clBlack:
      return '#';
    case clRed:
      return 'o';
    case clBlue:
      return 'b';
    default:
      return '?';
  }
}

inline std::string Row(TBitmap& b, int y) {
  std::string s;
  for (int x = 0; x < b.Width(); ++x)
    s += Glyph(b.Canvas().Pixel(x, y));
  return s;
}

inline std::vector<std::string> Picture(TBitmap& b) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y)
    rows.push_back(Row(b, y));
  return rows;
}

inline int Count(const TBitmap& b, TColor c) {
  int n = 0;
  for (TColor p : b.Pixels())
    n += p == c;
  return n;
}

}  // namespace zarn::testing
