#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "surface/zarn_surface.h"
#include "tests/surface/pixels.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace zarn {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Bitmap, ResizingKeepsWhatFits) {
  TBitmap b(3, 2);
  EXPECT_EQ(b.PixelFormat(), pfDevice);
  b.ScanLine(0)[0] = clRed;
  b.ScanLine(1)[2] = clBlue;
  int changes = 0;
  b.OnChange = [&] { ++changes; };
  b.SetSize(2, 3);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(b.ScanLine(0)[0], clRed);
  EXPECT_EQ(b.ScanLine(1)[1], clWhite);
  EXPECT_EQ(b.ScanLine(2)[0], clWhite);
  b.SetWidth(4);
  EXPECT_EQ(b.ScanLine(0)[0], clRed);
  EXPECT_EQ(b.ScanLine(0)[3], clWhite);
  b.SetSize(-5, 7);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Width(), 0);
  EXPECT_EQ(b.Height(), 7);
  b.SetSize(100000, 1);
  EXPECT_EQ(b.Width(), kMaxBitmapSide);
}

TEST(Bitmap, AssignCopiesSizeAndPixelsOnly) {
  TBitmap a(2, 2);
  a.ScanLine(1)[0] = clRed;
  TBitmap b(5, 5);
  b.Assign(a);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Pixels(), a.Pixels());
  EXPECT_NE(&b.Canvas(), &a.Canvas());
  EXPECT_EQ(b.TransparentColor(), clRed);  // the lower-left pixel
  b.SetTransparentColor(clBlue);
  EXPECT_EQ(b.TransparentColor(), clBlue);
  TPen pen;
  try {
    b.Assign(pen);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TPen to a TBitmap");
  }
}

// A picture whose every pixel differs: colour of pixel (x, y).
TColor Sample(int x, int y) {
  return RGB(static_cast<std::uint8_t>(40 * x + 7), static_cast<std::uint8_t>(60 * y + 3),
             static_cast<std::uint8_t>(11 * x * y + 1));
}

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = (v >> 8) & 0xFF;
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    b[at + i] = (v >> (8 * i)) & 0xFF;
}

struct TBmpSpec {
  int Width = 5;
  int Height = 3;
  int Bpp = 24;
  bool TopDown = false;
  std::uint32_t Compression = 0;
  std::vector<TColor> Palette;
  std::vector<std::uint32_t> Masks;  // bit fields after the header
  Bytes Data;                        // pixel data as stored; built from Value when empty
  std::function<std::uint32_t(int, int)> Value;  // stored value of picture pixel (x, y)
};

// A bitmap file written byte by byte.
Bytes MakeBmp(const TBmpSpec& s) {
  Bytes data = s.Data;
  if (data.empty()) {
    const std::size_t row = ((static_cast<std::size_t>(s.Width) * s.Bpp + 31) / 32) * 4;
    data.assign(row * s.Height, 0);
    for (int r = 0; r < s.Height; ++r) {
      const int y = s.TopDown ? r : s.Height - 1 - r;
      for (int x = 0; x < s.Width; ++x) {
        const std::uint32_t v = s.Value(x, y);
        const std::size_t at = r * row;
        switch (s.Bpp) {
          case 1:
            data[at + x / 8] |= (v & 1) << (7 - x % 8);
            break;
          case 4:
            data[at + x / 2] |= (v & 15) << (x % 2 ? 0 : 4);
            break;
          case 8:
            data[at + x] = v & 0xFF;
            break;
          case 16:
            Put16(data, at + 2 * x, v);
            break;
          case 24:
            data[at + 3 * x] = v & 0xFF;
            data[at + 3 * x + 1] = (v >> 8) & 0xFF;
            data[at + 3 * x + 2] = (v >> 16) & 0xFF;
            break;
          default:
            Put32(data, at + 4 * x, v);
        }
      }
    }
  }
  const std::size_t header = 14 + 40 + 4 * s.Masks.size() + 4 * s.Palette.size();
  Bytes f(header + data.size(), 0);
  f[0] = 'B';
  f[1] = 'M';
  Put32(f, 2, static_cast<std::uint32_t>(f.size()));
  Put32(f, 10, static_cast<std::uint32_t>(header));
  Put32(f, 14, 40);
  Put32(f, 18, static_cast<std::uint32_t>(s.Width));
  Put32(f, 22, static_cast<std::uint32_t>(s.TopDown ? -s.Height : s.Height));
  Put16(f, 26, 1);
  Put16(f, 28, static_cast<std::uint32_t>(s.Bpp));
  Put32(f, 30, s.Compression);
  Put32(f, 34, static_cast<std::uint32_t>(data.size()));
  Put32(f, 46, static_cast<std::uint32_t>(s.Palette.size()));
  std::size_t at = 54;
  for (std::uint32_t m : s.Masks) {
    Put32(f, at, m);
    at += 4;
  }
  for (TColor c : s.Palette) {
    f[at] = GetBValue(c);
    f[at + 1] = GetGValue(c);
    f[at + 2] = GetRValue(c);
    at += 4;
  }
  std::copy(data.begin(), data.end(), f.begin() + static_cast<std::ptrdiff_t>(header));
  return f;
}

