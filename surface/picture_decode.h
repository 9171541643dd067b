#pragma once
// Decoders of picture files into 32-bit pixels (TColor order, rows top to
// bottom). Internal to the surface: TBitmap::LoadFromMemory picks one.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "surface/zarn_color.h"

namespace zarn::picture {

struct TImage {
  int Width = 0;
  int Height = 0;
  std::vector<TColor> Pixels;
};

// The size limits every decoder enforces before it allocates.
bool SizeAllowed(long long width, long long height, std::string& error);

// Windows device-independent bitmap files: 1, 4, 8, 16, 24 and 32 bits per
// pixel, bottom-up and top-down, bit fields, RLE8 and RLE4.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, TImage& out, std::string& error);

}  // namespace zarn::picture
