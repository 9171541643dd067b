// Writes the picture fuzzer's seed corpus: small bitmap files of several
// kinds, a PNG, and cut-off copies, into the folder named by the argument.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "surface/zarn_bitmap.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::size_t at, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i)
    b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A w x h bitmap file of the given depth and compression with pixel data as given.
Bytes Bmp(int w, int h, int bpp, std::uint32_t compression, int colours, const Bytes& data) {
  const std::size_t offset = 54 + 4 * static_cast<std::size_t>(colours);
  Bytes f(offset + data.size(), 0);
  f[0] = 'B';
  f[1] = 'M';
  Put(f, 2, static_cast<std::uint32_t>(f.size()), 4);
  Put(f, 10, static_cast<std::uint32_t>(offset), 4);
  Put(f, 14, 40, 4);
  Put(f, 18, static_cast<std::uint32_t>(w), 4);
  Put(f, 22, static_cast<std::uint32_t>(h), 4);
  Put(f, 26, 1, 2);
  Put(f, 28, static_cast<std::uint32_t>(bpp), 2);
  Put(f, 30, compression, 4);
  Put(f, 46, static_cast<std::uint32_t>(colours), 4);
  for (int i = 0; i < colours; ++i)
    Put(f, 54 + 4 * i, static_cast<std::uint32_t>(i * 0x010203), 4);
  std::copy(data.begin(), data.end(), f.begin() + static_cast<std::ptrdiff_t>(offset));
  return f;
}

Bytes Rows(int w, int h, int bpp) {
  const std::size_t row = ((static_cast<std::size_t>(w) * bpp + 31) / 32) * 4;
  Bytes d(row * h);
  for (std::size_t i = 0; i < d.size(); ++i)
    d[i] = static_cast<std::uint8_t>(i * 37 + 11);
  return d;
}

bool Write(const std::string& path, const Bytes& b) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  std::vector<std::pair<std::string, Bytes>> seeds = {
      {"bmp1", Bmp(9, 3, 1, 0, 2, Rows(9, 3, 1))},
      {"bmp4", Bmp(5, 3, 4, 0, 16, Rows(5, 3, 4))},
      {"bmp8", Bmp(5, 3, 8, 0, 256, Rows(5, 3, 8))},
      {"bmp16", Bmp(5, 3, 16, 0, 0, Rows(5, 3, 16))},
      {"bmp24", Bmp(5, 3, 24, 0, 0, Rows(5, 3, 24))},
      {"bmp24_topdown", Bmp(5, -3, 24, 0, 0, Rows(5, 3, 24))},
      {"bmp32", Bmp(4, 2, 32, 0, 0, Rows(4, 2, 32))},
      {"rle8",
       Bmp(5, 3, 8, 1, 16, {2, 5, 0, 3, 7, 8, 9, 0, 0, 0, 0, 2, 4, 0, 1, 2, 0, 0, 5, 1, 0, 1})},
      {"rle4", Bmp(4, 2, 4, 2, 16, {4, 0x12, 0, 0, 0, 4, 0x34, 0x56, 0, 1})},
  };
  Bytes cut = seeds[4].second;
  cut.resize(cut.size() - 5);
  seeds.push_back({"bmp24_cut", cut});

  zarn::TBitmap picture(6, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      picture.ScanLine(y)[x] =
          zarn::RGB(static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 60), 7);
  const std::string png = dir + "/png";
  if (!picture.SaveToPngFile(png)) return 1;
  std::ifstream in(png, std::ios::binary);
  Bytes png_bytes((std::istreambuf_iterator<char>(in)), {});
  png_bytes.resize(png_bytes.size() / 2);
  seeds.push_back({"png_cut", png_bytes});

  for (const auto& [name, bytes] : seeds)
    if (!Write(dir + "/" + name, bytes)) return 1;
  return 0;
}
