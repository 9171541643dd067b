#include "all_classes.h"

#include "app/ukolvo.h"
#include "scale/zarn_scale.h"
#include "test_classes.h"

namespace zarn::fuzz {

void RegisterAllClasses() {
  test::RegisterTestClasses();
  RegisterScaleClasses();
  RegisterKolvoClasses();
}

const std::vector<std::string>& CreatableClasses() {
  static const std::vector<std::string> names = {
      "TFrmKolvo", "TForm",      "TTestForm", "TVorel",     "TScale",     "TNimbic",
      "TPanel",    "TScrollBar", "TBitBtn",   "TPopupMenu", "TTestWidget"};
  return names;
}

}  // namespace zarn::fuzz
