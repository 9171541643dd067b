#include <cmath>

#include "surface/zarn_bitmap.h"
#include "surface/zarn_canvas.h"

namespace zarn {

namespace {

// Millimetres covered by a number of pixels at a resolution.
int Millimetres(int pixels, int perInch) {
  if (perInch <= 0) return 0;
  return static_cast<int>(std::nearbyint(pixels * 25.4L / perInch));
}

}  // namespace

int GetDeviceCaps(HDC dc, int index) {
  if (dc == nullptr) return 0;
  // In the canvas's pixels: on a high-density bitmap LOGPIXELS stays the
  // screen's, and the canvas alone scales to the device.
  const int scale = dc->Canvas ? dc->Canvas->Scale() : 1;
  const int width = dc->Canvas ? dc->Canvas->Target().Width() / scale : 0;
  const int height = dc->Canvas ? dc->Canvas->Target().Height() / scale : 0;
  // Devices with a physical size (the printer's page) report it; others derive
  // it from their resolution.
  const bool physical = dc->HorzSize > 0 && dc->VertSize > 0;
  switch (index) {
    case HORZSIZE:
      return physical ? dc->HorzSize : Millimetres(width, dc->LogPixelsX);
    case VERTSIZE:
      return physical ? dc->VertSize : Millimetres(height, dc->LogPixelsY);
    case HORZRES:
      return width;
    case VERTRES:
      return height;
    case ASPECTX:
      return dc->AspectX;
    case ASPECTY:
      return dc->AspectY;
    case LOGPIXELSX:
      return dc->LogPixelsX;
    case LOGPIXELSY:
      return dc->LogPixelsY;
    case PHYSICALWIDTH:
      return physical ? width : 0;
    case PHYSICALHEIGHT:
      return physical ? height : 0;
    default:
      return 0;
  }
}

unsigned SetTextAlign(HDC dc, unsigned flags) {
  if (dc == nullptr) return 0;
  const unsigned previous = dc->TextAlign;
  dc->TextAlign = flags;
  return previous;
}

void TCanvas::SetDevice(const TDeviceContext& value) {
  device_ = value;
  device_.Canvas = this;
}

}  // namespace zarn
