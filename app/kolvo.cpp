// The F Distribution viewer: the application, its classes, the main window
// from its layout, and the message loop.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/options.h"
#include "app/resources.h"
#include "app/start_values.h"
#include "app/ukolvo.h"
#include "platform/qt/zarn_qt.h"

namespace {

using namespace zarn;
using namespace zarn::kolvo;

constexpr int kExitNoDisplay = 1;
constexpr int kExitBadInput = 2;

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

bool ReadFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream contents;
  contents << in.rdbuf();
  text = contents.str();
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  TOptions options;
  try {
    options = ParseOptions(std::vector<std::string_view>(argv + 1, argv + argc));
  } catch (const EOptionError& e) {
    std::cerr << "kolvo: " << e.what() << " (kolvo --help lists the options)\n";
    return kExitBadInput;
  }
  if (options.Help) {
    std::cout << Usage("kolvo");
    return 0;
  }

  std::string layout(EmbeddedLayout());
  const std::string layoutName = options.LayoutFile.empty() ? "stored layout" : options.LayoutFile;
  if (!options.LayoutFile.empty() && !ReadFile(options.LayoutFile, layout)) {
    std::cerr << "kolvo: " << options.LayoutFile << ": cannot read the layout file\n";
    return kExitBadInput;
  }

  if (!HasDisplay()) {
    if (options.SnapshotFile.empty()) {
      std::cerr << "kolvo: no display to open the window on (DISPLAY is not set); "
                   "kolvo --snapshot FILE.png renders it to a picture instead\n";
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
    std::cerr << "kolvo: " << layoutName << ": " << e.what() << "\n";
    return kExitBadInput;
  }
  ApplyStartValues(*form, options);
  return backend.Run();
}
