#pragma once
// A small class set with a property of every kind, for the layout tests.

#include <string>
#include <vector>

#include "platform/zarn_platform.h"

namespace zarn::test {

enum TTestMode : std::uint8_t { tmOff, tmOn, tmAuto };
inline const TEnumInfo TestModeInfo("TTestMode", {"tmOff", "tmOn", "tmAuto"});

using TValueEvent = std::function<void(TObject* Sender, double& Value)>;

// Order in which components finished loading, by name.
inline std::vector<std::string>& LoadedLog() {
  static std::vector<std::string> log;
  return log;
}

class TTestSettings : public TPersistent {
 public:
  std::string_view ClassName() const override { return "TTestSettings"; }
  double Low() const { return low_; }
  void SetLow(double v) {
    low_ = v;
    if (OnChange) OnChange(this);
  }
  double High() const { return high_; }
  void SetHigh(double v) {
    if (v < low_) throw EZarnError("High below Low");
    high_ = v;
    if (OnChange) OnChange(this);
  }
  TFont& Font() { return font_; }
  TNotifyEvent OnChange;

 private:
  double low_ = 0;
  double high_ = 1;
  TFont font_;
};

class TTestWidget : public TGraphicControl {
 public:
  explicit TTestWidget(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 10, 10); }
  std::string_view ClassName() const override { return "TTestWidget"; }

  bool Flag() const { return flag_; }
  void SetFlag(bool v) { flag_ = v; }
  int Count() const { return count_; }
  void SetCount(int v) { count_ = v; }
  std::uint8_t Level() const { return level_; }
  void SetLevel(std::uint8_t v) { level_ = v; }
  double Ratio() const { return ratio_; }
  void SetRatio(double v) { ratio_ = v; }
  const std::string& Label() const { return label_; }
  void SetLabel(const std::string& v) { label_ = v; }
  char Letter() const { return letter_; }
  void SetLetter(char v) { letter_ = v; }
  TTestMode Mode() const { return mode_; }
  void SetMode(TTestMode v) { mode_ = v; }
  TFontStyles Styles() const { return styles_; }
  void SetStyles(TFontStyles v) { styles_ = v; }
  TColor Tint() const { return tint_; }
  void SetTint(TColor v) { tint_ = v; }
  TTestSettings& Sub() { return sub_; }
  TTestWidget* Partner() const { return partner_; }
  void SetPartner(TTestWidget* v) {
    if (partner_) partner_->RemoveFreeNotification(this);
    partner_ = v;
    if (v) v->FreeNotification(this);
  }
  TBitmap& Picture() { return picture_; }
  int Setters() const { return setters_; }

  TNotifyEvent OnPing;
  TValueEvent OnValue;

  void Paint() override {
    Canvas().Brush().SetColor(tint_);
    Canvas().FillRect(Rect(0, 0, Width(), Height()));
  }

  static void Publish(TPropertyRegistrar<TTestWidget>& r) {
    using W = TTestWidget;
    r.Bool("Flag", &W::Flag, &W::SetFlag).Default(false);
    r.Int("Count", &W::Count, &W::SetCount).Default(std::int64_t{0});
    r.Int("Level", &W::Level, &W::SetLevel);
    r.Double("Ratio", &W::Ratio, &W::SetRatio);
    r.String("Label", &W::Label, &W::SetLabel);
    r.Char("Letter", &W::Letter, &W::SetLetter).Default(std::int64_t{'a'});
    r.Enum("Mode", TestModeInfo, &W::Mode, &W::SetMode).Default(std::int64_t{tmOff});
    r.Set("Styles", FontStyleInfo, &W::Styles, &W::SetStyles).Default(std::int64_t{0});
    r.Color("Tint", &W::Tint, &W::SetTint).Default(std::int64_t{clBlack});
    r.Object("Sub", [](W& w) -> TTestSettings& { return w.Sub(); });
    r.Component("Partner", &W::Partner, &W::SetPartner);
    r.Bitmap("Picture", [](W& w) -> TBitmap& { return w.Picture(); });
    r.Event("OnPing", &W::OnPing);
    r.Event("OnValue", &W::OnValue);
  }

 protected:
  void Loaded() override {
    TGraphicControl::Loaded();
    LoadedLog().push_back(Name());
  }
  void Notification(TComponent* c, TOperation op) override {
    TGraphicControl::Notification(c, op);
    if (op == opRemove && c == partner_) partner_ = nullptr;
  }

 private:
  bool flag_ = false;
  int count_ = 0;
  std::uint8_t level_ = 7;
  double ratio_ = 0;
  std::string label_;
  char letter_ = 'a';
  TTestMode mode_ = tmOff;
  TFontStyles styles_;
  TColor tint_ = clBlack;
  TTestSettings sub_;
  TTestWidget* partner_ = nullptr;
  TBitmap picture_;
  int setters_ = 0;
};

class TTestForm : public TForm {
 public:
  explicit TTestForm(TComponent* owner) : TForm(owner) {
    RegisterHandler("FormShow", this, &TTestForm::FormShow);
    RegisterHandler("Ping", this, &TTestForm::Ping);
    RegisterHandler("ExitClick", this, &TTestForm::ExitClick);
    RegisterHandler("ValueHandler", this, &TTestForm::ValueHandler);
    RegisterHandler("ScrollChange", this, &TTestForm::ScrollChange);
  }
  std::string_view ClassName() const override { return "TTestForm"; }

  // Also notes how far loading had come.
  void FormShow(TObject*) {
    log.push_back("show");
    LoadedLog().push_back("show");
  }
  void Ping(TObject* sender) {
    log.push_back("ping " + std::string(dynamic_cast<TComponent*>(sender)->Name()));
  }
  void ExitClick(TObject*) {
    log.push_back("exit");
    Close();
  }
  void ValueHandler(TObject*, double& v) { v *= 2; }
  void ScrollChange(TObject* sender) {
    log.push_back("scroll " + std::to_string(dynamic_cast<TScrollBar*>(sender)->Position()));
  }

  std::vector<std::string> log;

 protected:
  void Loaded() override {
    TForm::Loaded();
    LoadedLog().push_back(Name());
  }
};

inline void RegisterTestClasses() {
  RegisterClass<TTestSettings>("TTestSettings", [](TPropertyRegistrar<TTestSettings>& r) {
    r.Double("Low", &TTestSettings::Low, &TTestSettings::SetLow);
    r.Double("High", &TTestSettings::High, &TTestSettings::SetHigh).Default(1.0);
    r.Font("Font", [](TTestSettings& s) -> TFont& { return s.Font(); });
    r.Event("OnChange", &TTestSettings::OnChange);
  });
  RegisterClass<TTestWidget, TGraphicControl>("TTestWidget", &TTestWidget::Publish);
  RegisterClass<TTestForm, TForm>("TTestForm");
}

}  // namespace zarn::test
