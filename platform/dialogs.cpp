#include "platform/dialogs.h"

#include "platform/application.h"

namespace zarn {

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  return Application().Services().InputQuery(caption, prompt, value);
}

bool TSaveDialog::Execute() {
  if (!Application().Services().SaveDialog(*this)) return false;
  fileName_ = WithDefaultExtension(fileName_, defaultExt_);
  return true;
}

std::string WithDefaultExtension(const std::string& name, std::string_view ext) {
  const std::size_t base = name.find_last_of('/') + 1;  // npos + 1 == 0
  if (ext.empty() || name.find('.', base) != std::string::npos) return name;
  return name + "." + std::string(ext);
}

}  // namespace zarn
