#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "chart/zarn_vorel.h"
#include "platform/application.h"
#include "platform/controls_std.h"
#include "platform/layout_json.h"

namespace zarn {
namespace {

// The form that holds the chart, with the viewer's crosshair handler.
class TChartHost : public TForm {
 public:
  explicit TChartHost(TComponent* owner) : TForm(owner) {
    RegisterHandler("Vorel1CrossHairMove",
                    TCrossHairMoveEvent([this](TObject*, TCrossHair* c) { Moved = c; }));
  }
  std::string_view ClassName() const override { return "TChartHost"; }
  TVorel& Chart() { return dynamic_cast<TVorel&>(*FindComponent("Vorel1")); }
  TCrossHair* Moved = nullptr;
};

// The viewer's chart as its window layout stores it.
const char* const kViewerChart = R"JSON({"Class": "TVorel", "Name": "Vorel1", "Parent": "Host",
     "Properties": {"Left": 0, "Top": 65, "Width": 553, "Height": 315, "Align": "alClient",
       "AllocSize": 1000, "AutoRedraw": true,
       "MarginLeft": 50, "MarginRight": 20, "MarginTop": 20, "MarginBottom": 40,
       "Caption": "Drag the crosshair line with the left mouse button",
       "CaptionPosX": 0, "CaptionPosY": -16, "CaptionAlignment": "taRightJustify",
       "CaptionAnchorHoriz": "cahChartRight", "CaptionAnchorVert": "cavChartTop",
       "MouseAction": "maDragCrossH", "MouseCursorFixed": true,
       "CrossHair1": {"PosX": 1.0, "Color": "clBlack", "Layer": 1, "Mode": "chVert",
                      "LineType": "psDot", "LineWid": 1},
       "CrossHair2": {"Color": "clBlack", "Layer": 2, "Mode": "chOff",
                      "LineType": "psSolid", "LineWid": 1},
       "CrossHair3": {"Color": "clBlack", "Layer": 3, "Mode": "chOff",
                      "LineType": "psSolid", "LineWid": 1},
       "CrossHair4": {"Color": "clBlack", "Layer": 4, "Mode": "chOff",
                      "LineType": "psSolid", "LineWid": 1},
       "Scale1X": {"RangeLow": 0.0, "RangeHigh": 6.0, "MinTicks": 3, "MinRange": 1e-10,
         "DecPlaces": -2, "LabelType": "ftNum", "Logarithmic": false, "ShortTicks": true,
         "Visible": true, "ScaleLocation": "slBottom", "ScalePos": 0, "ColorScale": "clBlack",
         "CaptionPosX": 0, "CaptionPosY": 22, "CaptionAlignment": "taCenter",
         "CaptionAnchor": "uaSclCenter",
         "Font": {"Name": "MS Sans Serif", "Height": -13, "Color": "clWindowText", "Style": []},
         "DateFormat": {"TimeFormat": "tfHHMMSS", "DateSeparator": "-", "TimeSeparator": ":",
                        "YearLength": "ylYYYY", "MonthName": true, "DateOrder": "doDDMMYY",
                        "DateForTime": "dtOnePerDay"}},
       "Scale1Y": {"RangeLow": 0.0, "RangeHigh": 1.5, "MinTicks": 2, "MinRange": 1e-10,
         "DecPlaces": -2, "LabelType": "ftNum", "Logarithmic": false, "ShortTicks": true,
         "Visible": true, "ScaleLocation": "slLeft", "ScalePos": 0, "ColorScale": "clBlack",
         "CaptionPosX": 0, "CaptionPosY": -16, "CaptionAlignment": "taLeftJustify",
         "CaptionAnchor": "uaSclTopLft",
         "Font": {"Name": "MS Sans Serif", "Height": -13, "Color": "clWindowText", "Style": []},
         "DateFormat": {"TimeFormat": "tfHHMMSS", "DateSeparator": "-", "TimeSeparator": ":",
                        "YearLength": "ylYYYY", "MonthName": true, "DateOrder": "doDDMMYY",
                        "DateForTime": "dtOnePerDay"}},
       "Scale2X": {"RangeLow": 0.0, "RangeHigh": 1.0, "MinTicks": 3, "MinRange": 1e-10,
         "DecPlaces": -2, "LabelType": "ftNum", "Logarithmic": false, "ShortTicks": true,
         "Visible": false, "ScaleLocation": "slBottom", "ScalePos": 0, "ColorScale": "clMaroon",
         "CaptionPosX": 10, "CaptionPosY": 100, "CaptionAlignment": "taCenter",
         "CaptionAnchor": "uaSclCenter",
         "Font": {"Name": "MS Sans Serif", "Height": -13, "Color": "clWindowText", "Style": []},
         "DateFormat": {"TimeFormat": "tfHHMMSS", "DateSeparator": "-", "TimeSeparator": ":",
                        "YearLength": "ylYYYY", "MonthName": true, "DateOrder": "doDDMMYY",
                        "DateForTime": "dtOnePerDay"}},
       "Scale2Y": {"RangeLow": 0.0, "RangeHigh": 1.0, "MinTicks": 3, "MinRange": 1e-10,
         "DecPlaces": -2, "LabelType": "ftNum", "Logarithmic": false, "ShortTicks": true,
         "Visible": false, "ScaleLocation": "slLeft", "ScalePos": 0, "ColorScale": "clMaroon",
         "CaptionPosX": 10, "CaptionPosY": 100, "CaptionAlignment": "taRightJustify",
         "CaptionAnchor": "uaSclTopLft",
         "Font": {"Name": "MS Sans Serif", "Height": -13, "Color": "clWindowText", "Style": []},
         "DateFormat": {"TimeFormat": "tfHHMMSS", "DateSeparator": "-", "TimeSeparator": ":",
                        "YearLength": "ylYYYY", "MonthName": true, "DateOrder": "doDDMMYY",
                        "DateForTime": "dtOnePerDay"}},
       "JointLayers": {"L01xControlledBy": 1, "L01yControlledBy": 1,
                       "L02xControlledBy": 2, "L02yControlledBy": 2},
       "GridStyle": "gsNone", "GridDx": 1.0, "GridDy": 1.0,
       "Isometric": false, "ClassDefault": 0,
       "BackGroundImg": {"IncludePath": false, "FillMode": "bfStretch", "AreaMode": "bamNone",
                         "AreaColor": 14540253, "AreaLeft": -1.0, "AreaRight": 1.0,
                         "AreaTop": 1.0, "AreaBottom": -1.0, "Name": ""},
       "ShadowStyle": "ssFlying", "ShadowColor": "clGrayText", "ShadowBakColor": "clBtnFace",
       "TextFontStyle": [], "TextBkStyle": "tbClear", "TextBkColor": "clWhite",
       "TextAlignment": "taCenter",
       "OnCrossHairMove": "Vorel1CrossHairMove"}})JSON";

class VorelLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Reset();
    RegisterVorelClasses();
    RegisterClass<TChartHost, TForm>("TChartHost");
  }
  void TearDown() override { Application().Reset(); }
  static std::unique_ptr<TChartHost> Load(const std::string& chart) {
    auto root = CreateFromLayout(R"({"Class": "TChartHost", "Name": "Host",
        "Properties": {"ClientWidth": 553, "ClientHeight": 315}, "Components": [)" +
                                 chart + "]}");
    return std::unique_ptr<TChartHost>(dynamic_cast<TChartHost*>(root.release()));
  }
  static std::string ChartWith(const std::string& props) {
    return R"({"Class": "TVorel", "Name": "Vorel1", "Parent": "Host", "Properties": {)" + props +
           "}}";
  }
};

// Every published value of a and b, sub-objects included, is the same.
void ExpectSameValues(TPersistent& a, TPersistent& b, const std::string& path) {
  const TClassInfo* info = Classes().ClassOf(a);
  ASSERT_NE(info, nullptr) << path;
  for (const TPropInfo* p : info->Properties()) {
    if (!p->Stored) continue;
    const std::string at = path + "." + p->Name;
    if (p->Kind == pkObject) {
      ExpectSameValues(p->Object(a), p->Object(b), at);
    } else if (p->Get) {
      EXPECT_TRUE(p->Get(a) == p->Get(b)) << at;
    }
  }
}

// A declared default other than the creation value would leave a value set to
// it out of a stored layout, and loading would bring back the creation value.
void ExpectDeclaredDefaults(TPersistent& object, const TClassInfo* skipOf, const std::string& path,
                            int& checked) {
  const TClassInfo* info = Classes().ClassOf(object);
  ASSERT_NE(info, nullptr) << path;
  for (const TPropInfo* p : info->Properties()) {
    if (skipOf && skipOf->FindProperty(p->Name)) continue;
    const std::string at = path + "." + p->Name;
    // Sub-objects created otherwise than their class are stored against that.
    if (p->Kind == pkObject && !p->CreationState) {
      ExpectDeclaredDefaults(p->Object(object), nullptr, at, checked);
    } else if (p->DefaultValue) {
      ++checked;
      EXPECT_EQ(p->Get(object), *p->DefaultValue) << at;
    }
  }
}

