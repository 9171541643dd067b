// Arbitrary bytes as a layout: loading either builds the tree or raises a
// layout error; a successful load must store and load again.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "test_classes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool registered = (zarn::test::RegisterTestClasses(), true);
  (void)registered;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::unique_ptr<zarn::TComponent> root;
  try {
    root = zarn::CreateFromLayout(text);
  } catch (const zarn::EZarnError&) {
    return 0;
  }
  const std::string stored = zarn::StoreLayout(*root);
  root.reset();
  auto again = zarn::CreateFromLayout(stored);  // must not throw
  if (zarn::StoreLayout(*again) != stored) __builtin_trap();
  return 0;
}
