// The F Distribution viewer: the application, its classes, the main window
// from its layout, and the message loop.

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/options.h"
#include "app/printable.h"
#include "app/resources.h"
#include "app/start_values.h"
#include "app/ukolvo.h"
#include "platform/qt/zarn_qt.h"

namespace {

using namespace zarn;
using namespace zarn::kolvo;

constexpr int kExitNoDisplay = 1;
constexpr int kExitBadInput = 2;
// Far beyond any window's layout; a device that never ends is not one.
constexpr std::size_t kMaxLayoutBytes = std::size_t{64} << 20;

// Every message is one line; what it quotes from the user is made harmless
// for the terminal.
void Report(const std::string& message) {
  std::cerr << "kolvo: " << Printable(message) << "\n";
}

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  TOptions options;
  try {
    options = ParseOptions(std::vector<std::string_view>(argv + 1, argv + argc));
  } catch (const EOptionError& e) {
    Report(std::string(e.what()) + " (kolvo --help lists the options)");
    return kExitBadInput;
  }
  if (options.Help) {
    std::cout << Usage("kolvo");
    return 0;
  }

  std::string layout(EmbeddedLayout());
  const std::string layoutName = options.LayoutFile.empty() ? "stored layout" : options.LayoutFile;
  if (!options.LayoutFile.empty()) {
    try {
      layout = ReadFileCapped(options.LayoutFile, kMaxLayoutBytes);
    } catch (const EFileError& e) {
      Report(e.Path() + ": cannot read the layout: " + e.Reason());
      return kExitBadInput;
    }
  }

  if (!HasDisplay()) {
    if (options.SnapshotFile.empty()) {
      Report(
          "no display to open the window on (DISPLAY is not set); "
          "kolvo --snapshot FILE.png renders it to a picture instead");
      return kExitNoDisplay;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);  // a snapshot needs no screen
  }

  TQtBackend backend(argc, argv);
  backend.SetSnapshotFile(options.SnapshotFile);
  RegisterKolvoClasses();
  RegisterCursorResources();
  Application().Initialize();
  Application().SetTitle("F Distribution");
  TFrmKolvo* form = nullptr;
  try {
    form = &Application().CreateForm<TFrmKolvo>(layout);
  } catch (const EZarnError& e) {
    Report(layoutName + ": " + e.what());
    return kExitBadInput;
  }
  try {
    ApplyStartValues(*form, options);
  } catch (const EOptionError& e) {
    Report(e.what());
    return kExitBadInput;
  }
  const int code = backend.Run();
  if (code != 0)
    Report(backend.SnapshotError().empty() ? "ended with exit code " + std::to_string(code)
                                           : backend.SnapshotError());
  return code;
}
