// Arbitrary bytes as a layout, with every class of the library registered:
// loading either builds the tree or raises a layout error. A tree that loads
// is shown headless, painted and handled like a window under the mouse; it
// then stores, and what it stored loads again and stores the same.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "all_classes.h"
#include "platform/zarn_platform.h"
#include "test_classes.h"

namespace {

using namespace zarn;

// A press, a drag, a release, a double click, a wheel turn and Ctrl+C in the
// middle of a window, as the platform delivers them.
void Handle(TWinControl& w) {
  const int x = w.Width() / 2, y = w.Height() / 2;
  const TShiftState left{ssLeft};
  w.DeliverMouseEnter();
  w.DeliverMouseDown(mbLeft, left, x, y);
  w.DeliverMouseMove(left, x, y);
  w.DeliverMouseMove(left, x + 9, y - 7);
  w.DeliverMouseUp(mbLeft, {}, x + 9, y - 7);
  w.DeliverDblClick(left, x, y);
  w.DeliverMouseUp(mbLeft, {}, x, y);
  w.DispatchMouseWheel({}, 120, Point(x, y));
  TWord key = 'C';
  w.DispatchKeyDown(key, TShiftState{ssCtrl});
  w.DeliverMouseLeave();
}

void Exercise(TComponent& root) {
  if (auto* form = dynamic_cast<TForm*>(&root)) form->SetVisible(true);
  for (int i = 0; i < root.ComponentCount(); ++i)
    if (auto* w = dynamic_cast<TWinControl*>(root.Components(i))) Handle(*w);
  if (auto* w = dynamic_cast<TWinControl*>(&root)) {
    Handle(*w);
    UpdateWindows(*w);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool registered = (fuzz::RegisterAllClasses(), true);
  (void)registered;
  Application().Reset();
  test::LoadedLog().clear();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::unique_ptr<TComponent> root;
  try {
    root = CreateFromLayout(text);
  } catch (const EZarnError&) {
    return 0;
  }
  const std::string stored = StoreLayout(*root);
  Exercise(*root);
  root.reset();
  auto again = CreateFromLayout(stored);  // must not throw
  if (StoreLayout(*again) != stored) __builtin_trap();
  return 0;
}
