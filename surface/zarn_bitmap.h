#pragma once
// Off-screen images: 32-bit pixels in the TColor byte order (low byte red),
// each with its own canvas.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "surface/zarn_canvas.h"
#include "surface/zarn_graphics.h"

namespace zarn {

enum TPixelFormat : std::uint8_t {
  pfDevice,
  pf1bit,
  pf4bit,
  pf8bit,
  pf15bit,
  pf16bit,
  pf24bit,
  pf32bit
};

// The largest image a file may decode to; anything larger is refused.
inline constexpr int kMaxBitmapSide = 16384;
inline constexpr std::size_t kMaxBitmapBytes = std::size_t{256} << 20;

class TBitmap : public TGraphicsObject {
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  std::string_view ClassName() const override { return "TBitmap"; }
  void Assign(const TPersistent& source) override;  // copies size and pixels

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // Resizing keeps the pixels that still fit; new pixels are white. Negative
  // sizes are taken as 0; sides above kMaxBitmapSide are clamped to it.
  void SetWidth(int value) { SetSize(value, height_); }
  void SetHeight(int value) { SetSize(width_, value); }
  void SetSize(int width, int height);
  // For a high-density device: width x height canvas pixels of scale x scale
  // device pixels each, the canvas set to that scale.
  void SetCanvasSize(int width, int height, int scale);
  // The bitmap's density: how many of its pixels, each way, make one pixel
  // of its canvas (the canvas's Scale).
  int Scale() const;
  int CanvasWidth() const { return width_ / Scale(); }
  int CanvasHeight() const { return height_ / Scale(); }

  TPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TPixelFormat value) { pixelFormat_ = value; }  // storage is always 32-bit

  // Drawn with Draw, pixels of TransparentColor are left out (glyphs).
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { transparent_ = value; }
  // The lower-left pixel unless set explicitly.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor value);

  TCanvas& Canvas() { return *canvas_; }

  // Raw access, rows top to bottom; y must be in 0 .. Height() - 1.
  TColor* ScanLine(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const TColor* ScanLine(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
  }
  const std::vector<TColor>& Pixels() const { return pixels_; }

  // Windows device-independent bitmaps, PNG and JPEG. On failure the bitmap is
  // unchanged, false is returned and *error (when given) says why.
  bool LoadFromFile(const std::string& path, std::string* error = nullptr);
  bool LoadFromMemory(const std::uint8_t* data, std::size_t size, std::string* error = nullptr);
  bool SaveToPngFile(const std::string& path) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<TColor> pixels_;
  TPixelFormat pixelFormat_ = pfDevice;
  bool transparent_ = false;
  bool transparentColorSet_ = false;
  TColor transparentColor_ = clWhite;
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace zarn
