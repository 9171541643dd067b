#include <algorithm>

#include "surface/zarn_bitmap.h"

namespace zarn {

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(*this)) {}

TBitmap::TBitmap(int width, int height) : TBitmap() {
  SetSize(width, height);
}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent& source) {
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
    if (bitmap == this) return;
    pixels_ = bitmap->pixels_;
    width_ = bitmap->width_;
    height_ = bitmap->height_;
    pixelFormat_ = bitmap->pixelFormat_;
    transparent_ = bitmap->transparent_;
    transparentColorSet_ = bitmap->transparentColorSet_;
    transparentColor_ = bitmap->transparentColor_;
    canvas_->SetScale(bitmap->Scale());
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TBitmap::SetSize(int width, int height) {
  width = std::clamp(width, 0, kMaxBitmapSide);
  height = std::clamp(height, 0, kMaxBitmapSide);
  if (width == width_ && height == height_) return;
  std::vector<TColor> pixels(static_cast<std::size_t>(width) * height, clWhite);
  const int keep_w = std::min(width, width_);
  const int keep_h = std::min(height, height_);
  for (int y = 0; y < keep_h; ++y)
    std::copy_n(pixels_.data() + static_cast<std::size_t>(y) * width_, keep_w,
                pixels.data() + static_cast<std::size_t>(y) * width);
  pixels_ = std::move(pixels);
  width_ = width;
  height_ = height;
  Changed();
}

void TBitmap::SetCanvasSize(int width, int height, int scale) {
  canvas_->SetScale(scale);
  const std::int64_t s = canvas_->Scale();
  const auto device = [s](int side) {
    return static_cast<int>(std::clamp<std::int64_t>(side * s, 0, kMaxBitmapSide));
  };
  SetSize(device(width), device(height));
}

int TBitmap::Scale() const {
  return canvas_->Scale();
}

TColor TBitmap::TransparentColor() const {
  if (transparentColorSet_) return transparentColor_;
  if (Empty()) return clWhite;
  return ScanLine(height_ - 1)[0];
}

void TBitmap::SetTransparentColor(TColor value) {
  transparentColor_ = value;
  transparentColorSet_ = true;
}

}  // namespace zarn
