// The background picture and area settings.

#include "chart/zarn_vorel.h"

namespace zarn {

void TBakGndImg::Assign(const TPersistent& source) {
  TPersistent::Assign(source);
}

}  // namespace zarn
