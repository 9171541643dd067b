#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "chart/zarn_vorel.h"
#include "counting_vorel.h"
#include "platform/application.h"
#include "surface/zarn_errors.h"

namespace zarn {
namespace {

TEST(VorelCreation, DefaultsAfterCreation) {
  TVorel chart(nullptr);
  EXPECT_EQ(chart.Width(), 280);
  EXPECT_EQ(chart.Height(), 200);
  EXPECT_EQ(chart.MarginLeft(), 50);
  EXPECT_EQ(chart.MarginRight(), 20);
  EXPECT_EQ(chart.MarginTop(), 20);
  EXPECT_EQ(chart.MarginBottom(), 40);
  EXPECT_EQ(chart.CaptionPosY(), -16);
  EXPECT_TRUE(chart.AutoRedraw());
  EXPECT_TRUE(chart.PaintHold());  // until the window exists
  EXPECT_EQ(chart.AllocSize(), 1000);
  EXPECT_EQ(chart.DataCapacity(), 0);
  EXPECT_EQ(chart.FillColor(), clSilver);
  EXPECT_EQ(chart.WindColor(), clBtnFace);
  EXPECT_EQ(chart.CaptionTrim(), 100);
  EXPECT_EQ(chart.ActiveLayer(), 1);
  EXPECT_TRUE(chart.ClassVisible(false, 255));
  EXPECT_TRUE(chart.ClassVisible(true, 0));
  EXPECT_EQ(chart.UseDataOf(), nullptr);
  EXPECT_EQ(chart.TextFont().Name(), chart.Font().Name());

  for (int i = 1; i <= kVorelCrossHairs; ++i) {
    const TCrossHair& c = chart.CrossHair(i);
    EXPECT_EQ(c.Layer(), i);
    EXPECT_EQ(c.Color(), clRed);
    EXPECT_EQ(c.Mode(), chOff);
    EXPECT_EQ(c.LineType(), psDashDotDot);
    EXPECT_EQ(c.LineWid(), 1);
  }
  const TTextLabel& label = chart.TextLabel(kVorelTextLabels);
  EXPECT_FALSE(label.Visible());
  EXPECT_EQ(label.Mode(), tlOff);
  EXPECT_EQ(label.AttachToData(), tlamBoth);
  EXPECT_EQ(label.PosX(), 0.0);
  EXPECT_EQ(label.ColorBkg(), clWhite);
  EXPECT_EQ(label.ShadowDx(), 3);
  EXPECT_EQ(&chart.TextLabel(0), &chart.TextLabel(1));

  EXPECT_EQ(chart.AxisX(16).Name(), "VO_FScale_X_16");
  EXPECT_EQ(chart.AxisY(3).Name(), "VO_FScale_Y_3");
  EXPECT_EQ(chart.ScaleX(2).ColorScale(), clMaroon);
  EXPECT_EQ(chart.ScaleY(16).ColorScale(), clWhite);
  EXPECT_EQ(chart.AspectX(), 36);
}

// The standard layout, the device probe and the redraw switch all set values
// after the settings are reset; a new chart must still report the initialisers.
TEST(VorelCreation, ReportsTheSettingsInitialisers) {
  const TVorelSettings made;
  TVorel chart(nullptr);
  EXPECT_EQ(chart.StandardLayout(), made.StandardLayout);
  EXPECT_EQ(chart.MarginLeft(), made.MarginLeft);
  EXPECT_EQ(chart.MarginRight(), made.MarginRight);
  EXPECT_EQ(chart.MarginTop(), made.MarginTop);
  EXPECT_EQ(chart.MarginBottom(), made.MarginBottom);
  EXPECT_EQ(chart.CaptionPosX(), made.CaptionPosX);
  EXPECT_EQ(chart.CaptionPosY(), made.CaptionPosY);
  EXPECT_EQ(chart.CaptionAlignment(), made.CaptionAlignment);
  EXPECT_EQ(chart.CaptionAnchorHoriz(), made.CaptionAnchorHoriz);
  EXPECT_EQ(chart.CaptionAnchorVert(), made.CaptionAnchorVert);
  EXPECT_EQ(chart.AspectX(), made.AspectX);
  EXPECT_EQ(chart.AspectY(), made.AspectY);
  EXPECT_EQ(chart.AutoRedraw(), made.AutoRedraw);
  EXPECT_EQ(chart.MouseAction(), made.MouseAction);
}

TEST(VorelCreation, RegistersTheFourCursorsByResourceName) {
  THeadlessServices& services = Application().Reset();
  TCursorImage hand;
  hand.Width = hand.Height = 1;
  hand.Pixels = {clBlack};
  RegisterCursorResource("CURHAND", hand);
  TVorel chart(nullptr);
  ASSERT_EQ(services.RegisteredCursors.size(), 4u);
  const char* names[] = {"CURHAND", "CURZOOMW", "CURZOOMD", "CURZOOMP"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(services.RegisteredCursors[static_cast<std::size_t>(i)],
              std::make_pair(i + 1, LoadCursorA(HInstance, names[i])));
  }
  EXPECT_NE(Screen().Cursors(TCustomVorel::crVorelHand), nullptr);
}

TEST(VorelCreation, WindowCreationEndsThePaintHold) {
  TCountingVorel chart(nullptr);
  chart.SetCaption("x");
  chart.CreateHandle();
  EXPECT_FALSE(chart.PaintHold());
}

TEST(VorelSettings, SettersClampIgnoreAndRepaintByTheRule) {
  TCountingVorel chart(nullptr);
  chart.SetCaptionTrim(0);
  EXPECT_EQ(chart.CaptionTrim(), 0);
  chart.SetCaptionTrim(3);
  EXPECT_EQ(chart.CaptionTrim(), 5);
  chart.SetCaptionTrim(500);
  EXPECT_EQ(chart.CaptionTrim(), 100);
  chart.SetClassDefault(254);
  chart.SetClassDefault(255);
  EXPECT_EQ(chart.ClassDefault(), 254);
  chart.SetGridDx(-4);
  chart.SetGridDy(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(chart.GridDx(), 0.0);
  EXPECT_EQ(chart.GridDy(), 0.0);
  chart.SetGridDx(-3);
  EXPECT_EQ(chart.GridDx(), -3.0);
  chart.SetTextBkColor(clNavy);
  EXPECT_EQ(chart.FillColor(), clNavy);
  EXPECT_EQ(chart.Since(), 4);  // the three trims and the stored step

  chart.SetMinDupMarkDist(0);
  EXPECT_EQ(chart.MinDupMarkDist(), 1);
  EXPECT_EQ(chart.Since(), 0);  // no change
  chart.SetMinDupMarkDist(7);
  EXPECT_EQ(chart.MinDupMarkDist(), 3);
  EXPECT_EQ(chart.Since(), 1);

  chart.SetAutoRedraw(false);
  chart.SetChartColor(clYellow);
  chart.CrossHair(2).SetPosX(1);
  EXPECT_EQ(chart.Since(), 0);
  chart.SetDesigning(true);
  chart.SetChartColor(clAqua);
  EXPECT_EQ(chart.Since(), 1);
}

TEST(VorelAssign, CopiesSettingsItemsAndHandlersAndNotifiesItselfOnly) {
  TCountingVorel source(nullptr);
  TCountingVorel copy(nullptr);
  source.SetAllocSize(1000);
  for (int i = 0; i < 1500; ++i)
    source.LineToPoint(i, 0);
  source.SetCaption("c");
  source.SetMarginLeft(80);
  source.ScaleX(5).SetRangeHigh(9);
  source.CrossHair(3).SetPosX(2.5);
  source.TextLabel(4).SetCaption("four");
  source.BackGroundImg().SetAreaMode(bamRect);
  source.JointLayers().SetXControlledBy(6, 5);
  int moves = 0;
  source.OnCrossHairMove = [&](TObject*, TCrossHair*) { ++moves; };

  copy.Assign(source);
  EXPECT_EQ(copy.DataCount(), 1500);
  EXPECT_EQ(copy.DataCapacity(), 2000);
  EXPECT_EQ(copy.DataItems()[1499].X1, 1499.0);
  EXPECT_EQ(copy.Caption(), "c");
  EXPECT_EQ(copy.MarginLeft(), 80);
  EXPECT_EQ(copy.ScaleX(5).RangeHigh(), 9.0);
  EXPECT_EQ(copy.ScaleX(6).RangeHigh(), 9.0);
  EXPECT_EQ(copy.JointLayers().XControlledBy(6), 5);
  EXPECT_EQ(copy.CrossHair(3).PosX(), 2.5);
  EXPECT_EQ(copy.TextLabel(4).Caption(), "four");
  EXPECT_EQ(copy.BackGroundImg().AreaMode(), bamRect);
  copy.OnCrossHairMove(&copy, nullptr);
  EXPECT_EQ(moves, 1);

  source.Since();
  copy.Since();
  copy.CrossHair(3).SetPosX(1);
  copy.TextLabel(4).SetPosY(1);
  copy.BackGroundImg().SetAreaColor(clRed);
  copy.ScaleY(2).SetCaption("y");
  EXPECT_EQ(source.Since(), 0);
  EXPECT_GE(copy.Since(), 4);
  copy.SetCrossHair(1, source.CrossHair(3));
  copy.CrossHair(1).SetPosY(4);
  EXPECT_EQ(source.Since(), 0);
}

TEST(CrossHairSettings, SettersNotifyAndLayerIsLimited) {
  TCrossHair c;
  int changes = 0;
  c.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &c);
    ++changes;
  };
  c.SetLayer(0);
  EXPECT_EQ(c.Layer(), 1);
  c.SetLayer(20);
  EXPECT_EQ(c.Layer(), 16);
  c.SetPosX(2.5);
  c.SetPosX(std::numeric_limits<double>::quiet_NaN());
  c.SetPosY(-std::numeric_limits<double>::infinity());
  EXPECT_EQ(c.PosX(), 2.5);
  EXPECT_EQ(c.PosY(), 0.0);
  EXPECT_EQ(changes, 3);
}

TEST(CrossHairSettings, AssignCopiesHandlerWithoutCallingIt) {
  TCrossHair a;
  TCrossHair b;
  int calls = 0;
  a.SetPosX(1);
  a.SetPosY(2);
  a.SetColor(clBlue);
  a.SetMode(chBox);
  a.SetLineType(psDot);
  a.SetLineWid(3);
  a.SetLayer(7);
  a.OnChange = [&](TObject*) { ++calls; };
  b.Assign(a);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(b.PosY(), 2.0);
  EXPECT_EQ(b.Mode(), chBox);
  EXPECT_EQ(b.LineWid(), 3);
  EXPECT_EQ(b.Layer(), 7);
  b.SetColor(clRed);
  EXPECT_EQ(calls, 1);
  TBakGndImg other;
  EXPECT_THROW(b.Assign(other), EConvertError);
}

TEST(BackgroundSettings, NameKeepsThePathOnlyWhenAsked) {
  TBakGndImg img;
  int changes = 0;
  img.OnChange = [&](TObject*) { ++changes; };
  img.SetName("/home/u/pics/sky.bmp");
  EXPECT_EQ(img.Name(), "sky.bmp");
  img.SetIncludePath(true);
  img.SetName("C:\\pics\\sky.bmp");
  EXPECT_EQ(img.Name(), "C:\\pics\\sky.bmp");
  img.SetIncludePath(false);
  EXPECT_EQ(img.Name(), "sky.bmp");
  img.SetAreaLeft(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(img.AreaLeft(), -1.0);
  EXPECT_EQ(changes, 4);

  TBakGndImg copy;
  img.SetAreaColor(clRed);
  copy.Assign(img);
  EXPECT_EQ(copy.Name(), "sky.bmp");
  EXPECT_EQ(copy.AreaColor(), clRed);
  EXPECT_FALSE(copy.OnChange);
}

}  // namespace
}  // namespace zarn
