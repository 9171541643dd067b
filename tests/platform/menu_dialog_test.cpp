#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/zarn_platform.h"

namespace zarn {
namespace {

class MenusAndDialogs : public ::testing::Test {
 protected:
  void SetUp() override { services = &Application().Reset(); }
  void TearDown() override { Application().Reset(); }
  THeadlessServices* services = nullptr;
};

class TSpot : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
};

TEST_F(MenusAndDialogs, TheContextGestureGoesToTheControlUnderItThenItsWindow) {
  TPanel panel(nullptr);
  panel.SetName("Panel");
  panel.SetBounds(0, 0, 100, 100);
  TSpot& spot = TComponent::Create<TSpot>(panel);
  spot.SetName("Spot");
  spot.SetParent(&panel);
  spot.SetBounds(20, 20, 10, 10);
  TPopupMenu& menu = TComponent::Create<TPopupMenu>(panel);
  menu.SetName("Menu");
  std::vector<std::string> log;
  menu.OnPopup = [&](TObject*) { log.push_back("popup"); };

  // Nobody has a menu: the gesture is not taken and goes on to the parent.
  EXPECT_FALSE(panel.DeliverContextPopup(25, 25));
  spot.SetPopupMenu(&menu);
  EXPECT_TRUE(panel.DeliverContextPopup(25, 26));
  EXPECT_EQ(menu.PopupComponent(), &spot);
  // Outside the spot the panel has none.
  EXPECT_FALSE(panel.DeliverContextPopup(60, 60));
  ASSERT_EQ(services->Popups.size(), 1u);
  EXPECT_EQ(services->Popups[0].Control, "Spot");
  EXPECT_EQ(services->Popups[0].Pos, Point(5, 6));
  EXPECT_EQ(log, std::vector<std::string>{"popup"});

  // A handler may take the gesture itself; a menu that does not pop up by
  // itself, or a disabled control, leaves it to the window.
  panel.SetPopupMenu(&menu);
  spot.OnContextPopup = [&](TObject*, TPoint, bool& handled) { handled = true; };
  EXPECT_TRUE(panel.DeliverContextPopup(25, 25));
  EXPECT_EQ(services->Popups.size(), 1u);
  spot.OnContextPopup = nullptr;
  spot.SetEnabled(false);
  EXPECT_TRUE(panel.DeliverContextPopup(25, 25));
  EXPECT_EQ(services->Popups.back().Control, "Panel");
  menu.SetAutoPopup(false);
  EXPECT_FALSE(panel.DeliverContextPopup(25, 25));
  EXPECT_EQ(services->Popups.size(), 2u);
}

TEST_F(MenusAndDialogs, ItemsClickOnlyWhenEnabledAndTellWhenTheyAreGone) {
  TPopupMenu menu(nullptr);
  int clicks = 0;
  TMenuItem& copy = menu.Items().Add("Copy", [&](TObject*) { ++clicks; });
  menu.Items().Add("-");
  TMenuItem& more = menu.Items().Add("More");
  more.Add("Deeper", [&](TObject*) { clicks += 10; });
  EXPECT_TRUE(menu.Items().Items(1).IsLine());
  EXPECT_EQ(menu.Items().Find("More"), &more);
  EXPECT_EQ(menu.Items().Find("Less"), nullptr);
  copy.Click();
  copy.SetEnabled(false);
  copy.Click();
  more.Items(0).Click();
  EXPECT_EQ(clicks, 11);
  const auto life = more.Items(0).Lifetime();
  EXPECT_FALSE(life.expired());
  menu.Items().Clear();
  EXPECT_TRUE(life.expired());
}

TEST_F(MenusAndDialogs, AMenuForgetsTheControlItWasShownOverWhenThatGoes) {
  TPopupMenu menu(nullptr);
  auto panel = std::make_unique<TPanel>(nullptr);
  panel->SetPopupMenu(&menu);
  menu.Popup(*panel, Point(1, 1));
  EXPECT_EQ(menu.PopupComponent(), panel.get());
  panel.reset();
  EXPECT_EQ(menu.PopupComponent(), nullptr);
}

TEST_F(MenusAndDialogs, DialogsAnswerWhatWasScriptedAndCancelOtherwise) {
  services->InputAnswers = {"0.02"};
  std::string value = "0.05";
  EXPECT_TRUE(InputQuery("Level", "Alpha:", value));
  EXPECT_EQ(value, "0.02");
  EXPECT_FALSE(InputQuery("Level", "Alpha:", value));  // cancelled: unchanged
  EXPECT_EQ(value, "0.02");

  TSaveDialog dialog(nullptr);
  dialog.SetTitle("Save");
  dialog.SetDefaultExt("png");
  services->SaveAnswers = {"/tmp/a.b/picture", "/tmp/picture.bmp", ".hidden"};
  for (const char* expected : {"/tmp/a.b/picture.png", "/tmp/picture.bmp", ".hidden"}) {
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), expected);
  }
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), ".hidden");
  EXPECT_EQ(services->Dialogs,
            (std::vector<std::string>{"Level", "Level", "Save", "Save", "Save", "Save"}));
}

}  // namespace
}  // namespace zarn
