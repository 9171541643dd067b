#pragma once
// The window the Qt backend tests (and the Xvfb smoke program) drive: an alTop
// panel with a glyph button, two scroll bars and a see-through graphic
// control, over an alClient custom control that paints four coloured
// quadrants and records the mouse.

#include <string>
#include <utility>
#include <vector>

#include "platform/qt/zarn_qt.h"
#include "platform/zarn_platform.h"

namespace zarn::qttest {

struct TMouseRecord {
  std::string Kind;  // down, up, move, dbl, enter, leave
  TMouseButton Button = mbLeft;
  TShiftState Shift;
  int X = 0;
  int Y = 0;
};

inline constexpr TColor kTopLeft = clRed;
inline constexpr TColor kTopRight = clLime;
inline constexpr TColor kBottomLeft = clBlue;
inline constexpr TColor kBottomRight = clYellow;

class TPatternControl : public TCustomControl {
 public:
  explicit TPatternControl(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 100, 100);
    OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
      Log.push_back({"down", b, s, x, y});
    };
    OnMouseUp = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
      Log.push_back({"up", b, s, x, y});
    };
    OnMouseMove = [this](TObject*, TShiftState s, int x, int y) {
      Log.push_back({"move", mbLeft, s, x, y});
    };
    OnDblClick = [this](TObject*) { Log.push_back({"dbl", mbLeft, {}, 0, 0}); };
    OnMouseEnter = [this](TObject*) { Log.push_back({"enter", mbLeft, {}, 0, 0}); };
    OnMouseLeave = [this](TObject*) { Log.push_back({"leave", mbLeft, {}, 0, 0}); };
    OnKeyDown = [this](TObject*, TWord& key, TShiftState s) {
      Keys.push_back("down " + std::to_string(key) + (s.Contains(ssShift) ? " shift" : ""));
    };
    OnKeyPress = [this](TObject*, char& key) { Keys.push_back(std::string("press ") + key); };
    OnKeyUp = [this](TObject*, TWord& key, TShiftState) {
      Keys.push_back("up " + std::to_string(key));
    };
  }
  int DlgCode() override { return WantKeys; }
  std::string_view ClassName() const override { return "TPatternControl"; }

  // A chart swallows the press or release that follows its double click.
  void DispatchDblClick(TShiftState s, int x, int y) override {
    swallow_ = SwallowAfterDouble;
    TCustomControl::DispatchDblClick(s, x, y);
  }
  void DispatchMouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    if (s.Contains(ssDouble)) ++DoublePresses;
    if (std::exchange(swallow_, false)) return;
    TCustomControl::DispatchMouseDown(b, s, x, y);
  }
  void DispatchMouseUp(TMouseButton b, TShiftState s, int x, int y) override {
    if (std::exchange(swallow_, false)) return;
    TCustomControl::DispatchMouseUp(b, s, x, y);
  }

  void Paint() override {
    const int w = Width(), h = Height();
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    const TColor colors[4] = {kTopLeft, kTopRight, kBottomLeft, kBottomRight};
    const TRect parts[4] = {Rect(0, 0, w / 2, h / 2), Rect(w / 2, 0, w, h / 2),
                            Rect(0, h / 2, w / 2, h), Rect(w / 2, h / 2, w, h)};
    for (int i = 0; i < 4; ++i) {
      c.Brush().SetColor(colors[i]);
      c.FillRect(parts[i]);
    }
    ++Paints;
  }

  std::vector<TMouseRecord> Log;
  std::vector<std::string> Keys;
  int WantKeys = 0;
  bool SwallowAfterDouble = false;
  int DoublePresses = 0;
  int Paints = 0;
  int WindowsCreated = 0;
  bool WidgetExistedAtCreate = false;

 protected:
  void CreateWnd() override {
    ++WindowsCreated;
    WidgetExistedAtCreate = WidgetOf(*this) != nullptr;
  }

 private:
  bool swallow_ = false;
};

