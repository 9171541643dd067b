#pragma once
// The chart's picture, as it is on screen, leaving the program: to the system
// clipboard or to a picture file.

#include <string>

#include "platform/control.h"

namespace zarn {

// Puts the control's picture on the system clipboard as an image. Does
// nothing for a control that has no window yet.
void CopyPictureToClipboard(TControl& control);

// Writes the control's picture to path as a PNG or BMP file, the kind given
// by the path's extension, else by fallbackFormat ("PNG" or "BMP"). An
// existing file is replaced only once the new one is complete. Returns why it
// failed ("PATH: REASON"), or an empty string.
std::string SavePicture(TControl& control, const std::string& path, const char* fallbackFormat);

}  // namespace zarn
