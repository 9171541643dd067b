// Device-independent bitmap files, decoded here rather than by the image
// library because it reads neither 1-bit nor run-length encoded files. Every
// read is bounds-checked: the input may be anything.

#include <algorithm>
#include <array>
#include <bit>

#include "surface/picture_decode.h"
#include "surface/zarn_bitmap.h"

namespace zarn::picture {

bool SizeAllowed(long long width, long long height, std::string& error) {
  if (width <= 0 || height <= 0) {
    error = "picture has no pixels";
    return false;
  }
  if (width > kMaxBitmapSide || height > kMaxBitmapSide ||
      static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height) * 4 >
          kMaxBitmapBytes) {
    error =
        "picture too large: " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
    return false;
  }
  return true;
}

namespace {

enum : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

class TReader {
 public:
  TReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Has(std::size_t offset, std::size_t n) const {
    return offset <= size_ && n <= size_ - offset;
  }
  std::uint32_t U16(std::size_t at) const { return data_[at] | (data_[at + 1] << 8); }
  std::uint32_t U32(std::size_t at) const {
    return data_[at] | (data_[at + 1] << 8) | (data_[at + 2] << 16) |
           (static_cast<std::uint32_t>(data_[at + 3]) << 24);
  }
  std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
  std::uint8_t U8(std::size_t at) const { return data_[at]; }
  std::size_t Size() const { return size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// One channel of a bit-field pixel scaled to 0 .. 255.
struct TField {
  std::uint32_t Mask = 0;
  int Shift = 0;
  std::uint32_t Max = 0;

  explicit TField(std::uint32_t mask = 0) : Mask(mask) {
    if (mask == 0) return;
    Shift = std::countr_zero(mask);
    Max = mask >> Shift;
  }
  std::uint32_t Get(std::uint32_t pixel) const {
    if (Max == 0) return 0;
    return static_cast<std::uint32_t>(((pixel & Mask) >> Shift) * 255ull / Max);
  }
};

TColor Bgr(std::uint32_t b, std::uint32_t g, std::uint32_t r) {
  return RGB(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
             static_cast<std::uint8_t>(b));
}

bool Fail(std::string& error, const char* why) {
  error = why;
  return false;
}

// Run-length encoded pixel data; rows bottom to top. Pixels never written stay black.
bool DecodeRle(const TReader& r, std::size_t at, bool four_bit, const std::vector<TColor>& palette,
               TImage& img, std::string& error) {
  const auto colour = [&](unsigned index) {
    return index < palette.size() ? palette[index] : clBlack;
  };
  long long x = 0, row = 0;  // row 0 is the bottom row
  const auto put = [&](unsigned index) {
    if (x < img.Width && row < img.Height)
      img.Pixels[static_cast<std::size_t>(img.Height - 1 - row) * img.Width + x] = colour(index);
    ++x;
  };
  while (true) {
    if (!r.Has(at, 2)) return Fail(error, "truncated picture file");
    const unsigned count = r.U8(at), value = r.U8(at + 1);
    at += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i)
        put(four_bit ? ((i % 2 == 0) ? value >> 4 : value & 15) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++row;
    } else if (value == 1) {  // end of bitmap
      return true;
    } else if (value == 2) {  // move right and up
      if (!r.Has(at, 2)) return Fail(error, "truncated picture file");
      x += r.U8(at);
      row += r.U8(at + 1);
      at += 2;
    } else {  // a literal run, padded to whole 16-bit words
      const std::size_t bytes = four_bit ? (value + 1) / 2 : value;
      if (!r.Has(at, bytes)) return Fail(error, "truncated picture file");
      for (unsigned i = 0; i < value; ++i) {
        const unsigned byte = r.U8(at + (four_bit ? i / 2 : i));
        put(four_bit ? ((i % 2 == 0) ? byte >> 4 : byte & 15) : byte);
      }
      at += bytes + (bytes & 1);
    }
    if (row > img.Height) return Fail(error, "corrupt picture file: runs past the last row");
  }
}

}  // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, TImage& out, std::string& error) {
  const TReader r(data, size);
  if (!r.Has(0, 18) || r.U8(0) != 'B' || r.U8(1) != 'M') return Fail(error, "not a bitmap file");
  const std::uint32_t offset = r.U32(10);
  const std::uint32_t header = r.U32(14);
  const bool core = header == 12;
  if (!core && header < 40) return Fail(error, "corrupt picture file: unknown header");
  if (!r.Has(14, header)) return Fail(error, "truncated picture file");

  long long width, height;
  std::uint32_t bpp, compression = kRgb, colours_used = 0;
  if (core) {
    width = r.U16(18);
    height = r.U16(20);
    bpp = r.U16(24);
  } else {
    width = r.I32(18);
    height = r.I32(22);
    bpp = r.U16(28);
    compression = r.U32(30);
    colours_used = r.U32(46);
  }
  const bool top_down = height < 0;
  if (top_down) height = -height;
  if (!SizeAllowed(width, height, error)) return false;

