#include <algorithm>

#include "platform/application.h"
#include "platform/layout_json.h"

namespace zarn {

// ---- cursor resources ----

namespace {
std::map<std::string, std::unique_ptr<TCursorImage>, std::less<>>& CursorResources() {
  static std::map<std::string, std::unique_ptr<TCursorImage>, std::less<>> resources;
  return resources;
}
}  // namespace

void RegisterCursorResource(const std::string& name, TCursorImage image) {
  auto& table = CursorResources();
  auto it = table.find(name);
  if (it != table.end())
    *it->second = std::move(image);  // handles given out stay valid
  else
    table.emplace(name, std::make_unique<TCursorImage>(std::move(image)));
}

HCURSOR LoadCursorA(HINSTANCE /*instance*/, const char* name) {
  if (!name) return nullptr;
  auto& table = CursorResources();
  auto it = table.find(std::string_view(name));
  return it == table.end() ? nullptr : it->second.get();
}

// ---- headless services ----

void THeadlessServices::ApplySystemColors() {
  ResetSysColors();
}

int THeadlessServices::MessageBox(const std::string& text, const std::string& caption, int flags) {
  Messages.push_back({text, caption, flags});
  return MessageBoxResult;
}

namespace {
bool NextAnswer(std::deque<std::string>& answers, std::string& into) {
  if (answers.empty()) return false;
  into = std::move(answers.front());
  answers.pop_front();
  return true;
}
}  // namespace

bool THeadlessServices::InputQuery(const std::string& caption, const std::string& /*prompt*/,
                                   std::string& value) {
  Dialogs.push_back(caption);
  return NextAnswer(InputAnswers, value);
}

bool THeadlessServices::SaveDialog(TSaveDialog& dialog) {
  Dialogs.push_back(dialog.Title());
  std::string name;
  if (!NextAnswer(SaveAnswers, name)) return false;
  dialog.SetFileName(name);
  return true;
}

void THeadlessServices::PopupMenu(TPopupMenu& menu, TControl& control, TPoint pos) {
  Popups.push_back({menu.Name(), control.Name(), pos});
}

void THeadlessServices::RealizeForm(TForm& form) {
  form.CreateHandle();
}

void THeadlessServices::ShowForm(TForm& form) {
  ShownForms.push_back(form.Name());
  UpdateWindows(form);
}

void THeadlessServices::RunLoop(TApplication& app) {
  while (!app.Terminated() && !queue_.empty()) {
    std::function<void()> work = std::move(queue_.front());
    queue_.pop_front();
    if (work) work();
    app.ProcessMessages();
  }
}

void THeadlessServices::ProcessMessages(TApplication& app) {
  for (int i = 0; i < app.ComponentCount(); ++i)
    if (auto* form = dynamic_cast<TForm*>(app.Components(i)); form && form->Visible())
      UpdateWindows(*form);
}

void UpdateWindows(TWinControl& root) {
  root.Update();
  for (int i = 0; i < root.ControlCount(); ++i)
    if (auto* w = dynamic_cast<TWinControl*>(root.Controls(i))) UpdateWindows(*w);
}

// ---- TApplication ----

TApplication::TApplication() : TComponent(nullptr) {
  services_ = std::make_unique<THeadlessServices>();
}

TApplication::~TApplication() {
  DestroyComponents();
}

std::unique_ptr<TApplicationServices> TApplication::SetServices(
    std::unique_ptr<TApplicationServices> s) {
  if (!s) s = std::make_unique<THeadlessServices>();
  std::swap(s, services_);
  return s;
}

THeadlessServices& TApplication::Reset() {
  DestroyComponents();
  mainForm_ = nullptr;
  released_.clear();
  terminated_ = false;
  exitCode_ = 0;
  title_.clear();
  auto headless = std::make_unique<THeadlessServices>();
  THeadlessServices& ref = *headless;
  services_ = std::move(headless);
  Screen().ResetCursors();
  return ref;
}

void TApplication::Initialize() {
  services_->ApplySystemColors();
}

TForm& TApplication::CreateForm(std::string_view layout) {
  std::unique_ptr<TComponent> root = CreateFromLayout(layout, this);
  auto* form = dynamic_cast<TForm*>(root.get());
  if (!form) throw EZarnError("layout does not describe a form");
  Adopt(std::move(root));
  FormCreated(*form);
  return *form;
}

void TApplication::FormCreated(TForm& form) {
  try {
    form.DoCreate();
  } catch (...) {
    DestroyForm(form);
    throw;
  }
  if (!mainForm_) mainForm_ = &form;
}

void TApplication::DestroyForm(TForm& form) {
  if (mainForm_ == &form) mainForm_ = nullptr;
  std::erase(released_, &form);
  DestroyComponent(form);
}

int TApplication::Run() {
  if (mainForm_ && !terminated_) {
    mainForm_->Show();
    if (!terminated_) services_->RunLoop(*this);
  }
  FreeReleasedForms();
  DestroyComponents();
  mainForm_ = nullptr;
  return exitCode_;
}

void TApplication::Terminate() {
  terminated_ = true;
  services_->Terminate();
}

void TApplication::ProcessMessages() {
  services_->ProcessMessages(*this);
  FreeReleasedForms();
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, int flags) {
  return services_->MessageBox(text, caption, flags);
}

void TApplication::ReleaseForm(TForm& form) {
  if (std::find(released_.begin(), released_.end(), &form) == released_.end())
    released_.push_back(&form);
}

void TApplication::FreeReleasedForms() {
  while (!released_.empty()) {
    TForm* form = released_.back();
    released_.pop_back();
    DestroyForm(*form);
  }
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == mainForm_) mainForm_ = nullptr;
  std::erase_if(released_, [&](TForm* f) { return f == AComponent; });
}

TApplication& Application() {
  static TApplication app;
  return app;
}

void ShowMessage(const std::string& text) {
  Application().MessageBox(text, Application().Title(), MB_OK | MB_ICONINFORMATION);
}

// ---- TScreen ----

void TScreen::SetCursor(TCursor value) {
  cursor_ = value;
  Application().Services().ScreenCursorChanged(value);
}

HCURSOR TScreen::Cursors(int index) const {
  auto it = cursors_.find(index);
  return it == cursors_.end() ? nullptr : it->second;
}

void TScreen::SetCursors(int index, HCURSOR cursor) {
  if (cursor)
    cursors_[index] = cursor;
  else
    cursors_.erase(index);
  Application().Services().CursorRegistered(index, cursor);
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

}  // namespace zarn
