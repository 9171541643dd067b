#include "app/resources.h"

#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/zarn_platform.h"

namespace zarn::kolvo {
namespace {

constexpr std::uint8_t kLayout[] = {
#include "kolvo.json.inc"
};
constexpr std::uint8_t kHand[] = {
#include "curhand.bmp.inc"
};
constexpr std::uint8_t kZoomWindow[] = {
#include "curzoomw.bmp.inc"
};
constexpr std::uint8_t kZoomDrag[] = {
#include "curzoomd.bmp.inc"
};
constexpr std::uint8_t kZoomPosition[] = {
#include "curzoomp.bmp.inc"
};

// The pictures are drawn on fuchsia where the cursor is to be see-through.
constexpr TColor kSeeThrough = clFuchsia;

struct TCursorResource {
  const char* Name;
  const std::uint8_t* Data;
  std::size_t Size;
  TPoint HotSpot;  // the hand's palm, the lenses' centres
};

TCursorImage Decode(const TCursorResource& resource) {
  TBitmap picture;
  std::string error;
  if (!picture.LoadFromMemory(resource.Data, resource.Size, &error))
    throw std::logic_error(std::string("cursor ") + resource.Name + ": " + error);
  TCursorImage image;
  image.Width = picture.Width();
  image.Height = picture.Height();
  image.HotSpot = resource.HotSpot;
  image.Pixels = picture.Pixels();
  for (TColor& pixel : image.Pixels)
    if (pixel == kSeeThrough) pixel = clNone;
  return image;
}

}  // namespace

std::string_view EmbeddedLayout() {
  return {reinterpret_cast<const char*>(kLayout), sizeof kLayout};
}

void RegisterCursorResources() {
  const TCursorResource resources[] = {
      {"CURHAND", kHand, sizeof kHand, Point(8, 8)},
      {"CURZOOMW", kZoomWindow, sizeof kZoomWindow, Point(7, 7)},
      {"CURZOOMD", kZoomDrag, sizeof kZoomDrag, Point(7, 7)},
      {"CURZOOMP", kZoomPosition, sizeof kZoomPosition, Point(7, 7)},
  };
  for (const TCursorResource& resource : resources)
    RegisterCursorResource(resource.Name, Decode(resource));
}

}  // namespace zarn::kolvo
