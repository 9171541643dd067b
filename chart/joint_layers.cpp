// The table of joined layers and its checks.

#include "chart/zarn_vorel.h"

namespace zarn {

TJointLayers::TJointLayers() {
  for (int i = 0; i <= kVorelLayers; ++i)
    x_[static_cast<std::size_t>(i)] = y_[static_cast<std::size_t>(i)] = i;
}

void TJointLayers::Assign(const TPersistent& source) {
  TPersistent::Assign(source);
}

}  // namespace zarn
