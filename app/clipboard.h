#pragma once

#include "platform/control.h"

namespace zarn {

// Puts the control's picture, as it is on screen, on the system clipboard as
// an image. Does nothing for a control that has no window yet.
void CopyPictureToClipboard(TControl& control);

}  // namespace zarn
