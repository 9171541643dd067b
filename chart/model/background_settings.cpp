// The background picture and area settings.

#include <cmath>

#include "chart/zarn_vorel.h"

namespace zarn {

namespace {
std::string FileNamePart(const std::string& path) {
  const std::size_t cut = path.find_last_of("/\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}
}  // namespace

void TBakGndImg::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TBakGndImg*>(&source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  name_ = other->name_;
  includePath_ = other->includePath_;
  fillMode_ = other->fillMode_;
  areaMode_ = other->areaMode_;
  areaColor_ = other->areaColor_;
  areaLeft_ = other->areaLeft_;
  areaRight_ = other->areaRight_;
  areaTop_ = other->areaTop_;
  areaBottom_ = other->areaBottom_;
  Changed();
}

void TBakGndImg::Changed() {
  if (OnChange) OnChange(this);
}

void TBakGndImg::SetName(const std::string& value) {
  name_ = includePath_ ? value : FileNamePart(value);
  Changed();
}
void TBakGndImg::SetIncludePath(bool value) {
  includePath_ = value;
  if (!value) name_ = FileNamePart(name_);
  Changed();
}
void TBakGndImg::SetFillMode(TBkgFill value) {
  fillMode_ = value;
  Changed();
}
void TBakGndImg::SetAreaMode(TBGAreaMode value) {
  areaMode_ = value;
  Changed();
}
void TBakGndImg::SetAreaColor(TColor value) {
  areaColor_ = value;
  Changed();
}

// Bounds that are not finite would reach the pixel conversion, so they are refused.
void TBakGndImg::SetAreaLeft(double value) {
  if (!std::isfinite(value)) return;
  areaLeft_ = value;
  Changed();
}
void TBakGndImg::SetAreaRight(double value) {
  if (!std::isfinite(value)) return;
  areaRight_ = value;
  Changed();
}
void TBakGndImg::SetAreaTop(double value) {
  if (!std::isfinite(value)) return;
  areaTop_ = value;
  Changed();
}
void TBakGndImg::SetAreaBottom(double value) {
  if (!std::isfinite(value)) return;
  areaBottom_ = value;
  Changed();
}

}  // namespace zarn