void ExpectPicture(const TBitmap& b, int w, int h, const std::function<TColor(int, int)>& colour,
                   const std::string& what) {
  ASSERT_EQ(b.Width(), w) << what;
  ASSERT_EQ(b.Height(), h) << what;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      ASSERT_EQ(b.ScanLine(y)[x], colour(x, y)) << what << " at " << x << "," << y;
}

std::vector<TColor> GreyPalette(int n) {
  std::vector<TColor> p;
  for (int i = 0; i < n; ++i) {
    const auto v = static_cast<std::uint8_t>(i * 255 / (n - 1));
    p.push_back(RGB(v, static_cast<std::uint8_t>(255 - v), static_cast<std::uint8_t>(i)));
  }
  return p;
}

TEST(BitmapFile, ReadsBitmapFilesOfEveryDepthBothWaysUp) {
  for (bool top_down : {false, true}) {
    const std::string way = top_down ? " top-down" : " bottom-up";
    for (int bpp : {1, 4, 8}) {
      const int n = 1 << bpp;
      const auto palette = GreyPalette(n);
      const auto index = [n](int x, int y) { return static_cast<std::uint32_t>((x + 3 * y) % n); };
      TBmpSpec s;
      s.Width = 11;  // odd, so rows are padded
      s.Bpp = bpp;
      s.TopDown = top_down;
      s.Palette = palette;
      s.Value = index;
      TBitmap b;
      std::string error;
      const Bytes f = MakeBmp(s);
      ASSERT_TRUE(b.LoadFromMemory(f.data(), f.size(), &error)) << error;
      ExpectPicture(
          b, 11, 3, [&](int x, int y) { return palette[index(x, y)]; },
          std::to_string(bpp) + " bpp" + way);
    }
    for (int bpp : {24, 32}) {
      TBmpSpec s;
      s.Bpp = bpp;
      s.TopDown = top_down;
      // Stored blue, green, red; a 32-bit pixel's fourth byte is unused.
      s.Value = [](int x, int y) {
        const TColor c = Sample(x, y);
        return RGB(GetBValue(c), GetGValue(c), GetRValue(c)) | 0xAA000000u;
      };
      TBitmap b;
      const Bytes f = MakeBmp(s);
      ASSERT_TRUE(b.LoadFromMemory(f.data(), f.size()));
      ExpectPicture(b, 5, 3, Sample, std::to_string(bpp) + " bpp" + way);
    }
  }
}

TEST(BitmapFile, ReadsSixteenBitAndBitFieldFiles) {
  TBmpSpec s;
  s.Bpp = 16;  // 5-5-5
  s.Value = [](int x, int y) { return static_cast<std::uint32_t>((31 << 10) | (x << 5) | y); };
  TBitmap b;
  Bytes f = MakeBmp(s);
  ASSERT_TRUE(b.LoadFromMemory(f.data(), f.size()));
  EXPECT_EQ(b.ScanLine(2)[4], RGB(255, 4 * 255 / 31, 2 * 255 / 31));

  TBmpSpec m;
  m.Bpp = 32;
  m.Compression = 3;
  m.Masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // red in the low byte
  m.Value = [](int x, int y) { return Sample(x, y); };
  f = MakeBmp(m);
  ASSERT_TRUE(b.LoadFromMemory(f.data(), f.size()));
  ExpectPicture(b, 5, 3, Sample, "32-bit bit fields");
}

