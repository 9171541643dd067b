#include <algorithm>
#include <cmath>
#include <limits>

#include "surface/zarn_graphics.h"

namespace zarn {

namespace {

// Stores value and reports the change; unchanged values stay silent so that
// owners hooked to OnChange do not repaint for nothing.
template <typename T>
bool Store(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

void TPen::Assign(const TPersistent& source) {
  if (const auto* pen = dynamic_cast<const TPen*>(&source)) {
    if (pen == this) return;
    color_ = pen->color_;
    style_ = pen->style_;
    width_ = pen->width_;
    mode_ = pen->mode_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TPen::SetColor(TColor value) {
  if (Store(color_, value)) Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (Store(style_, value)) Changed();
}

void TPen::SetWidth(int value) {
  if (Store(width_, value < 1 ? 1 : value)) Changed();
}

void TPen::SetMode(TPenMode value) {
  if (Store(mode_, value)) Changed();
}

void TBrush::Assign(const TPersistent& source) {
  if (const auto* brush = dynamic_cast<const TBrush*>(&source)) {
    if (brush == this) return;
    color_ = brush->color_;
    style_ = brush->style_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TBrush::SetColor(TColor value) {
  // Both stores must run, so no short-circuit.
  const bool colorChanged = Store(color_, value);
  const bool styleChanged = Store(style_, bsSolid);
  if (colorChanged || styleChanged) Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (Store(style_, value)) Changed();
}

void TFont::Assign(const TPersistent& source) {
  if (const auto* font = dynamic_cast<const TFont*>(&source)) {
    if (font == this) return;
    name_ = font->name_;
    height_ = font->height_;
    pixelsPerInch_ = font->pixelsPerInch_;
    style_ = font->style_;
    color_ = font->color_;
    pitch_ = font->pitch_;
    charset_ = font->charset_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TFont::SetName(const std::string& value) {
  if (Store(name_, value)) Changed();
}

void TFont::SetHeight(int value) {
  if (Store(height_, value)) Changed();
}

int TFont::Size() const {
  const long double points = -static_cast<long double>(height_) * 72 / pixelsPerInch_;
  return static_cast<int>(std::nearbyint(points));
}

void TFont::SetSize(int points) {
  const long double pixels = static_cast<long double>(points) * pixelsPerInch_ / 72;
  const long double limit = std::numeric_limits<int>::max();
  SetHeight(-static_cast<int>(std::clamp(std::nearbyint(pixels), -limit, limit)));
}

void TFont::SetPixelsPerInch(int value) {
  if (value >= 1 && Store(pixelsPerInch_, value)) Changed();
}

void TFont::SetStyle(TFontStyles value) {
  if (Store(style_, value)) Changed();
}

void TFont::SetColor(TColor value) {
  if (Store(color_, value)) Changed();
}

void TFont::SetPitch(TFontPitch value) {
  if (Store(pitch_, value)) Changed();
}

void TFont::SetCharset(std::uint8_t value) {
  if (Store(charset_, value)) Changed();
}

}  // namespace zarn
