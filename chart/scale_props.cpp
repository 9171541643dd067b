// The axis settings of one chart layer and their setters.

#include "chart/zarn_vorel.h"

namespace zarn {

TScaleProps::TScaleProps() = default;
TScaleProps::~TScaleProps() = default;

void TScaleProps::Assign(const TPersistent& source) {
  TPersistent::Assign(source);
}

void TScaleProps::ResetDefaults() {}

TScalePropsVert::TScalePropsVert() = default;

void TScalePropsVert::ResetDefaults() {
  TScaleProps::ResetDefaults();
}

}  // namespace zarn