TEST_F(VorelLayout, DeclaredDefaultsAreTheCreationValues) {
  TVorel chart(nullptr);
  int checked = 0;
  ExpectDeclaredDefaults(chart, Classes().Find("TCustomControl"), "Vorel", checked);
  EXPECT_GE(checked, 80);
}

TEST_F(VorelLayout, TheViewersChartLoadsWithEveryStoredValue) {
  auto host = Load(kViewerChart);
  TVorel& v = host->Chart();
  EXPECT_EQ(v.Width(), 553);
  EXPECT_EQ(v.MarginRight(), 20);
  EXPECT_EQ(v.MarginBottom(), 40);
  EXPECT_EQ(v.Caption(), "Drag the crosshair line with the left mouse button");
  EXPECT_EQ(v.MouseAction(), maDragCrossH);
  EXPECT_EQ(v.CrossHair1().PosX(), 1.0);
  EXPECT_EQ(v.CrossHair1().Mode(), chVert);
  EXPECT_EQ(v.CrossHair1().LineType(), psDot);
  EXPECT_EQ(v.CrossHair1().Color(), clBlack);
  EXPECT_EQ(v.CrossHair4().Layer(), 4);
  EXPECT_EQ(v.CrossHair4().LineType(), psSolid);
  EXPECT_EQ(v.Scale1X().RangeHigh(), 6.0);
  EXPECT_TRUE(v.Scale1X().Visible());
  EXPECT_EQ(v.Scale1X().CaptionAnchor(), uaSclCenter);
  EXPECT_EQ(v.Scale1Y().RangeHigh(), 1.5);
  EXPECT_EQ(v.Scale1Y().MinTicks(), 2);
  EXPECT_EQ(v.Scale1Y().ScaleLocation(), slLeft);
  EXPECT_EQ(v.Scale1Y().CaptionPosY(), -16);
  EXPECT_EQ(v.Scale2Y().ColorScale(), clMaroon);
  EXPECT_EQ(v.Scale2Y().DateFormat().DateSeparator(), '-');
  EXPECT_EQ(v.Scale2X().Font().Name(), "MS Sans Serif");
  EXPECT_EQ(v.GridDx(), 1.0);
  EXPECT_EQ(v.BackGroundImg().AreaColor(), 14540253u);
  EXPECT_EQ(v.FillColor(), clWhite);  // stored as TextBkColor
  ASSERT_TRUE(v.OnCrossHairMove);
  v.OnCrossHairMove(&v, &v.CrossHair1());
  EXPECT_EQ(host->Moved, &v.CrossHair1());
  // Loading ended with the transforms of the stored ranges.
  int px = 0;
  int py = 0;
  v.WorldToPixel(1, 6.0, 0.0, px, py);
  EXPECT_EQ(px, 553 - 20);
  EXPECT_EQ(py, 315 - 40);
}