  switch (compression) {
    case kRgb:
      if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return Fail(error, "unsupported bitmap file: bits per pixel");
      break;
    case kRle8:
      if (bpp != 8 || top_down) return Fail(error, "corrupt picture file: RLE8 header");
      break;
    case kRle4:
      if (bpp != 4 || top_down) return Fail(error, "corrupt picture file: RLE4 header");
      break;
    case kBitFields:
    case kAlphaBitFields:
      if (bpp != 16 && bpp != 32) return Fail(error, "corrupt picture file: bit fields");
      break;
    default:
      return Fail(error, "unsupported bitmap file: compression");
  }

  // Bit-field masks sit inside the larger headers or just after the 40-byte one.
  TField red, green, blue;
  std::size_t after_header = 14 + header;
  if (compression == kBitFields || compression == kAlphaBitFields) {
    const std::size_t masks = header >= 52 ? 54 : 14 + header;
    if (!r.Has(masks, 12)) return Fail(error, "truncated picture file");
    red = TField(r.U32(masks));
    green = TField(r.U32(masks + 4));
    blue = TField(r.U32(masks + 8));
    if (header < 52) after_header += compression == kAlphaBitFields ? 16 : 12;
  } else if (bpp == 16) {
    red = TField(0x7C00);
    green = TField(0x03E0);
    blue = TField(0x001F);
  }

  std::vector<TColor> palette;
  if (bpp <= 8) {
    const std::uint32_t max = 1u << bpp;
    const std::uint32_t n = (colours_used == 0 || colours_used > max) ? max : colours_used;
    const std::size_t entry = core ? 3 : 4;
    for (std::uint32_t i = 0; i < n; ++i) {
      const std::size_t at = after_header + i * entry;
      if (!r.Has(at, 3) || at + 3 > offset) break;  // a short palette leaves the rest black
      palette.push_back(Bgr(r.U8(at), r.U8(at + 1), r.U8(at + 2)));
    }
  }

  if (offset >= size) return Fail(error, "truncated picture file");
  const std::size_t row_bytes = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
  const bool rle = compression == kRle8 || compression == kRle4;
  if (!rle && !r.Has(offset, row_bytes * static_cast<std::size_t>(height)))
    return Fail(error, "truncated picture file");
  TImage img;
  img.Width = static_cast<int>(width);
  img.Height = static_cast<int>(height);
  img.Pixels.assign(static_cast<std::size_t>(width) * height, clBlack);

  if (rle) {
    if (!DecodeRle(r, offset, compression == kRle4, palette, img, error)) return false;
    out = std::move(img);
    return true;
  }

  const auto colour = [&](unsigned i) { return i < palette.size() ? palette[i] : clBlack; };
  for (long long row = 0; row < height; ++row) {
    const std::size_t src = offset + static_cast<std::size_t>(row) * row_bytes;
    const long long y = top_down ? row : height - 1 - row;
    TColor* dst = img.Pixels.data() + static_cast<std::size_t>(y) * width;
    for (long long x = 0; x < width; ++x) {
      const std::size_t xs = static_cast<std::size_t>(x);
      switch (bpp) {
        case 1:
          dst[x] = colour((r.U8(src + xs / 8) >> (7 - xs % 8)) & 1);
          break;
        case 4:
          dst[x] = colour((r.U8(src + xs / 2) >> (xs % 2 ? 0 : 4)) & 15);
          break;
        case 8:
          dst[x] = colour(r.U8(src + xs));
          break;
        case 16: {
          const std::uint32_t p = r.U16(src + 2 * xs);
          dst[x] =
              RGB(static_cast<std::uint8_t>(red.Get(p)), static_cast<std::uint8_t>(green.Get(p)),
                  static_cast<std::uint8_t>(blue.Get(p)));
          break;
        }
        case 24:
          dst[x] = Bgr(r.U8(src + 3 * xs), r.U8(src + 3 * xs + 1), r.U8(src + 3 * xs + 2));
          break;
        default: {  // 32
          if (compression == kRgb) {
            dst[x] = Bgr(r.U8(src + 4 * xs), r.U8(src + 4 * xs + 1), r.U8(src + 4 * xs + 2));
          } else {
            const std::uint32_t p = r.U32(src + 4 * xs);
            dst[x] =
                RGB(static_cast<std::uint8_t>(red.Get(p)), static_cast<std::uint8_t>(green.Get(p)),
                    static_cast<std::uint8_t>(blue.Get(p)));
          }
        }
      }
    }
  }
  out = std::move(img);
  return true;
}

}  // namespace zarn::picture
