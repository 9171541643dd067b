// The viewer's window without Qt: a control without a window has no picture
// to put on a clipboard, which is what the Qt version does for it too.

#include "app/clipboard.h"

namespace zarn {

void CopyPictureToClipboard(TControl& /*control*/) {}

}  // namespace zarn
