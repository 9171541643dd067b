#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "chart/zarn_vorel.h"
#include "platform/layout_json.h"

namespace zarn {
namespace {

// A component that owns one published label, as the chart owns its captions.
class TLabelHolder : public TComponent {
 public:
  explicit TLabelHolder(TComponent* owner) : TComponent(owner) {}
  std::string_view ClassName() const override { return "TLabelHolder"; }
  TTextLabel& Label() { return label_; }

 private:
  TTextLabel label_;
};

class TextLabelLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTextLabel();
    RegisterClass<TLabelHolder>("TLabelHolder", [](TPropertyRegistrar<TLabelHolder>& r) {
      r.Object("Label1", [](TLabelHolder& h) -> TTextLabel& { return h.Label(); });
    });
  }
  static std::unique_ptr<TLabelHolder> Load(const std::string& labelProps) {
    auto root = CreateFromLayout(R"({"Class": "TLabelHolder", "Name": "H", "Properties": {
        "Label1": {)" + labelProps +
                                 "}}}");
    return std::unique_ptr<TLabelHolder>(dynamic_cast<TLabelHolder*>(root.release()));
  }
};

TEST_F(TextLabelLayout, EveryPropertyIsSetThroughItsSetter) {
  auto holder = Load(R"("PosX": 2.5, "PosY": -1, "Layer": 3, "ShadowDx": 2, "ShadowDy": -2,
      "ColorShadow": "clRed", "Alignment": "taRightJustify", "VerticalAlignment": "vaTop",
      "AttachToData": "tlamBoth", "ColorBkg": 255, "ColorBorder": "clBlue", "Transparent": true,
      "Font": {"Name": "Arial", "Height": -20, "Style": ["fsBold"]}, "Caption": "a\tb\nc",
      "Mode": "tlShadow", "Visible": false)");
  const TTextLabel& l = holder->Label();
  EXPECT_EQ(l.PosX(), 2.5);
  EXPECT_EQ(l.PosY(), -1.0);
  EXPECT_EQ(l.Layer(), 3);
  EXPECT_EQ(l.ShadowDx(), 2);
  EXPECT_EQ(l.ShadowDy(), -2);
  EXPECT_EQ(l.ColorShadow(), clRed);
  EXPECT_EQ(l.Alignment(), taRightJustify);
  EXPECT_EQ(l.VerticalAlignment(), vaTop);
  EXPECT_EQ(l.AttachToData(), tlamBoth);
  EXPECT_EQ(l.ColorBkg(), clRed);
  EXPECT_EQ(l.ColorBorder(), clBlue);
  EXPECT_TRUE(l.Transparent());
  EXPECT_EQ(l.Font().Name(), "Arial");
  EXPECT_EQ(l.Font().Height(), -20);
  EXPECT_TRUE(l.Font().Style().Contains(fsBold));
  EXPECT_EQ(l.Caption(), "a b\nc");  // the tab became a blank, the line feed stayed
  EXPECT_EQ(l.Mode(), tlShadow);
  EXPECT_FALSE(l.Visible());
}

TEST_F(TextLabelLayout, OutOfRangeLayerIsIgnoredAsTheSetterDoes) {
  EXPECT_EQ(Load(R"("Layer": 17)")->Label().Layer(), 1);
  EXPECT_EQ(Load(R"("Layer": 16)")->Label().Layer(), 16);
}

TEST_F(TextLabelLayout, StoringLeavesOutDefaultsAndReloadsTheSameValues) {
  auto holder = Load(R"("Caption": "Peak", "Mode": "tlBox", "PosX": 4.25)");
  const std::string stored = StoreLayout(*holder);
  EXPECT_EQ(stored.find("ColorBkg"), std::string::npos);
  EXPECT_EQ(stored.find("VerticalAlignment"), std::string::npos);
  auto again = CreateFromLayout(stored);
  const TTextLabel& l = dynamic_cast<TLabelHolder&>(*again).Label();
  EXPECT_EQ(l.Caption(), "Peak");
  EXPECT_EQ(l.Mode(), tlBox);
  EXPECT_EQ(l.PosX(), 4.25);
}

// Labels created hidden, as the chart creates its own, and published with
// that creation state.
class TChartLabels : public TComponent {
 public:
  explicit TChartLabels(TComponent* owner) : TComponent(owner) {
    for (TTextLabel& label : labels_)
      Hide(label);
  }
  std::string_view ClassName() const override { return "TChartLabels"; }
  TTextLabel& Label(int n) { return labels_[n - 1]; }
  static void Hide(TTextLabel& label) {
    label.SetPosX(0);
    label.SetPosY(0);
    label.SetVisible(false);
    label.SetMode(tlOff);
  }

  static void Publish(TPropertyRegistrar<TChartLabels>& r) {
    for (int n = 1; n <= 3; ++n)
      r.Object("TextLabel" + std::to_string(n), [n](TChartLabels& c) -> TTextLabel& {
         return c.Label(n);
       }).CreatedAs([](const TPersistent&) {
        auto label = std::make_unique<TTextLabel>();
        Hide(*label);
        return label;
      });
  }

 private:
  TTextLabel labels_[3];
};

TEST(ChartTextLabelLayout, RoundTripKeepsEverySwitchedOnValueAndStoresNothingUntouched) {
  RegisterTextLabel();
  RegisterClass<TChartLabels>("TChartLabels", &TChartLabels::Publish);
  TChartLabels chart(nullptr);
  chart.SetName("C");
  // Mode, Visible, PosX and PosY go back to the label class's own declared
  // defaults, away from the chart's creation values.
  TTextLabel& on = chart.Label(2);
  on.SetMode(tlsimple);
  on.SetVisible(true);
  on.SetPosX(100.0);
  on.SetPosY(10.0);
  on.SetCaption("hello");
  on.Font().SetHeight(-20);

  const std::string stored = StoreLayout(chart);
  EXPECT_EQ(stored.find("TextLabel1"), std::string::npos) << stored;
  auto again = CreateFromLayout(stored);
  auto& loaded = dynamic_cast<TChartLabels&>(*again);
  const TTextLabel& l = loaded.Label(2);
  EXPECT_EQ(l.Mode(), tlsimple);
  EXPECT_TRUE(l.Visible());
  EXPECT_EQ(l.PosX(), 100.0);
  EXPECT_EQ(l.PosY(), 10.0);
  EXPECT_EQ(l.Caption(), "hello");
  EXPECT_EQ(l.Font().Height(), -20);
  EXPECT_EQ(StoreLayout(loaded), stored);
}

TEST_F(TextLabelLayout, UnknownModeNameIsAnErrorNamingThePath) {
  try {
    Load(R"("Mode": "tlFancy")");
    FAIL() << "no error";
  } catch (const ELayoutError& e) {
    EXPECT_EQ(e.PropertyPath(), "Label1.Mode");
  }
}

}  // namespace
}  // namespace zarn
