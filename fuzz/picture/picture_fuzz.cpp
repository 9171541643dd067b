// Picture loading on arbitrary bytes: it must refuse or decode, never crash,
// and a refusal must leave the bitmap as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "surface/zarn_bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zarn::TBitmap bitmap(3, 2);
  bitmap.ScanLine(1)[2] = zarn::clRed;
  std::string error;
  if (bitmap.LoadFromMemory(data, size, &error)) {
    if (bitmap.Empty() ||
        bitmap.Pixels().size() != static_cast<std::size_t>(bitmap.Width()) * bitmap.Height())
      std::abort();
    // Drawing the decoded picture touches every pixel of it.
    zarn::TBitmap target(17, 9);
    target.Canvas().StretchDraw(zarn::Rect(0, 0, 17, 9), bitmap);
  } else if (error.empty() || bitmap.Width() != 3 || bitmap.ScanLine(1)[2] != zarn::clRed) {
    std::abort();
  }
  return 0;
}
