#pragma once
// The Qt 6 Widgets backend: forms become top-level windows, windowed controls
// widgets that show their surfaces and forward input, the standard controls
// native Qt widgets, and the application's services run on Qt's event loop.
//
//   int main(int argc, char** argv) {
//     zarn::TQtBackend backend(argc, argv);  // before anything else uses Qt;
//                                            // takes --scale N (1 ... 4) out
//     zarn::Application().Initialize();
//     zarn::Application().CreateForm<TMyForm>(layout);
//     return backend.Run();  // honours --snapshot FILE
//   }
//
// Layouts, bounds and events are in logical pixels, as stored. On a
// high-density screen each window draws at a whole number of device pixels
// per logical one (the screen's ratio rounded: 1.25 -> 1, 1.5 and 2 -> 2), so
// a form opens at its stored size with sharper lines and text. QT_SCALE_FACTOR
// is honoured; --scale N sets it, for a snapshot at N times the detail.

#include <map>
#include <memory>
#include <string>

#include "platform/zarn_platform.h"

class QApplication;
class QCursor;
class QWidget;

namespace zarn {

// The application services on Qt: windows, message boxes, cursors, system
// colours and the event loop.
class TQtServices : public TApplicationServices {
 public:
  TQtServices();
  ~TQtServices() override;

  // When set, message boxes and dialogs are handed to this recorder instead
  // of being shown (tests that must not block on a modal window).
  THeadlessServices* MessageRecorder = nullptr;

  void ApplySystemColors() override;
  int MessageBox(const std::string& text, const std::string& caption, int flags) override;
  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override;
  bool SaveDialog(TSaveDialog& dialog) override;
  void PopupMenu(TPopupMenu& menu, TControl& control, TPoint pos) override;
  void ScreenCursorChanged(TCursor cursor) override;
  void CursorRegistered(int index, HCURSOR cursor) override;
  void RealizeForm(TForm& form) override;
  void ShowForm(TForm& form) override;
  void HideForm(TForm& form) override;
  void RunLoop(TApplication& app) override;
  void Terminate() override;
  void ProcessMessages(TApplication& app) override;

  // The Qt cursor for a cursor number: a standard shape, or a registered one
  // drawn for a screen of this device scale.
  QCursor CursorFor(TCursor cursor, int scale = 1) const;

 private:
  // By cursor number and scale.
  std::map<std::pair<int, int>, std::unique_ptr<QCursor>> registered_;
  bool overrideActive_ = false;
};

// Owns the QApplication (unless one exists already) and installs TQtServices
// into Application() for its lifetime.
class TQtBackend {
 public:
  // Removes the backend's own option "--snapshot FILE" from argv.
  TQtBackend(int& argc, char** argv);
  ~TQtBackend();
  TQtBackend(const TQtBackend&) = delete;
  TQtBackend& operator=(const TQtBackend&) = delete;

  // Puts fresh Qt services into Application() (after Application().Reset()).
  TQtServices& Install();
  TQtServices& Services();

  const std::string& SnapshotFile() const { return snapshotFile_; }
  void SetSnapshotFile(const std::string& path) { snapshotFile_ = path; }

  // Application().Run(). With a snapshot file the main form is shown, its
  // picture written to the file and the form closed; the exit code is then 1
  // when the file could not be written, and SnapshotError says why in one
  // line that names the file.
  int Run();
  const std::string& SnapshotError() const { return snapshotError_; }

 private:
  int argc_ = 0;
  std::unique_ptr<QApplication> ownApp_;
  std::string snapshotFile_;
  std::string snapshotError_;
};

// Makes the windows of a form (and of everything in it) without showing it.
void RealizeQtForm(TForm& form);

// The widget that shows a windowed control, or for a graphic control its
// parent's; null before the form is realized.
QWidget* WidgetOf(TControl& control);

// Renders a form, with all its controls, to a PNG file. Works without a
// display (QT_QPA_PLATFORM=offscreen) and for forms that are not shown. A
// window too large or too small to draw is refused before Qt is asked; any
// failure raises EFileError and leaves no file behind.
void SaveFormSnapshot(TForm& form, const std::string& path);

}  // namespace zarn