TEST(BitmapFile, ReadsRunLengthEncodedFiles) {
  const auto palette = GreyPalette(16);
  TBmpSpec s;
  s.Width = 5;
  s.Height = 3;
  s.Bpp = 8;
  s.Compression = 1;
  s.Palette = palette;
  // Bottom row: two of 5, then the literal 7 8 9; then a jump over the middle
  // row's first four pixels; then the top row: five of 1.
  s.Data = {2, 5, 0, 3, 7, 8, 9, 0, 0, 0, 0, 2, 4, 0, 1, 2, 0, 0, 5, 1, 0, 1};
  const Bytes f = MakeBmp(s);
  TBitmap b;
  std::string error;
  ASSERT_TRUE(b.LoadFromMemory(f.data(), f.size(), &error)) << error;
  const TColor p1 = palette[1], p2 = palette[2], p5 = palette[5];
  const std::vector<TColor> expected = {p1,      p1,      p1,         p1,         p1,
                                        clBlack, clBlack, clBlack,    clBlack,    p2,
                                        p5,      p5,      palette[7], palette[8], palette[9]};
  EXPECT_EQ(b.Pixels(), expected);

  TBmpSpec f4;
  f4.Width = 4;
  f4.Height = 2;
  f4.Bpp = 4;
  f4.Compression = 2;
  f4.Palette = palette;
  f4.Data = {4, 0x12, 0, 0, 0, 4, 0x34, 0x56, 0, 1};
  const Bytes g = MakeBmp(f4);
  ASSERT_TRUE(b.LoadFromMemory(g.data(), g.size(), &error)) << error;
  EXPECT_EQ(b.Pixels(), (std::vector<TColor>{palette[3], palette[4], palette[5], palette[6],
                                             palette[1], palette[2], palette[1], palette[2]}));
}

// Loads must fail with a reason and leave the bitmap as it was.
void ExpectRefused(const Bytes& bytes, const std::string& what, const std::string& reason = "") {
  TBitmap b(2, 1);
  b.ScanLine(0)[1] = clRed;
  const std::vector<TColor> before = b.Pixels();
  std::string error;
  EXPECT_FALSE(b.LoadFromMemory(bytes.data(), bytes.size(), &error)) << what;
  EXPECT_FALSE(error.empty()) << what;
  if (!reason.empty()) {
    EXPECT_NE(error.find(reason), std::string::npos) << what << ": " << error;
  }
  EXPECT_EQ(b.Width(), 2) << what;
  EXPECT_EQ(b.Pixels(), before) << what;
}

// Kept out of line: inlined into the encoder, it trips a false overflow warning.
[[gnu::noinline]] void AppendBytes(void* context, void* data, int size) {
  auto* out = static_cast<Bytes*>(context);
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  for (int i = 0; i < size; ++i)
    out->push_back(bytes[i]);
}

