#pragma once
// The viewer's main window built from its stored layout on Qt's offscreen
// platform, for the tests and the benchmarks.

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <memory>

#include "app/resources.h"
#include "app/ukolvo.h"
#include "platform/qt/zarn_qt.h"

namespace zarn::kolvotest {

// One backend for the whole program, as Qt allows one application object. It
// must go before the program's exit handlers run, which destroy Qt's own
// statics: StopBackend() at the end of main or of the test environment.
inline std::unique_ptr<TQtBackend>& BackendSlot() {
  static std::unique_ptr<TQtBackend> backend;
  return backend;
}
inline TQtBackend& Backend() {
  static int argc = 1;
  static char name[] = "kolvo_tests";
  static char* argv[] = {name, nullptr};
  if (!BackendSlot()) BackendSlot() = std::make_unique<TQtBackend>(argc, argv);
  return *BackendSlot();
}
inline void StopBackend() {
  Application().Reset();
  BackendSlot().reset();
}

// A fresh application with the main window created from the stored layout,
// or from another.
inline TFrmKolvo& CreateMainWindow(std::string_view layout = kolvo::EmbeddedLayout()) {
  TQtBackend& backend = Backend();
  Application().Reset();
  backend.Install();
  RegisterKolvoClasses();
  kolvo::RegisterCursorResources();
  Application().Initialize();
  return Application().CreateForm<TFrmKolvo>(layout);
}

// The picture of a control as it is on screen.
inline QImage Picture(TControl& control) {
  QApplication::processEvents();
  return WidgetOf(control)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace zarn::kolvotest
