#pragma once
// The settings the chart gives its crosshairs and text labels at creation,
// shared with the layout store, which compares stored values with them.

#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

void ResetCrossHair(TCrossHair& crossHair, int number);
void ResetTextLabel(TTextLabel& label, const TFont& font);

}  // namespace zarn::vorel_detail
