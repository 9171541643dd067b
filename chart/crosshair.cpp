// One crosshair's settings.

#include "chart/zarn_vorel.h"

namespace zarn {

void TCrossHair::Assign(const TPersistent& source) {
  TPersistent::Assign(source);
}

}  // namespace zarn
