#include "base/zarn_frame_names.h"

namespace zarn {

// Built on first use, so that no static initialisation order is assumed.
const TEnumInfo& FrameStyleInfo() {
  static const TEnumInfo info(
      "TFrameStyle", {"fsNone", "fsSimple", "fsLowered", "fsRaised", "fsEmbossed", "fsEngraved"});
  return info;
}

const TEnumInfo& ColorSchemeInfo() {
  static const TEnumInfo info("TColorScheme", {"csBWG", "csSystem"});
  return info;
}

}  // namespace zarn
