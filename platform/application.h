#pragma once
// The application object, the screen (cursors) and the services behind them:
// message boxes, cursors, system colours, windows and the message loop. A
// backend supplies its own services; tests use the headless recording ones.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/component.h"
#include "platform/controls_std.h"
#include "platform/dialogs.h"
#include "platform/menu.h"

namespace zarn {

class TApplication;

// A cursor picture from the program's resources: pixels row by row, clNone
// where the cursor is transparent.
struct TCursorImage {
  int Width = 0;
  int Height = 0;
  std::vector<TColor> Pixels;
  TPoint HotSpot;
};
using HCURSOR = const TCursorImage*;
using HINSTANCE = const void*;
inline constexpr HINSTANCE HInstance = nullptr;

// The program's cursor resources, by name.
void RegisterCursorResource(const std::string& name, TCursorImage image);
// The named cursor resource, or null when there is none (which the screen
// treats as the default cursor).
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);

inline constexpr int MB_OK = 0x00000000;
inline constexpr int MB_OKCANCEL = 0x00000001;
inline constexpr int MB_ICONERROR = 0x00000010;
inline constexpr int MB_ICONQUESTION = 0x00000020;
inline constexpr int MB_ICONWARNING = 0x00000030;
inline constexpr int MB_ICONINFORMATION = 0x00000040;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

class TApplicationServices {
 public:
  virtual ~TApplicationServices() = default;
  // Fills the system colour table (SetSysColor) from the desktop.
  virtual void ApplySystemColors() {}
  // A modal message box; returns the button pressed (IDOK, ...).
  virtual int MessageBox(const std::string& text, const std::string& caption, int flags) = 0;
  // The common dialogs (see dialogs.h); false when cancelled or not shown.
  virtual bool InputQuery(const std::string& /*caption*/, const std::string& /*prompt*/,
                          std::string& /*value*/) {
    return false;
  }
  // Fills in the chosen name and filter index.
  virtual bool SaveDialog(TSaveDialog& /*dialog*/) { return false; }
  // Shows the menu at a point of the control (client coordinates) without
  // waiting; the chosen item is clicked from the loop.
  virtual void PopupMenu(TPopupMenu& /*menu*/, TControl& /*control*/, TPoint /*pos*/) {}
  virtual void ScreenCursorChanged(TCursor /*cursor*/) {}
  virtual void CursorRegistered(int /*index*/, HCURSOR /*cursor*/) {}
  // Creates the form's windows: peers for its windowed controls, then
  // CreateHandle. Called before OnShow.
  virtual void RealizeForm(TForm& form) = 0;
  virtual void ShowForm(TForm& /*form*/) {}
  virtual void HideForm(TForm& /*form*/) {}
  // Runs until app.Terminated(); the headless loop also returns when it has
  // nothing left to do.
  virtual void RunLoop(TApplication& app) = 0;
  virtual void Terminate() {}
  // Handles what is pending (paints, posted work) and returns.
  virtual void ProcessMessages(TApplication& app) = 0;
};

// Records everything asked of it; windows are created without peers, pending
// paints happen on ProcessMessages, and the loop runs the posted work.
class THeadlessServices : public TApplicationServices {
 public:
  struct TMessageRecord {
    std::string Text;
    std::string Caption;
    int Flags = 0;
  };
  std::vector<TMessageRecord> Messages;
  // The dialogs asked for (their captions or titles) and the answers given
  // in turn; no answer left is a cancel.
  std::vector<std::string> Dialogs;
  std::deque<std::string> InputAnswers;
  std::deque<std::string> SaveAnswers;
  // The menus shown: the menu's name, the control's name and the point.
  struct TPopupRecord {
    std::string Menu;
    std::string Control;
    TPoint Pos;
  };
  std::vector<TPopupRecord> Popups;
  std::vector<TCursor> ScreenCursors;
  std::vector<std::pair<int, HCURSOR>> RegisteredCursors;
  std::vector<std::string> ShownForms;
  std::vector<std::string> HiddenForms;
  int MessageBoxResult = IDOK;

  // Work for the loop, run in order until the application terminates.
  void Post(std::function<void()> work) { queue_.push_back(std::move(work)); }

  void ApplySystemColors() override;
  int MessageBox(const std::string& text, const std::string& caption, int flags) override;
  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override;
  bool SaveDialog(TSaveDialog& dialog) override;
  void PopupMenu(TPopupMenu& menu, TControl& control, TPoint pos) override;
  void ScreenCursorChanged(TCursor cursor) override { ScreenCursors.push_back(cursor); }
  void CursorRegistered(int index, HCURSOR cursor) override {
    RegisteredCursors.emplace_back(index, cursor);
  }
  void RealizeForm(TForm& form) override;
  void ShowForm(TForm& form) override;
  void HideForm(TForm& form) override { HiddenForms.push_back(form.Name()); }
  void RunLoop(TApplication& app) override;
  void ProcessMessages(TApplication& app) override;

 private:
  std::deque<std::function<void()>> queue_;
};

// Paints every window of the tree that has a paint pending (parents first).
void UpdateWindows(TWinControl& root);

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  std::string_view ClassName() const override { return "TApplication"; }

  TApplicationServices& Services() { return *services_; }
  // Installs other services (a backend); returns the previous ones.
  std::unique_ptr<TApplicationServices> SetServices(std::unique_ptr<TApplicationServices> s);
  // Frees all forms and starts afresh with new headless services (tests).
  THeadlessServices& Reset();

  void Initialize();
  // Creates the layout's form class from the class registry, loads the layout
  // into it and fires OnCreate. The first form created is the main form. On
  // any error nothing is kept and the error propagates.
  TForm& CreateForm(std::string_view layout);
  template <class T>
  T& CreateForm(std::string_view layout) {
    TForm& f = CreateForm(layout);
    if (auto* t = dynamic_cast<T*>(&f)) return *t;
    DestroyForm(f);
    throw EZarnError("layout does not describe a form of the expected class");
  }
  // A form built in code, without a layout.
  template <class T>
  T& CreateForm() {
    T& f = TComponent::Create<T>(*this);
    FormCreated(f);
    return f;
  }

  // Shows the main form and runs the message loop until Terminate; then frees
  // the forms and returns the exit code (0 unless set otherwise).
  int Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ProcessMessages();
  TForm* MainForm() const { return mainForm_; }
  int ExitCode() const { return exitCode_; }
  void SetExitCode(int value) { exitCode_ = value; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& value) { title_ = value; }

  int MessageBox(const std::string& text, const std::string& caption, int flags);
  // Frees the form once the current event is handled (caFree).
  void ReleaseForm(TForm& form);
  void FreeReleasedForms();

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void FormCreated(TForm& form);
  void DestroyForm(TForm& form);

  std::unique_ptr<TApplicationServices> services_;
  TForm* mainForm_ = nullptr;
  std::vector<TForm*> released_;
  bool terminated_ = false;
  int exitCode_ = 0;
  std::string title_;
};

TApplication& Application();

// An information box with an OK button, captioned with the application title.
void ShowMessage(const std::string& text);

class TScreen {
 public:
  // The cursor of the whole application; crDefault lets each control's own show.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);
  // Registered cursors; an index without one (or with a null handle) shows the
  // default cursor.
  HCURSOR Cursors(int index) const;
  void SetCursors(int index, HCURSOR cursor);
  void ResetCursors() {
    cursors_.clear();
    cursor_ = crDefault;
  }

 private:
  TCursor cursor_ = crDefault;
  std::map<int, HCURSOR> cursors_;
};

TScreen& Screen();

}  // namespace zarn
