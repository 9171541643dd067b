#pragma once
// The chart's text label: the base unit's label settings, published so that
// a stored layout can set every one of them.

#include <string_view>

#include "base/zarn_textlabel.h"
#include "platform/properties.h"

namespace zarn {

extern const TEnumInfo TxtLblAttachModeInfo;
extern const TEnumInfo TxtLblModeInfo;

class TTextLabel : public TCustomTextLabel {
 public:
  std::string_view ClassName() const override { return "TTextLabel"; }

  static void Publish(TPropertyRegistrar<TTextLabel>& r);
};

// Registers TTextLabel with the class registry (once; later calls return it).
const TClassInfo& RegisterTextLabel();

}  // namespace zarn