// White where the parent should show through, a black square in the middle.
class TSeeThrough : public TGraphicControl {
 public:
  explicit TSeeThrough(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 20, 20); }
  std::string_view ClassName() const override { return "TSeeThrough"; }

  void Paint() override {
    TBitmap picture(Width(), Height());
    picture.Canvas().Brush().SetColor(clWhite);
    picture.Canvas().FillRect(Rect(0, 0, Width(), Height()));
    picture.Canvas().Brush().SetColor(clBlack);
    picture.Canvas().FillRect(Rect(Width() / 4, Height() / 4, Width() * 3 / 4, Height() * 3 / 4));
    Canvas().SetCopyMode(cmSrcAnd);
    Canvas().Draw(0, 0, picture);
    Canvas().SetCopyMode(cmSrcCopy);
  }
};

class TQtTestForm : public TForm {
 public:
  explicit TQtTestForm(TComponent* owner) : TForm(owner) {
    RegisterHandler("FormShow", this, &TQtTestForm::FormShow);
    RegisterHandler("ExitClick", this, &TQtTestForm::ExitClick);
    RegisterHandler("SBChange", this, &TQtTestForm::SBChange);
  }
  std::string_view ClassName() const override { return "TQtTestForm"; }

  void FormShow(TObject*) { ++Shows; }
  void ExitClick(TObject*) {
    ++Clicks;
    if (CloseOnClick) Close();
  }
  void SBChange(TObject* sender) {
    Changes.push_back(static_cast<TScrollBar*>(sender)->Name() + "=" +
                      std::to_string(static_cast<TScrollBar*>(sender)->Position()));
  }

  template <class T>
  T& Get(const char* name) {
    return dynamic_cast<T&>(*FindComponent(name));
  }

  int Shows = 0;
  int Clicks = 0;
  bool CloseOnClick = false;
  std::vector<std::string> Changes;
};

inline void RegisterQtTestClasses() {
  RegisterClass<TPatternControl, TCustomControl>("TPatternControl");
  RegisterClass<TSeeThrough, TGraphicControl>("TSeeThrough");
  RegisterClass<TQtTestForm, TForm>("TQtTestForm");
}

// 7 x 5 glyph: an olive background (the lower-left pixel, so transparent)
// around a red bar.
inline const char* const kTestLayout = R"({
  "Class": "TQtTestForm", "Name": "TestForm",
  "Properties": {"Left": 40, "Top": 30, "ClientWidth": 400, "ClientHeight": 300,
    "Caption": "Qt backend test", "Color": "clBtnFace", "Scaled": false,
    "Font": {"Name": "MS Sans Serif", "Height": -13}, "OnShow": "FormShow"},
  "Components": [
    {"Class": "TPatternControl", "Name": "Pattern1", "Parent": "TestForm",
     "Properties": {"Left": 0, "Top": 65, "Width": 400, "Height": 235, "Align": "alClient"}},
    {"Class": "TPanel", "Name": "Panel1", "Parent": "TestForm",
     "Properties": {"Left": 0, "Top": 0, "Width": 400, "Height": 65, "Align": "alTop",
                    "TabOrder": 0}},
    {"Class": "TSeeThrough", "Name": "Mark1", "Parent": "Panel1",
     "Properties": {"Left": 300, "Top": 30, "Width": 20, "Height": 20}},
    {"Class": "TBitBtn", "Name": "BButExit", "Parent": "Panel1",
     "Properties": {"Left": 8, "Top": 8, "Width": 73, "Height": 49, "Caption": "Exit",
       "TabOrder": 0, "OnClick": "ExitClick",
       "Glyph": {"Width": 7, "Height": 5, "Palette": ["#808000", "#FF0000"],
                 "Rows": ["0000000", "0111110", "0111110", "0111110", "0000000"]}}},
    {"Class": "TScrollBar", "Name": "SB1", "Parent": "Panel1",
     "Properties": {"Left": 96, "Top": 8, "Width": 122, "Height": 17, "Min": 1,
                    "Position": 4, "LargeChange": 10, "TabOrder": 1, "OnChange": "SBChange"}},
    {"Class": "TScrollBar", "Name": "SB2", "Parent": "Panel1",
     "Properties": {"Left": 96, "Top": 32, "Width": 122, "Height": 17, "Min": 1,
                    "Position": 4, "TabOrder": 2, "OnChange": "SBChange"}}
  ]
})";

}  // namespace zarn::qttest
