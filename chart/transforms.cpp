// World <-> pixel transforms of the chart's layers.

#include "chart/zarn_vorel.h"

namespace zarn {

void TCustomVorel::RecalcTransforms() {}

}  // namespace zarn
