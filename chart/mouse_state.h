#pragma once
// The chart's mouse state: drags, rectangles, the recorded trace and the
// double-click swallow flag.

#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

struct TMouseState {};

}  // namespace zarn::vorel_detail
