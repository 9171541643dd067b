#pragma once
// The chart's rendering state between and during paints: the attribute cache,
// the poly-line buffer, the duplicate-mark map and the decoded background picture.

#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

struct TRenderState {};

}  // namespace zarn::vorel_detail
