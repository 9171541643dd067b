#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "platform/zarn_platform.h"
#include "readout/zarn_nimbic.h"
#include "surface/zarn_errors.h"

namespace zarn {
namespace {

// A read-out on a panel, counting its paints through the value-text hook
// (called once per paint while the value field is not empty).
class Nimbic : public ::testing::Test {
 protected:
  Nimbic() : panel(nullptr), nimbic(nullptr) {
    panel.SetBounds(0, 0, 600, 60);
    nimbic.SetParent(&panel);
    nimbic.SetBounds(384, 8, 164, 22);
    nimbic.OnBeforeDisplay = [this](TObject* sender, std::string&) {
      EXPECT_EQ(sender, &nimbic);
      ++paints;
    };
  }

  TColor At(int x, int y) { return panel.Surface().Canvas().Pixel(x, y); }

  TPanel panel;
  TNimbic nimbic;
  int paints = 0;
};

// The constructor's values are the ones the registry declares as defaults
// (which a stored layout then leaves out).
TEST_F(Nimbic, StartsWithTheDeclaredDefaults) {
  TNimbic n(nullptr);
  EXPECT_EQ(n.Width(), 160);
  EXPECT_EQ(n.Height(), 28);
  EXPECT_EQ(n.ColorDark(), clBlack);
  EXPECT_EQ(n.ColorShadow3D(), TColor{0x808080});
  EXPECT_EQ(n.ColorHighlight3D(), clWhite);
  const TClassInfo* info = Classes().Find("TNimbic");
  ASSERT_NE(info, nullptr);
  int checked = 0;
  for (const TPropInfo* p : info->Properties()) {
    if (!p->DefaultValue) continue;
    EXPECT_EQ(p->Get(n), *p->DefaultValue) << p->Name;
    ++checked;
  }
  EXPECT_GE(checked, 23);
}

TEST_F(Nimbic, SettersThatChangeSomethingPaintBeforeReturning) {
  const std::function<void()> changes[] = {
      [&] { nimbic.SetValue(1.5); },
      [&] { nimbic.SetDisplayType(dtExp); },
      [&] { nimbic.SetPrecision(4); },
      [&] { nimbic.SetComma(true); },
      [&] { nimbic.SetForcePlusSign(true); },
      [&] { nimbic.SetDTFormat("yyyy"); },
      [&] { nimbic.SetStateText("off"); },
      [&] { nimbic.SetOverflowIndicator("##"); },
      [&] { nimbic.SetLeftText("Quantile"); },
      [&] { nimbic.SetLeftTextAlignment(taCenter); },
      [&] { nimbic.SetLeftSpace(100); },
      [&] { nimbic.SetLabelWidth(58); },
      [&] { nimbic.SetAlignment(taLeftJustify); },
      [&] { nimbic.SetRightText("cm"); },
      [&] { nimbic.SetRightTextAlignment(taRightJustify); },
      [&] { nimbic.SetColorLabBakG(clAqua); },
      [&] { nimbic.SetColorLabText(clRed); },
      [&] { nimbic.SetColorOutBakG(clYellow); },
      [&] { nimbic.SetColorOutText(clNavy); },
      [&] { nimbic.SetColorScheme(csSystem); },
      [&] { nimbic.SetFrameStyle(fsRaised); },
  };
  int i = 0;
  for (const auto& change : changes) {
    change();
    EXPECT_EQ(paints, 1) << "change " << i;
    change();  // the same value again
    EXPECT_EQ(paints, 1) << "change " << i << " repeated";
    paints = 0;
    ++i;
  }
  // The value text is painted on the parent's surface at once.
  EXPECT_EQ(At(384 + 101, 8), clWhite);  // raised: highlight on the outer top-left
}

TEST_F(Nimbic, OutOfRangeValuesAreIgnoredOrHeld) {
  nimbic.SetValue(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(nimbic.Value(), 0.0);
  nimbic.SetValue(-0.0);  // compares equal to 0
  EXPECT_EQ(paints, 0);
  nimbic.SetValue(std::numeric_limits<double>::infinity());
  EXPECT_EQ(nimbic.Value(), std::numeric_limits<double>::infinity());

  nimbic.SetPrecision(-1);
  EXPECT_EQ(nimbic.Precision(), 2);
  nimbic.SetPrecision(99);
  EXPECT_EQ(nimbic.Precision(), 15);

  nimbic.SetLeftSpace(-5);
  EXPECT_EQ(nimbic.LeftSpace(), 35);
  nimbic.SetLeftSpace(500);
  EXPECT_EQ(nimbic.LeftSpace(), 164);
  TNimbic fresh(nullptr);
  fresh.SetLeftSpace(500);
  EXPECT_EQ(fresh.LeftSpace(), 160);

  nimbic.SetLabelWidth(-40);  // no bounds
  EXPECT_EQ(nimbic.LabelWidth(), -40);
  nimbic.SetLabelWidth(std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(nimbic.LabelWidth(), std::numeric_limits<std::int32_t>::max());

  // Values no name stands for leave the property as it was.
  paints = 0;
  nimbic.SetDisplayType(static_cast<TDisplay>(15));
  nimbic.SetFrameStyle(static_cast<TFrameStyle>(6));
  nimbic.SetColorScheme(static_cast<TColorScheme>(2));
  nimbic.SetAlignment(static_cast<TAlignment>(3));
  EXPECT_EQ(nimbic.DisplayType(), dtFixP);
  EXPECT_EQ(nimbic.FrameStyle(), fsLowered);
  EXPECT_EQ(nimbic.ColorScheme(), csBWG);
  EXPECT_EQ(nimbic.Alignment(), taCenter);
  EXPECT_EQ(paints, 0);
}

TEST_F(Nimbic, ColorSchemeSetsTheFrameColours) {
  SetSysColor(0x10, RGB(0x40, 0x50, 0x60));
  SetSysColor(0x14, RGB(0xF0, 0xF8, 0xFF));
  nimbic.SetLeftSpace(100);
  nimbic.SetLabelWidth(58);
  nimbic.SetColorScheme(csSystem);
  EXPECT_EQ(nimbic.ColorShadow3D(), clBtnShadow);
  EXPECT_EQ(nimbic.ColorHighlight3D(), clBtnHighlight);
  EXPECT_EQ(nimbic.ColorDark(), clBlack);
  EXPECT_EQ(At(384 + 101, 8 + 0), RGB(0x40, 0x50, 0x60));
  EXPECT_EQ(At(384 + 158, 8 + 20), RGB(0xF0, 0xF8, 0xFF));
  nimbic.SetColorScheme(csBWG);
  EXPECT_EQ(nimbic.ColorShadow3D(), TColor{0x808080});
  EXPECT_EQ(nimbic.ColorHighlight3D(), clWhite);
  EXPECT_EQ(At(384 + 101, 8 + 0), clGray);
  ResetSysColors();
}

TEST_F(Nimbic, PaintsOnlyWhileVisibleAndNotWhileLoading) {
  nimbic.SetVisible(false);
  nimbic.SetValue(2);
  EXPECT_EQ(paints, 0);
  nimbic.SetDesigning(true);
  nimbic.SetValue(3);
  EXPECT_EQ(paints, 1);
  nimbic.SetDesigning(false);
  nimbic.SetVisible(true);

  paints = 0;
  nimbic.BeginLoading();
  nimbic.SetValue(4);
  nimbic.SetLeftText("x");
  EXPECT_EQ(paints, 0);
  static_cast<TComponent&>(nimbic).Loaded();
  EXPECT_TRUE(panel.NeedsPaint());
  EXPECT_EQ(nimbic.Value(), 4);
}

TEST_F(Nimbic, ALayoutMayGiveTheWidthAfterLeftSpace) {
  nimbic.BeginLoading();
  nimbic.SetLeftSpace(300);
  nimbic.SetWidth(400);
  static_cast<TComponent&>(nimbic).Loaded();
  EXPECT_EQ(nimbic.LeftSpace(), 300);

  nimbic.BeginLoading();
  nimbic.SetLeftSpace(350);
  nimbic.SetWidth(200);
  static_cast<TComponent&>(nimbic).Loaded();
  EXPECT_EQ(nimbic.LeftSpace(), 200);
}

TEST_F(Nimbic, AHookThatChangesTheReadOutDefersThePaint) {
  panel.CreateHandle();
  panel.Update();
  paints = 0;
  nimbic.OnBeforeDisplay = [this](TObject*, std::string&) {
    ++paints;
    nimbic.SetValue(nimbic.Value() + 1);
  };
  nimbic.SetValue(10);
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(nimbic.Value(), 11);
  EXPECT_TRUE(panel.NeedsPaint());
}

TEST_F(Nimbic, TransparentOnWaitsForTheParentOffPaintsAtOnce) {
  panel.CreateHandle();
  panel.Update();
  paints = 0;
  nimbic.SetTransparent(true);
  EXPECT_EQ(paints, 0);
  EXPECT_TRUE(panel.NeedsPaint());
  panel.Update();  // the parent's background, then the read-out over it
  EXPECT_EQ(paints, 1);
  nimbic.SetTransparent(false);
  EXPECT_EQ(paints, 2);
}

TEST_F(Nimbic, EnabledRepaintsThroughThePlatform) {
  panel.CreateHandle();
  panel.Update();
  paints = 0;
  nimbic.SetLeftSpace(100);
  nimbic.SetLabelWidth(58);
  nimbic.SetLeftText("Quantile");
  paints = 0;
  nimbic.SetEnabled(false);
  EXPECT_FALSE(nimbic.Enabled());
  EXPECT_EQ(paints, 1);
  EXPECT_FALSE(panel.NeedsPaint());
  // The engraved left text: white and grey, no black.
  int white = 0, gray = 0, black = 0;
  for (int y = 8; y < 30; ++y)
    for (int x = 384; x < 384 + 100; ++x) {
      const TColor c = At(x, y);
      white += c == clWhite;
      gray += c == clGray;
      black += c == clBlack;
    }
  EXPECT_GT(white, 0);
  EXPECT_GT(gray, 0);
  EXPECT_EQ(black, 0);
}

TEST_F(Nimbic, AssignCopiesThePictureButNotCommaSignFormatOrPlatformState) {
  TNimbic src(nullptr);
  src.SetLeftSpace(100);
  src.SetEmpty(true);
  src.SetLabelWidth(58);
  src.SetPrecision(4);
  src.SetLeftText("Quantile");
  src.SetRightText("m");
  src.SetFrameStyle(fsEngraved);
  src.SetAlignment(taRightJustify);
  src.SetRightTextAlignment(taCenter);
  src.SetLeftTextAlignment(taLeftJustify);
  src.SetOverflowIndicator("!");
  src.SetValue(2.5);
  src.SetStateText("off");
  src.SetTransparent(true);
  src.SetColorLabBakG(clAqua);
  src.SetColorLabText(clRed);
  src.SetColorOutBakG(clYellow);
  src.SetColorOutText(clNavy);
  src.SetColorScheme(csSystem);
  src.SetDisplayType(dtHex);
  src.SetComma(true);
  src.SetForcePlusSign(true);
  src.SetDTFormat("yyyy");
  src.SetEnabled(false);
  src.SetBounds(1, 2, 300, 40);
  src.Font().SetHeight(-20);

  nimbic.SetEmpty(false);
  nimbic.Assign(src);
  EXPECT_EQ(paints, 0);  // Empty came across, so no text was built
  EXPECT_EQ(nimbic.LeftSpace(), 100);
  EXPECT_TRUE(nimbic.Empty());
  EXPECT_EQ(nimbic.LabelWidth(), 58);
  EXPECT_EQ(nimbic.Precision(), 4);
  EXPECT_EQ(nimbic.LeftText(), "Quantile");
  EXPECT_EQ(nimbic.RightText(), "m");
  EXPECT_EQ(nimbic.FrameStyle(), fsEngraved);
  EXPECT_EQ(nimbic.Alignment(), taRightJustify);
  EXPECT_EQ(nimbic.RightTextAlignment(), taCenter);
  EXPECT_EQ(nimbic.LeftTextAlignment(), taLeftJustify);
  EXPECT_EQ(nimbic.OverflowIndicator(), "!");
  EXPECT_EQ(nimbic.Value(), 2.5);
  EXPECT_EQ(nimbic.StateText(), "off");
  EXPECT_TRUE(nimbic.Transparent());
  EXPECT_EQ(nimbic.ColorLabBakG(), clAqua);
  EXPECT_EQ(nimbic.ColorLabText(), clRed);
  EXPECT_EQ(nimbic.ColorOutBakG(), clYellow);
  EXPECT_EQ(nimbic.ColorOutText(), clNavy);
  EXPECT_EQ(nimbic.ColorScheme(), csSystem);
  EXPECT_EQ(nimbic.ColorShadow3D(), clBtnShadow);
  EXPECT_EQ(nimbic.ColorHighlight3D(), clBtnHighlight);
  EXPECT_EQ(nimbic.DisplayType(), dtHex);
  // Left as they were.
  EXPECT_FALSE(nimbic.Comma());
  EXPECT_FALSE(nimbic.ForcePlusSign());
  EXPECT_EQ(nimbic.DTFormat(), "mmm-dd, yyyy");
  EXPECT_TRUE(nimbic.Enabled());
  EXPECT_EQ(nimbic.BoundsRect(), Rect(384, 8, 384 + 164, 8 + 22));
  EXPECT_NE(nimbic.Font().Height(), -20);

  // One paint after the copy.
  src.SetEmpty(false);
  nimbic.Assign(src);
  EXPECT_EQ(paints, 1);
}

TEST_F(Nimbic, AssignBetweenUnrelatedClassesFails) {
  TPanel other(nullptr);
  try {
    nimbic.Assign(other);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TPanel to a TNimbic");
  }
  try {
    other.Assign(nimbic);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TNimbic to a TPanel");
  }
}

// Every published property of the read-out, set from a layout, stored and
// loaded again.
TEST(NimbicLayout, EveryPropertyRoundTrips) {
  RegisterNimbic();
  const std::string layout = R"({
    "Class": "TPanel", "Name": "Panel1",
    "Properties": { "Width": 600, "Height": 65 },
    "Components": [
      { "Class": "TNimbic", "Name": "NLabQuantile", "Parent": "Panel1",
        "Properties": {
          "Left": 384, "Top": 8, "Width": 164, "Height": 22,
          "Alignment": "taLeftJustify", "ColorLabBakG": "clSilver", "ColorLabText": "clRed",
          "ColorOutBakG": "clYellow", "ColorOutText": "clNavy", "ColorScheme": "csSystem",
          "Comma": true, "DisplayType": "dtEEng", "DTFormat": "yyyy-mm-dd", "Empty": true,
          "ForcePlusSign": true, "FrameStyle": "fsEmbossed", "LabelWidth": 58,
          "LeftSpace": 100, "LeftText": "Quantile", "LeftTextAlignment": "taCenter",
          "OverflowIndicator": "###", "Precision": 4, "RightText": "s",
          "RightTextAlignment": "taRightJustify", "StateText": "idle", "Transparent": true,
          "Value": 0.125, "Enabled": false, "Visible": false,
          "Font": { "Name": "MS Sans Serif", "Height": -13 }, "ParentFont": false
        } }
    ]
  })";
  std::unique_ptr<TComponent> root = CreateFromLayout(layout);
  auto* n = dynamic_cast<TNimbic*>(root->FindComponent("NLabQuantile"));
  ASSERT_NE(n, nullptr);
  const TClassInfo* info = Classes().Find("TNimbic");
  ASSERT_NE(info, nullptr);
  // The layout moved every property of the read-out off its default.
  int own = 0;
  for (const TPropInfo* p : info->Properties()) {
    if (info->Parent()->FindProperty(p->Name) || !p->DefaultValue) continue;
    EXPECT_NE(p->Get(*n), *p->DefaultValue) << p->Name;
    ++own;
  }
  EXPECT_EQ(own, 23);
  EXPECT_EQ(n->ColorShadow3D(), clBtnShadow);
  EXPECT_FALSE(n->Enabled());
  EXPECT_FALSE(n->Visible());
  EXPECT_EQ(n->BoundsRect(), Rect(384, 8, 548, 30));

  const std::string stored = StoreLayout(*root);
  std::unique_ptr<TComponent> again = CreateFromLayout(stored);
  auto* m = dynamic_cast<TNimbic*>(again->FindComponent("NLabQuantile"));
  ASSERT_NE(m, nullptr);
  for (const TPropInfo* p : info->Properties()) {
    if (!p->Get) continue;
    EXPECT_EQ(p->Get(*n), p->Get(*m)) << p->Name;
  }
  EXPECT_EQ(StoreLayout(*again), stored);
}

TEST(NimbicLayout, DefaultsAreNotStoredAndBadValuesNameTheProperty) {
  RegisterNimbic();
  TPanel root(nullptr);
  root.SetName("Panel1");
  auto& n = TComponent::Create<TNimbic>(root);
  n.SetName("N1");
  n.SetParent(&root);
  const std::string stored = StoreLayout(root);
  for (const char* name : {"LeftSpace", "Precision", "DTFormat", "StateText", "FrameStyle",
                           "ColorScheme", "Value", "OverflowIndicator"})
    EXPECT_EQ(stored.find(name), std::string::npos) << name;

  const std::string bad = R"({"Class": "TPanel", "Name": "P", "Components": [
      {"Class": "TNimbic", "Name": "N", "Parent": "P",
       "Properties": {"DisplayType": "dtNothing"}}]})";
  try {
    CreateFromLayout(bad);
    FAIL();
  } catch (const ELayoutError& e) {
    EXPECT_EQ(e.PropertyPath(), "DisplayType");
  }
}

}  // namespace
}  // namespace zarn
