#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_classes.h"

namespace zarn {
namespace {

using test::TTestWidget;

class Registry : public ::testing::Test {
 protected:
  void SetUp() override { test::RegisterTestClasses(); }
};

TEST_F(Registry, ClassesInheritAndReplaceTheirBasesProperties) {
  const TClassInfo* form = Classes().Find("TForm");
  const TClassInfo* control = Classes().Find("TControl");
  ASSERT_TRUE(form && control);
  EXPECT_TRUE(form->InheritsFrom(*control));
  EXPECT_FALSE(control->InheritsFrom(*form));
  // Inherited from TControl, stored by the form with its own default.
  EXPECT_EQ(form->FindProperty("Align"), control->FindProperty("Align"));
  ASSERT_NE(form->FindProperty("Color"), control->FindProperty("Color"));
  EXPECT_EQ(*form->FindProperty("Color")->DefaultValue, TPropValue(std::int64_t{clBtnFace}));
  // A replaced property keeps the base's place in the list.
  const auto props = form->Properties();
  auto at = [&](const char* name) {
    for (std::size_t i = 0; i < props.size(); ++i)
      if (props[i]->Name == name) return static_cast<int>(i);
    return -1;
  };
  EXPECT_LT(at("Left"), at("Color"));
  EXPECT_LT(at("Color"), at("TabOrder"));
  EXPECT_EQ(props[static_cast<std::size_t>(at("Color"))], form->FindProperty("Color"));

  // Objects find their class by ClassName, checked against the real type.
  TTestWidget w(nullptr);
  EXPECT_EQ(Classes().ClassOf(w), Classes().Find("TTestWidget"));
  EXPECT_EQ(Classes().ClassOf(w.Font()), Classes().Find("TFont"));
  EXPECT_EQ(Classes().Find<TTestWidget>(), Classes().Find("TTestWidget"));
  // Registering again changes nothing.
  const TClassInfo& again = RegisterClass<TTestWidget, TGraphicControl>("TTestWidget");
  EXPECT_EQ(&again, Classes().Find("TTestWidget"));
}

TEST_F(Registry, ReadersAndWritersGoThroughGettersAndSetters) {
  TTestWidget w(nullptr);
  const TClassInfo& info = *Classes().ClassOf(w);
  info.FindProperty("Level")->Set(w, std::int64_t{200});
  EXPECT_EQ(w.Level(), 200);
  EXPECT_EQ(info.FindProperty("Level")->Get(w), TPropValue(std::int64_t{200}));
  EXPECT_EQ(info.FindProperty("Level")->Max, 255);
  EXPECT_EQ(info.FindProperty("Count")->Min, std::numeric_limits<std::int32_t>::min());
  info.FindProperty("Mode")->Set(w, std::int64_t{test::tmOn});
  EXPECT_EQ(w.Mode(), test::tmOn);
  info.FindProperty("Styles")->Set(w, static_cast<std::int64_t>(TFontStyles{fsItalic}.Bits()));
  EXPECT_EQ(w.Styles(), TFontStyles{fsItalic});
  info.FindProperty("Letter")->Set(w, std::int64_t{0xE9});
  EXPECT_EQ(info.FindProperty("Letter")->Get(w), TPropValue(std::int64_t{0xE9}));
  EXPECT_EQ(&info.FindProperty("Sub")->Object(w), &w.Sub());
  TTestWidget other(nullptr);
  info.FindProperty("Partner")->SetComponent(w, &other);
  EXPECT_EQ(info.FindProperty("Partner")->GetComponent(w), &other);
  TPanel panel(nullptr);
  EXPECT_THROW(info.FindProperty("Partner")->SetComponent(w, &panel), EZarnError);
  info.FindProperty("OnPing")->BindEvent(w, std::any(TNotifyEvent([](TObject*) {})));
  EXPECT_TRUE(info.FindProperty("OnPing")->EventAssigned(w));
  info.FindProperty("OnPing")->BindEvent(w, std::any());
  EXPECT_FALSE(w.OnPing);
}

TEST_F(Registry, ColourNamesCoverThePaletteAndSystemColours) {
  EXPECT_EQ(IdentToColor("clBtnFace"), clBtnFace);
  EXPECT_EQ(IdentToColor("clInfoBk"), clInfoBk);
  EXPECT_EQ(IdentToColor("clMoneyGreen"), clMoneyGreen);
  EXPECT_FALSE(IdentToColor("clbtnface"));
  EXPECT_STREQ(ColorToIdent(clGrayText), "clGrayText");
  EXPECT_EQ(ColorToIdent(14540253), nullptr);
  EXPECT_EQ(CursorInfo.ValueOf("crSizeAll"), crSizeAll);
  EXPECT_EQ(*CursorInfo.NameOf(-21), "crHandPoint");
}

std::unique_ptr<TComponent> Load(const std::string& components) {
  return CreateFromLayout(R"({"Class": "TTestForm", "Name": "Frm", "Components": [)" + components +
                          "]}");
}

TEST_F(Registry, PlatformControlsLoadTheirPublishedProperties) {
  auto root = Load(R"(
    {"Class": "TPanel", "Name": "P", "Properties": {"Font.Height": -20, "Font.Style": ["fsBold"],
      "Font.Color": "clRed", "Font.Charset": "ANSI_CHARSET", "Constraints": {"MinWidth": 50},
      "Anchors": ["akLeft", "akRight"], "Cursor": -3, "Hint": "h", "ShowHint": true,
      "BevelOuter": "bvLowered", "PopupMenu": "Menu", "Visible": false, "Enabled": false}},
    {"Class": "TBitBtn", "Name": "B", "Parent": "P", "Properties": {"Layout": "blGlyphTop",
      "Margin": 2, "NumGlyphs": 2, "Default": true}},
    {"Class": "TScrollBar", "Name": "S", "Parent": "P", "Properties": {"Kind": "sbVertical",
      "Max": 10, "Min": 2, "PageSize": 3, "Position": 99, "LargeChange": 5}},
    {"Class": "TPopupMenu", "Name": "Menu", "Properties": {"AutoPopup": false}})");
  auto& p = dynamic_cast<TPanel&>(*root->FindComponent("P"));
  EXPECT_EQ(p.Font().Height(), -20);
  EXPECT_EQ(p.Font().Style(), TFontStyles{fsBold});
  EXPECT_EQ(p.Font().Color(), clRed);
  EXPECT_EQ(p.Font().Charset(), 0);
  EXPECT_FALSE(p.ParentFont());
  EXPECT_EQ(p.Width(), 185);  // the panel's own width is above the minimum
  EXPECT_EQ(p.Constraints().MinWidth(), 50);
  EXPECT_EQ(p.Anchors(), (TAnchors{akLeft, akRight}));
  EXPECT_EQ(p.Cursor(), crCross);
  EXPECT_TRUE(p.ShowHint());
  EXPECT_FALSE(p.ParentShowHint());
  EXPECT_EQ(p.BevelOuter(), bvLowered);
  EXPECT_EQ(p.PopupMenu(), root->FindComponent("Menu"));
  EXPECT_FALSE(p.Visible());
  EXPECT_FALSE(p.Enabled());
  auto& b = dynamic_cast<TBitBtn&>(*root->FindComponent("B"));
  EXPECT_EQ(b.Layout(), blGlyphTop);
  EXPECT_EQ(b.NumGlyphs(), 2);
  EXPECT_TRUE(b.Default());
  EXPECT_EQ(b.Font().Height(), -20);  // from its parent
  auto& s = dynamic_cast<TScrollBar&>(*root->FindComponent("S"));
  EXPECT_EQ(s.Kind(), sbVertical);
  EXPECT_EQ(s.Min(), 2);
  EXPECT_EQ(s.Position(), 10);
  EXPECT_EQ(s.PageSize(), 3);

  // Stored again, the font goes with the panel only, and the layout reloads.
  const std::string stored = StoreLayout(*root);
  auto copy = CreateFromLayout(stored);
  EXPECT_EQ(StoreLayout(*copy), stored);
  EXPECT_EQ(dynamic_cast<TPanel&>(*copy->FindComponent("P")).Font().Height(), -20);
  EXPECT_EQ(stored.find("\"Font\""), stored.rfind("\"Font\""));
}

TEST_F(Registry, ScrollBarRangeErrorsAndNumbersTooBigForJsonAreLayoutErrors) {
  try {
    Load(R"({"Class": "TScrollBar", "Name": "S", "Properties": {"Min": 500}})");
    FAIL();
  } catch (const ELayoutError& e) {
    EXPECT_STREQ(e.what(), R"(Frm.S: property "Min": Scroll bar property out of range)");
    EXPECT_EQ(e.Component(), "Frm.S");
    EXPECT_EQ(e.PropertyPath(), "Min");
  }
  EXPECT_THROW(CreateFromLayout(R"({"Class": 1E99999})"), ELayoutError);
  EXPECT_THROW(CreateFromLayout("[]"), ELayoutError);
  EXPECT_THROW(CreateFromLayout(R"({"Class": "TFont"})"), ELayoutError);  // not creatable
}

// Records what the control model tells the backend.
class TRecordingPeer : public TControlPeer {
 public:
  explicit TRecordingPeer(std::vector<std::string>& log) : log_(log) {}
  ~TRecordingPeer() override { log_.push_back("peer freed"); }
  void Invalidate(const TRect& r) override {
    log_.push_back("invalidate " + std::to_string(r.Right) + "x" + std::to_string(r.Bottom));
  }
  void SurfaceChanged() override { log_.push_back("surface"); }
  void BoundsChanged() override { log_.push_back("bounds"); }
  void VisibleChanged() override { log_.push_back("visible"); }
  void EnabledChanged() override { log_.push_back("enabled"); }
  void StateChanged() override { log_.push_back("state"); }
  void CursorChanged(TControl& c) override { log_.push_back("cursor " + c.Name()); }
  void ChildrenChanged() override { log_.push_back("children"); }

