// The viewer's window without Qt: a control without a window has no picture
// to put on a clipboard or in a file, which is what the Qt version says too.

#include "app/picture_export.h"

namespace zarn {

void CopyPictureToClipboard(TControl& /*control*/) {}

std::string SavePicture(TControl& /*control*/, const std::string& /*path*/,
                        const char* /*fallbackFormat*/) {
  return "the picture is not shown yet";
}

}  // namespace zarn
