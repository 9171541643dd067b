// Assign carries every published property of the chart and its sub-objects:
// each one is changed on a source chart, and must read the same on the copy.
// A property added later without a line in Assign fails here by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/zarn_vorel.h"
#include "platform/properties.h"
#include "surface/zarn_errors.h"

namespace zarn {
namespace {

// Properties of the chart's own classes; the platform control's (bounds,
// parent, name, ...) belong to the component, not to its settings.
bool ChartOwned(const TClassInfo& info, const TPropInfo& p) {
  for (const TClassInfo* c = &info; c != nullptr; c = c->Parent())
    if (c->Name() == "TCustomControl") return c->FindProperty(p.Name) == nullptr;
  return true;
}

// A value the setter should take that differs from the current one.
TPropValue Changed(const TPropInfo& p, const TPropValue& v) {
  switch (p.Kind) {
    case pkBoolean:
      return !std::get<bool>(v);
    case pkDouble:
      return std::get<double>(v) + 0.5;
    case pkString:
      return std::get<std::string>(v) + "x";
    case pkEnum: {
      const std::int64_t next = std::get<std::int64_t>(v) + 1;
      return next > p.Enum->MaxValue() ? p.Enum->MinValue() : next;
    }
    case pkColor:
      return std::get<std::int64_t>(v) ^ 0x010203;
    case pkSet:
      return std::get<std::int64_t>(v) ^ 1;
    default: {  // integers: one step inside their range
      const std::int64_t i = std::get<std::int64_t>(v);
      return i < p.Max ? i + 1 : i - 1;
    }
  }
}

bool Scalar(const TPropInfo& p) {
  return p.Kind != pkObject && p.Kind != pkComponent && p.Kind != pkEvent && p.Kind != pkBitmap &&
         p.Kind != pkChar && p.Set;
}

void ChangeAll(TPersistent& object, bool top) {
  const TClassInfo* info = Classes().ClassOf(object);
  ASSERT_NE(info, nullptr);
  for (const TPropInfo* p : info->Properties()) {
    if (top && !ChartOwned(*info, *p)) continue;
    if (p->Kind == pkObject && p->Object)
      ChangeAll(p->Object(object), false);
    else if (Scalar(*p))
      try {
        p->Set(object, Changed(*p, p->Get(object)));
      } catch (const EZarnError&) {
        // A value a setter refuses (a join that would chain) is not a copy's concern.
      }
  }
}

void ExpectSame(const TPersistent& source, TPersistent& copy, const std::string& path, bool top,
                int& compared) {
  const TClassInfo* info = Classes().ClassOf(source);
  ASSERT_NE(info, nullptr);
  for (const TPropInfo* p : info->Properties()) {
    if (top && !ChartOwned(*info, *p)) continue;
    if (p->Kind == pkObject && p->Object) {
      auto& from = p->Object(const_cast<TPersistent&>(source));
      ExpectSame(from, p->Object(copy), path + p->Name + ".", false, compared);
    } else if (Scalar(*p)) {
      ++compared;
      EXPECT_EQ(p->Get(source), p->Get(copy)) << path << p->Name;
    }
  }
}

TEST(VorelAssign, CarriesEveryPublishedProperty) {
  RegisterVorelClasses();
  TVorel source(nullptr);
  ChangeAll(source, true);
  TVorel copy(nullptr);
  copy.Assign(source);
  int compared = 0;
  ExpectSame(source, copy, "", true, compared);
  EXPECT_GT(compared, 500);
}

}  // namespace
}  // namespace zarn
