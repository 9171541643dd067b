#pragma once
// Names of the frame enumerations as stored layouts write them: one table for
// every control that carries a 3D frame.

#include "platform/properties.h"

namespace zarn {

const TEnumInfo& FrameStyleInfo();
const TEnumInfo& ColorSchemeInfo();

}  // namespace zarn
