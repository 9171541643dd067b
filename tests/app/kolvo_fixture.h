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

// One backend for the whole program: Qt allows one application object.
inline TQtBackend& Backend() {
  static int argc = 1;
  static char name[] = "kolvo_tests";
  static char* argv[] = {name, nullptr};
  static TQtBackend backend(argc, argv);
  return backend;
}

// A fresh application with the main window created from the stored layout.
inline TFrmKolvo& CreateMainWindow() {
  TQtBackend& backend = Backend();
  Application().Reset();
  backend.Install();
  RegisterKolvoClasses();
  kolvo::RegisterCursorResources();
  Application().Initialize();
  return Application().CreateForm<TFrmKolvo>(kolvo::EmbeddedLayout());
}

// The picture of a control as it is on screen.
inline QImage Picture(TControl& control) {
  QApplication::processEvents();
  return WidgetOf(control)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace zarn::kolvotest