class BitmapFileIo : public ::testing::Test {
 protected:
  std::filesystem::path dir_ =
      std::filesystem::temp_directory_path() /
      ("zarn_surface_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { std::filesystem::create_directories(dir_); }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  Bytes Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
};

TEST_F(BitmapFileIo, PngRoundTripAndJpeg) {
  TBitmap b(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      b.ScanLine(y)[x] = Sample(x, y);
  const std::string png = (dir_ / "pic.png").string();
  ASSERT_TRUE(b.SaveToPngFile(png));
  TBitmap c;
  std::string error;
  ASSERT_TRUE(c.LoadFromFile(png, &error)) << error;
  ExpectPicture(c, 5, 3, Sample, "png");
  EXPECT_FALSE(TBitmap().SaveToPngFile((dir_ / "empty.png").string()));
  EXPECT_FALSE(b.SaveToPngFile((dir_ / "no" / "such" / "dir.png").string()));

  // A flat orange JPEG comes back close to orange.
  std::vector<std::uint8_t> rgb(16 * 8 * 3);
  for (std::size_t i = 0; i < rgb.size(); i += 3) {
    rgb[i] = 250;
    rgb[i + 1] = 128;
    rgb[i + 2] = 10;
  }
  Bytes jpeg;
  stbi_write_jpg_to_func(AppendBytes, &jpeg, 16, 8, 3, rgb.data(), 95);
  ASSERT_TRUE(c.LoadFromFile(Write("pic.jpg", jpeg), &error)) << error;
  ASSERT_EQ(c.Width(), 16);
  ASSERT_EQ(c.Height(), 8);
  for (std::size_t n = 0; n < jpeg.size(); n += 97)
    ExpectRefused(Bytes(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(n)),
                  "jpeg cut to " + std::to_string(n));
  const TColor mid = c.ScanLine(4)[8];
  EXPECT_NEAR(GetRValue(mid), 250, 6);
  EXPECT_NEAR(GetGValue(mid), 128, 6);
  EXPECT_NEAR(GetBValue(mid), 10, 6);
}

TEST_F(BitmapFileIo, MissingEmptyAndForeignFilesFail) {
  TBitmap b(1, 1);
  std::string error;
  const std::string missing = (dir_ / "missing.bmp").string();
  EXPECT_FALSE(b.LoadFromFile(missing, &error));
  EXPECT_NE(error.find(missing), std::string::npos);
  EXPECT_FALSE(b.LoadFromFile(Write("empty.bmp", {}), &error));
  EXPECT_FALSE(b.LoadFromFile(dir_.string(), &error));  // a directory
  EXPECT_EQ(b.Width(), 1);
  ExpectRefused({'h', 'e', 'l', 'l', 'o'}, "text", "unknown format");
  ExpectRefused({}, "nothing");
  ExpectRefused({'B', 'M', 0, 0}, "stub header");
}

TEST_F(BitmapFileIo, TruncatedFilesFail) {
  TBmpSpec s;
  s.Value = [](int x, int y) { return Sample(x, y); };
  const Bytes bmp = MakeBmp(s);
  for (std::size_t n = 0; n < bmp.size(); ++n)
    ExpectRefused(Bytes(bmp.begin(), bmp.begin() + static_cast<std::ptrdiff_t>(n)),
                  "bitmap cut to " + std::to_string(n));

  TBmpSpec r;
  r.Bpp = 8;
  r.Compression = 1;
  r.Palette = GreyPalette(4);
  r.Data = {5, 1, 0, 0, 5, 2, 0, 0, 5, 3, 0, 1};
  const Bytes rle = MakeBmp(r);
  for (std::size_t n = rle.size() - r.Data.size(); n < rle.size(); ++n)
    ExpectRefused(Bytes(rle.begin(), rle.begin() + static_cast<std::ptrdiff_t>(n)),
                  "run-length file cut to " + std::to_string(n));

  TBitmap b(6, 4);
  const std::string path = (dir_ / "cut.png").string();
  ASSERT_TRUE(b.SaveToPngFile(path));
  const Bytes png = Read(path);
  for (std::size_t n = 0; n + 12 < png.size(); n += 7)  // up to the end chunk
    ExpectRefused(Bytes(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(n)),
                  "png cut to " + std::to_string(n));
}

TEST_F(BitmapFileIo, PngChunkLongerThanTheFileIsRefusedBeforeDecoding) {
  TBitmap b(6, 4);
  const std::string path = (dir_ / "chunks.png").string();
  ASSERT_TRUE(b.SaveToPngFile(path));
  const Bytes png = Read(path);
  // A data chunk that claims almost 4 GiB, placed before the end chunk.
  Bytes claim(png.begin(), png.end() - 12);
  const Bytes header = {0xFF, 0xFF, 0xFF, 0xF0, 'I', 'D', 'A', 'T', 0x78, 0x5E};
  claim.insert(claim.end(), header.begin(), header.end());
  claim.insert(claim.end(), png.end() - 12, png.end());
  ExpectRefused(claim, "huge chunk", "past the end");

  Bytes trailing = png;  // bytes after the end chunk are not part of the picture
  trailing.insert(trailing.end(), {0xFF, 0xFF, 0xFF, 0xFF});
  TBitmap c;
  std::string error;
  EXPECT_TRUE(c.LoadFromFile(Write("trailing.png", trailing), &error)) << error;
  EXPECT_EQ(c.Width(), 6);
}

TEST_F(BitmapFileIo, JpegHuffmanTableOfTooManyCodesIsRefused) {
  // The 16 code counts of this table add up to far more than 256.
  const Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                      0xFF, 0xFF, 0xC4, 0x52, 0x00, 0x00, 0x00, 0x06, 0xFF, 0xFF,
                      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x60, 0x90, 0x00};
  ExpectRefused(jpeg, "huffman overflow", "Huffman");
}

TEST_F(BitmapFileIo, OversizeAndMalformedHeadersFail) {
  TBmpSpec s;
  s.Value = [](int, int) { return 0u; };
  Bytes wide = MakeBmp(s);
  Put32(wide, 18, 20000);
  ExpectRefused(wide, "too wide", "too large");
  Bytes huge = MakeBmp(s);
  Put32(huge, 18, 16384);
  Put32(huge, 22, 16384);  // 1 GiB decoded
  ExpectRefused(huge, "too many pixels", "too large");
  Bytes tall = MakeBmp(s);
  Put32(tall, 22, 0x80000000u);  // the most negative height
  ExpectRefused(tall, "most negative height");
  Bytes zero = MakeBmp(s);
  Put32(zero, 18, 0);
  ExpectRefused(zero, "no width");
  Bytes depth = MakeBmp(s);
  Put16(depth, 28, 7);
  ExpectRefused(depth, "seven bits per pixel", "unsupported");
  Bytes packed = MakeBmp(s);
  Put32(packed, 30, 4);  // an embedded JPEG
  ExpectRefused(packed, "embedded JPEG", "unsupported");
  Bytes offset = MakeBmp(s);
  Put32(offset, 10, 0xFFFFFFF0u);
  ExpectRefused(offset, "pixel data past the end");
  Bytes small_header = MakeBmp(s);
  Put32(small_header, 14, 20);
  ExpectRefused(small_header, "unknown header size");

  // A PNG whose header claims more than the limit is refused before decoding.
  TBitmap b(3, 3);
  const std::string path = (dir_ / "big.png").string();
  ASSERT_TRUE(b.SaveToPngFile(path));
  Bytes png = Read(path);
  ASSERT_GT(png.size(), 24u);
  for (auto [w, h] : {std::pair{16385u, 1u}, std::pair{16384u, 16384u}}) {
    for (int i = 0; i < 4; ++i) {  // IHDR width and height, big-endian
      png[16 + i] = static_cast<std::uint8_t>(w >> (24 - 8 * i));
      png[20 + i] = static_cast<std::uint8_t>(h >> (24 - 8 * i));
    }
    ExpectRefused(png, "png of " + std::to_string(w) + " x " + std::to_string(h));
  }
}

TEST_F(BitmapFileIo, PrinterPageIsSavedByEndDoc) {
  TPrinter& p = Printer();
  EXPECT_EQ(&p, &Printer());
  EXPECT_FALSE(p.EndDoc((dir_ / "never.png").string()));  // no document begun
  p.Canvas().Brush().SetColor(clRed);
  p.Canvas().FillRect(Rect(0, 0, 10, 10));
  p.BeginDoc();
  EXPECT_TRUE(p.Printing());
  EXPECT_EQ(p.Canvas().Pixel(5, 5), clWhite);  // a new page is blank
  EXPECT_EQ(p.PageWidth(), 2480);
  EXPECT_EQ(p.PageHeight(), 3508);
  p.Canvas().MoveTo(0, 3507);
  p.Canvas().LineTo(2480, 3507);
  const std::string path = (dir_ / "page.png").string();
  ASSERT_TRUE(p.EndDoc(path));
  EXPECT_FALSE(p.Printing());
  TBitmap page;
  ASSERT_TRUE(page.LoadFromFile(path));
  EXPECT_EQ(page.Width(), 2480);
  EXPECT_EQ(page.Height(), 3508);
  EXPECT_EQ(page.ScanLine(3507)[1000], clBlack);
  EXPECT_EQ(page.ScanLine(3506)[1000], clWhite);
}

}  // namespace
}  // namespace zarn
