#include "surface/zarn_errors.h"
#include "surface/zarn_persistent.h"

#include <string>

namespace zarn {

void TPersistent::Assign(const TPersistent& source) {
  source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& dest) const {
  dest.AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const {
  const std::string from = source ? std::string(source->ClassName()) : std::string("nil");
  throw EConvertError("Cannot assign a " + from + " to a " + std::string(ClassName()));
}

}  // namespace zarn
