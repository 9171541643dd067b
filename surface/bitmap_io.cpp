// Picture files: bitmap files through our own decoder, PNG and JPEG through
// stb_image, PNG writing through stb_image_write. The one stb implementation
// of the program lives here, kept static.

#include <cstring>
#include <fstream>
#include <iterator>

#include "surface/picture_decode.h"
#include "surface/zarn_bitmap.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wtype-limits"
#pragma GCC diagnostic ignored "-Wdouble-promotion"
#pragma GCC diagnostic ignored "-Wpedantic"
#endif
// The decoder copies zero bytes from or to a null buffer on some corrupt files
// (an empty first data chunk); harmless in practice but undefined, so its
// copies go through a version that skips empty ones.
namespace zarn_stb {
inline void* Copy(void* dest, const void* src, std::size_t n) {
  return n == 0 ? dest : std::memcpy(dest, src, n);
}
}  // namespace zarn_stb
#define memcpy(dest, src, n) zarn_stb::Copy(dest, src, n)
#include <stb/stb_image.h>
#undef memcpy
#include <stb/stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace zarn {

namespace {

// The largest file read at all: a bitmap file of the largest size allowed, with room for headers.
constexpr std::size_t kMaxFileBytes = kMaxBitmapBytes + (std::size_t{1} << 20);

bool IsPng(const std::uint8_t* d, std::size_t n) {
  static constexpr std::uint8_t kSig[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  return n >= 8 && std::equal(kSig, kSig + 8, d);
}

// stb grows its buffer to a chunk's declared length before reading it, so a
// few bytes claiming a huge chunk would cost gigabytes: every chunk up to IEND
// must lie inside the file.
bool PngChunksFit(const std::uint8_t* d, std::size_t n) {
  std::size_t at = 8;
  while (n - at >= 12) {
    const std::size_t length = (std::size_t{d[at]} << 24) | (std::size_t{d[at + 1]} << 16) |
                               (std::size_t{d[at + 2]} << 8) | d[at + 3];
    if (length > n - at - 12) return false;
    if (std::equal(d + at + 4, d + at + 8, "IEND")) return true;
    at += 12 + length;
  }
  return false;
}

bool IsJpeg(const std::uint8_t* d, std::size_t n) {
  return n >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF;
}

// A Huffman table of more than 256 codes makes stb write past its tables, so
// every table-definition segment is checked first, walking the markers as stb
// does (fill bytes, stuffed bytes and restart markers carry no length).
bool HuffmanTablesFit(const std::uint8_t* d, std::size_t n, std::size_t at, std::size_t length) {
  // stb reads the counts on past the segment and the file (as zeros there).
  auto byte = [&](std::size_t i) -> std::size_t { return i < n ? d[i] : 0; };
  for (long long left = static_cast<long long>(length) - 2; left > 0;) {
    std::size_t codes = 0;
    for (std::size_t i = 1; i <= 16; ++i)
      codes += byte(at + i);
    if (codes > 256) return false;
    at += 17 + codes;
    left -= static_cast<long long>(17 + codes);
  }
  return true;
}

bool JpegTablesFit(const std::uint8_t* d, std::size_t n) {
  std::size_t at = 2;
  while (at < n) {
    if (d[at++] != 0xFF) continue;  // entropy-coded data
    while (at < n && d[at] == 0xFF)
      ++at;
    if (at >= n) return true;
    const std::uint8_t marker = d[at++];
    if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;
    if (marker == 0xD9) return true;
    if (n - at < 2) return true;
    const std::size_t length = (std::size_t{d[at]} << 8) | d[at + 1];
    if (length < 2) return false;
    if (marker == 0xC4 && !HuffmanTablesFit(d, n, at + 2, length)) return false;
    at += length;
  }
  return true;
}

bool DecodeWithStb(const std::uint8_t* data, std::size_t size, picture::TImage& out,
                   std::string& error) {
  if (size > static_cast<std::size_t>(INT32_MAX)) {
    error = "picture file too large";
    return false;
  }
  if (IsPng(data, size) && !PngChunksFit(data, size)) {
    error = "corrupt picture file: a PNG chunk runs past the end of the file";
    return false;
  }
  if (IsJpeg(data, size) && !JpegTablesFit(data, size)) {
    error = "corrupt picture file: a JPEG Huffman table holds more than 256 codes";
    return false;
  }
  const int n = static_cast<int>(size);
  int w = 0, h = 0, comp = 0;
  // The header alone decides whether the picture may be decoded at all.
  if (!stbi_info_from_memory(data, n, &w, &h, &comp)) {
    error = std::string("corrupt picture file: ") + stbi_failure_reason();
    return false;
  }
  if (!picture::SizeAllowed(w, h, error)) return false;
  stbi_uc* pixels = stbi_load_from_memory(data, n, &w, &h, &comp, 4);
  if (pixels == nullptr) {
    error = std::string("corrupt picture file: ") + stbi_failure_reason();
    return false;
  }
  out.Width = w;
  out.Height = h;
  out.Pixels.resize(static_cast<std::size_t>(w) * h);
  for (std::size_t i = 0; i < out.Pixels.size(); ++i)
    out.Pixels[i] = RGB(pixels[4 * i], pixels[4 * i + 1], pixels[4 * i + 2]);
  stbi_image_free(pixels);
  return true;
}

void AppendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(context);
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

bool TBitmap::LoadFromMemory(const std::uint8_t* data, std::size_t size, std::string* error) {
  std::string why;
  picture::TImage img;
  bool ok = false;
  if (data == nullptr || size == 0) {
    why = "empty picture file";
  } else if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
    ok = picture::DecodeBmp(data, size, img, why);
  } else if (IsPng(data, size) || IsJpeg(data, size)) {
    ok = DecodeWithStb(data, size, img, why);
  } else {
    why = "not a picture file: unknown format";
  }
  if (!ok) {
    if (error) *error = why;
    return false;
  }
  pixels_ = std::move(img.Pixels);
  width_ = img.Width;
  height_ = img.Height;
  pixelFormat_ = pf24bit;
  Changed();
  return true;
}

bool TBitmap::LoadFromFile(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot open picture file '" + path + "'";
    return false;
  }
  in.seekg(0, std::ios::end);
  const std::streamoff length = in.tellg();
  in.seekg(0, std::ios::beg);
  if (length < 0 || static_cast<unsigned long long>(length) > kMaxFileBytes) {
    if (error) *error = "picture file '" + path + "' too large or unreadable";
    return false;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
  if (!bytes.empty() && !in.read(reinterpret_cast<char*>(bytes.data()), length)) {
    if (error) *error = "cannot read picture file '" + path + "'";
    return false;
  }
  std::string why;
  if (!LoadFromMemory(bytes.data(), bytes.size(), &why)) {
    if (error) *error = why + " ('" + path + "')";
    return false;
  }
  return true;
}

bool TBitmap::SaveToPngFile(const std::string& path) const {
  if (Empty()) return false;
  std::vector<std::uint8_t> rgb(pixels_.size() * 3);
  for (std::size_t i = 0; i < pixels_.size(); ++i) {
    rgb[3 * i] = GetRValue(pixels_[i]);
    rgb[3 * i + 1] = GetGValue(pixels_[i]);
    rgb[3 * i + 2] = GetBValue(pixels_[i]);
  }
  std::vector<std::uint8_t> png;
  if (!stbi_write_png_to_func(AppendBytes, &png, width_, height_, 3, rgb.data(), width_ * 3))
    return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace zarn