 private:
  std::vector<std::string>& log_;
};

TEST(Peer, TheBackendHearsOfEveryChangeItMustMirror) {
  std::vector<std::string> log;
  {
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 50, 40);
    panel.SetPeer(std::make_unique<TRecordingPeer>(log));
    panel.CreateHandle();
    TTestWidget& w = TComponent::Create<TTestWidget>(panel);
    w.SetName("W");
    w.SetParent(&panel);
    w.SetCursor(crCross);
    panel.SetBounds(0, 0, 60, 40);
    panel.SetCaption("x");
    panel.SetVisible(false);
    panel.SetEnabled(false);
    panel.Repaint();
    // The first paint request comes with the parent's font.
    EXPECT_EQ(log, (std::vector<std::string>{
                       "invalidate 10x10", "children", "invalidate 10x10", "cursor W",
                       "invalidate 60x40", "bounds", "invalidate 60x40", "state", "visible",
                       "invalidate 60x40", "enabled", "invalidate 60x40", "surface"}));
    log.clear();
    // With a peer, new windowed children wait for the backend to create their window.
    TScrollBar& bar = TComponent::Create<TScrollBar>(panel);
    bar.SetParent(&panel);
    EXPECT_FALSE(bar.HandleAllocated());
    bar.SetPosition(3);
  }
  EXPECT_EQ(log.back(), "peer freed");
}

}  // namespace
}  // namespace zarn