TEST_F(VorelLayout, DottedPathsAliasesAndJoins) {
  auto host = Load(ChartWith(R"("Scale2X.RangeHigh": 9, "CrossHair2.PosY": -2.5, "LRim": 70,
      "JointLayers.L03xControlledBy": 1, "TextLabel50.Caption": "z", "TRim": 30,
      "Scale4Y": {"Logarithmic": true, "RangeLow": 0.5})"));
  TVorel& v = host->Chart();
  EXPECT_EQ(v.ScaleX(2).RangeHigh(), 9.0);
  EXPECT_EQ(v.CrossHair2().PosY(), -2.5);
  EXPECT_EQ(v.MarginLeft(), 70);
  EXPECT_EQ(v.MarginTop(), 30);
  EXPECT_EQ(v.JointLayers().XControlledBy(3), 1);
  EXPECT_EQ(v.TextLabel(50).Caption(), "z");
  EXPECT_TRUE(v.ScaleY(4).Logarithmic());
}

// What the chart refuses while loading is the layout's error, naming the
// chart and the property: no message box waits for an answer, no paint
// finds the fault later.
TEST_F(VorelLayout, AxesAndSharingTheChartCannotHonourAreLayoutErrors) {
  const auto error = [](const std::string& components) {
    try {
      auto root = CreateFromLayout(R"({"Class": "TChartHost", "Name": "Host", "Components": [)" +
                                   components + "]}");
      return std::string("no error");
    } catch (const ELayoutError& e) {
      return e.Component() + " " + e.PropertyPath() + ": " + e.Reason();
    }
  };
  const std::string logarithmic = ": Logarithmic axis must not be negative.";
  EXPECT_EQ(error(ChartWith(R"("Scale1Y": {"Logarithmic": true})")),
            "Host.Vorel1 Scale1Y.RangeLow" + logarithmic);
  EXPECT_EQ(error(ChartWith(R"("Scale1X": {"Logarithmic": true, "RangeLow": -1})")),
            "Host.Vorel1 Scale1X.RangeLow" + logarithmic);
  EXPECT_EQ(error(ChartWith(R"("Scale2X": {"RangeLow": -5, "RangeHigh": -1,
                                           "Logarithmic": true, "Visible": false})")),
            "Host.Vorel1 Scale2X.RangeLow" + logarithmic);
  EXPECT_EQ(error(ChartWith(R"("Scale4Y": {"RangeLow": 2, "RangeHigh": -1,
                                           "Logarithmic": true})")),
            "Host.Vorel1 Scale4Y.RangeHigh" + logarithmic);

  const auto sharing = [](const char* name, const char* partner) {
    return std::string(R"({"Class": "TVorel", "Name": ")") + name +
           R"(", "Properties": {"UseDataOf": ")" + partner + R"("}})";
  };
  EXPECT_EQ(error(sharing("Vorel1", "Vorel1")),
            "Host.Vorel1 UseDataOf: Vorel: Cannot share data with myself");
  EXPECT_EQ(error(sharing("V1", "V2") + "," + sharing("V2", "V1")),
            "Host.V2 UseDataOf: Vorel: Cannot use foreign data. Other Vorels are using my own "
            "data.");
  std::string crowd = R"({"Class": "TVorel", "Name": "M"})";
  for (const char* name : {"S1", "S2", "S3", "S4", "S5"})
    crowd.append(",").append(sharing(name, "M"));
  EXPECT_EQ(error(crowd), "Host.S5 UseDataOf: Vorel: Max. number of data shares exceeded");
  EXPECT_TRUE(dynamic_cast<THeadlessServices&>(Application().Services()).Messages.empty());
}

TEST_F(VorelLayout, ABadJoinIsAnErrorNamingItsPath) {
  try {
    Load(ChartWith(R"("JointLayers": {"L01xControlledBy": 17})"));
    FAIL() << "no error";
  } catch (const ELayoutError& e) {
    EXPECT_EQ(e.PropertyPath(), "JointLayers.L01xControlledBy");
    EXPECT_NE(std::string(e.what()).find("Destination layer 17 is out of range"),
              std::string::npos);
  }
}

TEST_F(VorelLayout, StoringAndLoadingKeepsEveryValue) {
  auto host = Load(kViewerChart);
  TVorel& v = host->Chart();
  // Values equal to a declared default but not to the creation value too.
  v.SetMarginRight(10);
  v.SetPanGridDx(0);
  v.SetShadowWidth(4);
  v.SetGridStyle(gsDotLines);
  v.SetCaptionTrim(0);
  v.SetClassDefault(7);
  v.SetTextFontStyle(TFontStyles{fsItalic});
  v.ScaleX(3).SetRangeLow(-2);
  v.ScaleX(3).SetRangeHigh(0);
  v.ScaleX(3).SetVisible(true);
  v.ScaleX(3).SetScaleLocation(slTop);
  v.ScaleX(3).SetScalePos(12);
  v.ScaleY(4).SetLabelType(ftTime);
  v.ScaleY(4).SetDecPlaces(2);
  v.ScaleY(2).SetMinRange(3);
  v.ScaleY(2).SetCaption("y2");
  v.CrossHair3().SetLayer(1);
  v.CrossHair3().SetMode(chBoth);
  v.CrossHair4().SetLayer(1);
  v.JointLayers().SetYControlledBy(4, 2);
  v.BackGroundImg().SetAreaLeft(0);
  v.BackGroundImg().SetName("sky.bmp");
  v.TextLabel(7).SetCaption("seven");
  v.TextLabel(7).SetMode(tlsimple);
  v.TextLabel(7).SetVisible(true);
  v.TextLabel(7).SetShadowDx(0);
  v.TextLabel(7).SetPosX(3.5);
  const std::string stored = StoreLayout(*host);
  // Untouched labels are as a new chart makes them: nothing to store.
  EXPECT_EQ(stored.find("\"TextLabel1\""), std::string::npos);
  EXPECT_NE(stored.find("\"TextLabel7\""), std::string::npos);

  auto copy = CreateFromLayout(stored);
  ExpectSameValues(v, dynamic_cast<TChartHost&>(*copy).Chart(), "Vorel1");
}

}  // namespace
}  // namespace zarn
