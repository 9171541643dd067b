// The scale control: setters, painting paths, placement, events, mouse, Assign, layouts.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/controls_std.h"
#include "platform/layout_json.h"
#include "scale_probe.h"
#include "surface/zarn_errors.h"

namespace zarn::test {
namespace {

using ::testing::ElementsAre;

TEST(ScaleControl, DefaultsAndSuspensionUntilTheWindowExists) {
  TScale s(nullptr);
  EXPECT_EQ(s.Width(), 400);
  EXPECT_EQ(s.Height(), 400);
  EXPECT_EQ(s.RangeLow(), 0);
  EXPECT_EQ(s.RangeHigh(), 100);
  EXPECT_EQ(s.MinTicks(), 3);
  EXPECT_EQ(s.DecPlaces(), -2);
  EXPECT_EQ(s.CaptionPosX(), 4);
  EXPECT_EQ(s.CaptionAlignment(), taCenter);
  EXPECT_EQ(s.ColorBackGnd(), clBtnFace);
  EXPECT_EQ(s.FrameStyle(), fsLowered);
  EXPECT_EQ(s.ColorShadow3D(), 0x808080u);
  EXPECT_EQ(s.ScaleType(), sctXB);
  EXPECT_TRUE(s.Suspended());
  int renders = 0;
  s.OnAfterScaleRendered = [&renders](TObject*, TCanvas&) { ++renders; };
  s.SetCaption("x");
  EXPECT_EQ(renders, 0);
  s.CreateHandle();
  EXPECT_FALSE(s.Suspended());
  s.SetCaption("y");
  EXPECT_EQ(renders, 1);
  s.SetColorScheme(csSystem);
  EXPECT_EQ(s.ColorShadow3D(), clBtnShadow);
  EXPECT_EQ(s.ColorHighlight3D(), clBtnHighlight);
}

TEST(ScaleControl, SettersClampAndKeepTheRangeOpen) {
  TScale s(nullptr);
  s.SetRangeLow(5);
  s.SetRangeHigh(5);
  EXPECT_EQ(s.RangeLow(), 6);  // reversed: 6 down to 5
  EXPECT_EQ(s.RangeHigh(), 5);
  s.SetRangeLow(5);
  EXPECT_EQ(s.RangeHigh(), 6);
  s.SetMinTicks(1);
  EXPECT_EQ(s.MinTicks(), 2);
  s.SetMinTicks(15);
  EXPECT_EQ(s.MinTicks(), 10);
  s.SetMinTicks(0);
  EXPECT_EQ(s.MinTicks(), 0);
  s.SetDecPlaces(-7);
  EXPECT_EQ(s.DecPlaces(), -3);
  s.SetDecPlaces(20);
  EXPECT_EQ(s.DecPlaces(), 12);
  s.SetMarginLeft(-4);
  EXPECT_EQ(s.MarginLeft(), 0);
  s.SetLabelType(ftTime);
  EXPECT_EQ(s.DecPlaces(), 4);
  s.SetRange(1, 100);
  s.SetLogarithmic(true);
  s.SetLabelType(ftDateTime);
  EXPECT_FALSE(s.Logarithmic());
  EXPECT_EQ(s.ValueToPixel(1), 0);  // the linear mapping is back (left margin 0)
  EXPECT_EQ(s.ValueToPixel(100), 379);
}

TEST(ScaleControl, LogarithmicIsCheckedOnceLoaded) {
  TScale s(nullptr);
  s.SetLogarithmic(true);  // created in code: unchecked, even from 0
  EXPECT_TRUE(s.Logarithmic());
  s.SetLogarithmic(false);
  s.BeginLoading();
  s.Loaded();
  s.SetLogarithmic(true);
  EXPECT_FALSE(s.Logarithmic());
  s.SetRangeLow(1);
  s.SetLogarithmic(true);
  EXPECT_TRUE(s.Logarithmic());
  s.SetLogarithmic(false);
  s.SetLabelType(ftDateTime);
  s.SetLogarithmic(true);
  EXPECT_FALSE(s.Logarithmic());
  s.ResetToDefaults();  // exempt again
  s.SetRangeLow(0);
  s.SetLogarithmic(true);
  EXPECT_TRUE(s.Logarithmic());
}

TEST(ScaleControl, TransparentRepaintsThroughInvalidationEmbeddedAtOnce) {
  TScale s(nullptr);
  s.CreateHandle();
  s.Update();
  int renders = 0;
  s.OnAfterScaleRendered = [&renders](TObject*, TCanvas&) { ++renders; };
  s.SetTransparent(true);
  EXPECT_EQ(renders, 0);
  EXPECT_TRUE(s.NeedsPaint());
  s.Update();
  EXPECT_EQ(renders, 1);
  s.SetEmbedded(true);
  EXPECT_EQ(renders, 2);
  s.SetCaption("c");
  EXPECT_EQ(renders, 3);
  // RenderNow paints a suspended scale once and leaves it suspended.
  s.SetSuspended(true);
  s.SetCaption("d");
  EXPECT_EQ(renders, 3);
  s.RenderNow();
  EXPECT_EQ(renders, 4);
  EXPECT_TRUE(s.Suspended());
  // Invisible scales do not paint.
  s.SetVisible(false);
  s.RenderNow();
  EXPECT_EQ(renders, 4);
}

// Bounding box of the pixels that differ from the background, or an empty rectangle.
TRect Ink(const TCanvas& c, TRect area, TColor background) {
  TRect box{area.Right, area.Bottom, area.Left, area.Top};
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (c.Pixel(x, y) != background) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}

class ScalePaint : public ::testing::Test {
 protected:
  void SetUp() override {
    s.CreateHandle();
    s.SetColorBackGnd(clWhite);
    s.SetFrameStyle(fsNone);
  }
  TCanvas& C() { return s.Canvas(); }
  TScale s{nullptr};
};

TEST_F(ScalePaint, OpaquePaintFillsFramesAndDrawsTheBaseLine) {
  s.SetFrameStyle(fsSimple);
  s.SetColorBackGnd(clYellow);
  EXPECT_EQ(C().Pixel(200, 200), clYellow);
  EXPECT_EQ(C().Pixel(0, 200), clBlack);  // the simple frame in ColorDark
  EXPECT_EQ(C().Pixel(399, 399), clBlack);
  EXPECT_EQ(C().Pixel(100, 379), clBlack);  // base line
  EXPECT_EQ(C().Pixel(20, 373), clBlack);   // top pixel of the long tick at 0
  EXPECT_EQ(C().Pixel(20, 372), clYellow);
  s.SetShowBaseLine(false);
  EXPECT_EQ(C().Pixel(101, 379), clYellow);
}

TEST_F(ScalePaint, VerticalLabelsStandBesideTheirTicks) {
  s.SetScaleType(sctYL);
  s.SetRange(0, 6);
  const int h0 = C().TextHeight("0");
  const int y = s.ValueToPixel(3);
  const int w = C().TextWidth("3.0");
  const TRect label = Ink(C(), Rect(27, y - 12, 200, y + 12), clWhite);  // beyond the ticks
  EXPECT_GE(label.Left, 20 + 8);
  EXPECT_LE(label.Left, 20 + 9);
  EXPECT_LE(label.Right, 20 + 8 + w);
  EXPECT_GE(label.Top, y - h0 / 2);
  EXPECT_LE(label.Bottom, y - h0 / 2 + h0);
  s.SetScaleType(sctYR);
  const TRect right = Ink(C(), Rect(200, y - 12, 373, y + 12), clWhite);
  EXPECT_LE(right.Right, 379 - 8);
  EXPECT_GE(right.Right, 379 - 9);
}

TEST_F(ScalePaint, HorizontalLabelsAreCentredAndKeptInside) {
  s.SetScaleType(sctXT);
  s.SetRange(0, 6);
  s.SetMarginLeft(0);
  s.SetMarginRight(0);
  const int h = C().TextHeight("6.0");
  const int w = C().TextWidth("6.0");
  // The last label would hang over the right edge: it ends 2 pixels inside
  // (one for an odd width).
  const TRect last = Ink(C(), Rect(300, 27, 400, 27 + h), clWhite);
  EXPECT_LE(last.Right, 400 - 2 + (w % 2));
  EXPECT_GE(last.Right, 400 - 2 - w / 4);
  // The first one would start left of pixel 2: it starts there.
  const TRect first = Ink(C(), Rect(0, 27, 40, 27 + h), clWhite);
  EXPECT_GE(first.Left, 2);
  EXPECT_LE(first.Left, 3);
  // One in the middle is centred on its tick, below it on sctXT.
  const int x = s.ValueToPixel(3);
  const TRect mid = Ink(C(), Rect(x - 30, 20 + 7, x + 30, 20 + 7 + h), clWhite);
  EXPECT_NEAR((mid.Left + mid.Right) / 2.0, x, 2.0);
}

TEST_F(ScalePaint, CaptionAnchorsAndAlignment) {
  s.SetScaleType(sctXT);
  s.SetLabelType(ftNoFigs);
  s.SetCaption("Wq");
  s.SetCaptionPosY(60);
  s.SetCaptionPosX(10);
  const int w = C().TextWidth("Wq");
  struct Case {
    TScaleUnitAnchor anchor;
    TAlignment alignment;
    int left;
  };
  for (const Case& c : {Case{uaSclTopLft, taLeftJustify, 20 + 10},
                        Case{uaSclCenter, taCenter, 20 + 180 + 10 - w / 2},
                        Case{uaSclBotRgt, taRightJustify, 380 + 10 - w}}) {
    s.SetCaptionAnchor(c.anchor);
    s.SetCaptionAlignment(c.alignment);
    const TRect ink = Ink(C(), Rect(1, 70, 399, 398), clWhite);
    SCOPED_TRACE(int(c.anchor));
    EXPECT_GE(ink.Left, c.left);
    EXPECT_LE(ink.Left, c.left + 2);
    EXPECT_LE(ink.Right, c.left + w + 1);
    EXPECT_GE(ink.Top, 80);
  }
  s.SetScaleType(sctYR);
  s.SetCaptionAnchor(uaSclCenter);
  s.SetCaptionPosX(-100);
  s.SetCaptionPosY(0);
  s.SetCaptionAlignment(taLeftJustify);
  const TRect ink = Ink(C(), Rect(1, 1, 300, 399), clWhite);
  EXPECT_GE(ink.Left, 379 - 100);
  EXPECT_LE(ink.Left, 379 - 100 + 2);
  EXPECT_GE(ink.Top, 20 + 180);
  EXPECT_LE(ink.Top, 20 + 180 + C().TextHeight("Wq"));
}

TEST_F(ScalePaint, EventsComeInDrawingOrder) {
  std::vector<std::string> order;
  s.OnBeforeScaleRendered = [&order](TObject*, TCanvas&) { order.push_back("before"); };
  s.OnAfterScaleRendered = [&order](TObject*, TCanvas&) { order.push_back("after"); };
  s.OnScaleTickDrawn = [&order](TObject* sender, TCanvas&, TScaleType, double v, int, int) {
    EXPECT_NE(sender, nullptr);
    order.push_back("tick " + std::to_string(int(v)));
  };
  s.OnBeforeTickLabel = [&order](TObject*, TScaleType, double v, std::string&) {
    order.push_back("label " + std::to_string(int(v)));
  };
  s.SetShortTicks(false);
  s.SetRange(0, 1);
  s.SetMinTicks(0);
  order.clear();
  s.SetCaption("");  // repaint: horizontal, the event of a long tick follows its label
  EXPECT_THAT(order, ElementsAre("before", "label 0", "tick 0", "label 1", "tick 1", "after"));
  s.SetScaleType(sctYL);
  order.clear();
  s.SetCaption("");
  EXPECT_THAT(order, ElementsAre("before", "tick 0", "label 0", "tick 1", "label 1", "after"));
}

TEST_F(ScalePaint, ExternalCanvasWithOffsets) {
  TBitmap other(600, 600);
  other.Canvas().Brush().SetColor(clAqua);
  other.Canvas().FillRect(Rect(0, 0, 600, 600));
  s.SetExternalCanvas(&other.Canvas(), 100, 50);
  s.SetTransparent(true);
  s.SetEmbedded(true);
  // Transparent: the base line and ticks at offset y, x positions unshifted.
  EXPECT_EQ(other.Canvas().Pixel(20, 50 + 379), clBlack);
  EXPECT_EQ(other.Canvas().Pixel(20, 50 + 373), clBlack);
  EXPECT_EQ(other.Canvas().Pixel(300, 300), clAqua);
  s.SetTransparent(false);
  EXPECT_EQ(other.Canvas().Pixel(300, 300), clWhite);
  EXPECT_EQ(other.Canvas().Pixel(99, 300), clAqua);
  EXPECT_EQ(other.Canvas().Pixel(100 + 20, 50 + 379), clBlack);
}

// The chart's axes: no window, no parent, suspended, drawing on the chart's
// image when asked. They own no pixels, and draw what a windowed scale of the
// same size and settings draws on its own surface.
TEST(ScaleControl, WindowlessAxisOwnsNoPixelsAndDrawsAsAWindowedOne) {
  auto setUp = [](TScale& s) {
    s.SetTransparent(true);
    s.SetCaption("t");
    s.SetBounds(0, 0, 300, 120);
    s.SetScaleType(sctXT);
    s.SetRange(-1, 7);
  };
  TBitmap image(300, 120);
  TScale axis(nullptr);
  setUp(axis);
  axis.SetEmbedded(true);
  axis.SetExternalCanvas(&image.Canvas(), 0, 0);
  EXPECT_EQ(axis.SurfaceBitmap(), nullptr);
  axis.SetBounds(0, 0, 553, 315);
  axis.SetBounds(0, 0, 300, 120);
  axis.RenderNow();
  EXPECT_TRUE(axis.Suspended());
  EXPECT_EQ(axis.SurfaceBitmap(), nullptr);
  EXPECT_EQ(image.Canvas().Pixel(20, 20), clBlack);  // the base line at MarginTop

  TScale windowed(nullptr);
  windowed.CreateHandle();
  windowed.SetColor(clWhite);
  setUp(windowed);
  windowed.Repaint();
  EXPECT_GT(axis.NumTicks(), 10);
  EXPECT_EQ(windowed.Surface().Pixels(), image.Pixels());
}

TEST(ZoomPan, DragArithmetic) {
  TZoomPanInput in;
  in.Width = in.Height = 400;
  in.MarginLeft = in.MarginRight = in.MarginTop = in.MarginBottom = 20;
  in.L0 = in.Lc = 0;
  in.H0 = in.Hc = 100;
  double lo = 0, hi = 0;
  auto run = [&](TMouseActMode mode, int x0, int y0, int x, int y) {
    in.MouseAction = mode;
    in.X0 = x0;
    in.Y0 = y0;
    in.X = x;
    in.Y = y;
    return ComputeZoomPanRange(in, lo, hi);
  };
  ASSERT_TRUE(run(maZoomDrag, 100, 200, 140, 200));
  EXPECT_NEAR(lo, 5, 1e-12);
  EXPECT_NEAR(hi, 95, 1e-12);
  ASSERT_TRUE(run(maPan, 100, 200, 136, 200));  // 36 of 360 pixels to the right
  EXPECT_NEAR(lo, -10, 1e-12);
  EXPECT_NEAR(hi, 90, 1e-12);
  ASSERT_TRUE(run(maZoom, 300, 200, 200, 200));  // right half: High moves
  EXPECT_NEAR(lo, 0, 1e-12);
  EXPECT_NEAR(hi, 100 * 280.0 / 180.0, 1e-9);
  ASSERT_TRUE(run(maZoom, 100, 200, 150, 200));  // left half: Low moves
  EXPECT_NEAR(lo, 100 - 100 * 280.0 / 230.0, 1e-9);
  EXPECT_NEAR(hi, 100, 1e-12);
  in.ScaleType = sctYL;
  ASSERT_TRUE(run(maPan, 200, 100, 200, 136));  // down: the range moves up
  EXPECT_NEAR(lo, 10, 1e-12);
  ASSERT_TRUE(run(maZoomDrag, 200, 100, 200, 140));  // down widens
  EXPECT_NEAR(hi - lo, 110, 1e-9);
  in.ScaleType = sctXB;
  in.Logarithmic = true;
  in.L0 = in.Lc = 1;
  in.H0 = in.Hc = 1000;
  ASSERT_TRUE(run(maPan, 200, 200, 80, 200));  // 120 of 360 pixels left: a decade up
  EXPECT_NEAR(lo, 10, 1e-9);
  EXPECT_NEAR(hi, 10000, 1e-6);
  ASSERT_TRUE(run(maZoomDrag, 200, 200, 200, 200));
  EXPECT_NEAR(lo, 1, 1e-12);
  EXPECT_NEAR(hi, 1000, 1e-9);
  // Other modes, and steps that leave no usable range, do not apply.
  EXPECT_FALSE(run(maNone, 0, 0, 10, 10));
  EXPECT_FALSE(run(maDragCrossH, 0, 0, 10, 10));
  in.Logarithmic = false;
  in.L0 = 0;
  in.H0 = 100;
  EXPECT_FALSE(run(maZoom, 300, 200, 20, 200));  // divides by zero
  in.Width = 40;
  EXPECT_FALSE(run(maPan, 100, 200, 136, 200));
}

TEST(ScaleMouse, DragZoomsAndDoubleClickSwitches) {
  TScale s(nullptr);
  s.CreateHandle();
  s.SetMouseAction(maZoomDrag);
  int steps = 0;
  s.OnZoomPan = [&steps](TObject*) { ++steps; };
  const TShiftState left{ssLeft};
  s.DispatchMouseDown(mbLeft, left, 100, 200);
  s.DispatchMouseMove(left, 100, 200);  // the first move only records the start
  EXPECT_TRUE(s.Dragging());
  s.DispatchMouseMove(left, 140, 0);  // outside: ignored, the drag goes on
  EXPECT_EQ(steps, 0);
  s.DispatchMouseMove(left, 140, 200);
  EXPECT_EQ(steps, 1);
  EXPECT_NEAR(s.RangeLow(), 5, 1e-12);
  EXPECT_NEAR(s.RangeHigh(), 95, 1e-12);
  EXPECT_FALSE(s.Suspended());
  s.DispatchMouseUp(mbLeft, left, 140, 200);
  EXPECT_FALSE(s.Dragging());
  s.DispatchMouseMove(TShiftState{}, 150, 200);  // no button: nothing
  EXPECT_FALSE(s.Dragging());

  s.SetMouseAction(maPan);
  s.DispatchDblClick(left, 10, 10);
  EXPECT_EQ(s.MouseAction(), maZoom);
  s.DispatchDblClick(left, 10, 10);
  EXPECT_EQ(s.MouseAction(), maPan);
  s.SetMouseAction(maNone);
  s.DispatchDblClick(left, 10, 10);
  EXPECT_EQ(s.MouseAction(), maNone);
}

TEST(ScaleAssign, CopiesSettingsButNotFontMouseActionOrZoomEvent) {
  TScale a(nullptr);
  TScale b(nullptr);
  a.SetRange(2, 9);
  a.SetCaption("cap");
  a.SetScaleType(sctYR);
  a.SetColorScheme(csSystem);
  a.SetMouseAction(maPan);
  a.Font().SetHeight(-20);
  a.OnZoomPan = [](TObject*) {};
  a.OnBeforeTickLabel = [](TObject*, TScaleType, double, std::string&) {};
  a.DateFormat().SetYearLength(ylYY);
  a.SetEmbedded(true);
  b.Assign(a);
  EXPECT_EQ(b.RangeLow(), 2);
  EXPECT_EQ(b.RangeHigh(), 9);
  EXPECT_EQ(b.Caption(), "cap");
  EXPECT_EQ(b.ScaleType(), sctYR);
  EXPECT_EQ(b.ColorShadow3D(), clBtnShadow);
  EXPECT_EQ(b.DateFormat().YearLength(), ylYY);
  EXPECT_TRUE(b.Embedded());
  EXPECT_TRUE(static_cast<bool>(b.OnBeforeTickLabel));
  EXPECT_EQ(b.PixelFactor(), a.PixelFactor());
  EXPECT_EQ(b.MouseAction(), maNone);
  EXPECT_NE(b.Font().Height(), -20);
  EXPECT_FALSE(static_cast<bool>(b.OnZoomPan));
  TDTLabel label;
  EXPECT_THROW(b.Assign(label), EConvertError);
}

TEST(ScaleAssign, ResetKeepsInscriptionAndTickList) {
  TScale s(nullptr);
  s.CreateHandle();
  s.SetScaleInscript("& m");
  s.SetCaption("c");
  s.SetUserTickText("a|b");
  s.SetRange(0, 6);
  ASSERT_GT(s.NumTicks(), 0);
  const int n = s.NumTicks();
  s.ResetToDefaults();
  EXPECT_TRUE(s.Suspended());
  EXPECT_EQ(s.ScaleInscript(), "& m");
  EXPECT_EQ(s.Caption(), "");
  EXPECT_EQ(s.UserTickText(), "");
  EXPECT_EQ(s.NumTicks(), n);
  EXPECT_EQ(s.RangeHigh(), 100);
}

// A declared default other than a new scale's value would drop a value set to
// it from a stored layout; a reset must come back to the same values.
void ExpectDeclaredDefaults(TScale& s) {
  RegisterScaleClasses();
  const TClassInfo* info = Classes().Find("TScale");
  ASSERT_NE(info, nullptr);
  int checked = 0;
  for (const TPropInfo* p : info->Properties()) {
    if (info->Parent()->FindProperty(p->Name) || !p->DefaultValue) continue;
    EXPECT_EQ(p->Get(s), *p->DefaultValue) << p->Name;
    ++checked;
  }
  EXPECT_GE(checked, 20);
}

TEST(ScaleLayout, DeclaredDefaultsAreTheCreationAndResetValues) {
  TScale s(nullptr);
  ExpectDeclaredDefaults(s);
  s.SetRange(-3, 7);
  s.SetMarginLeft(5);
  s.SetCaptionPosY(-9);
  s.SetCaptionAnchor(uaSclBotRgt);
  s.SetLabelType(ftTime);
  s.SetShowBaseLine(false);
  s.SetTransparent(true);
  s.SetColorScheme(csSystem);
  s.SetFrameStyle(fsRaised);
  s.SetMouseAction(maZoom);
  s.ResetToDefaults();
  ExpectDeclaredDefaults(s);
}

TEST(ScaleLayout, PropertiesComeFromAStoredLayout) {
  RegisterScaleClasses();  // as a program does before loading its first layout
  TForm form(nullptr);
  LoadLayout(form, R"({"Class": "TForm", "Name": "F", "Components": [
    {"Class": "TScale", "Name": "S1", "Parent": "F", "Properties": {
      "Width": 300, "RangeLow": 0, "RangeHigh": 1000, "Logarithmic": true,
      "ScaleType": "sctYL", "MouseAction": "maPan", "Caption": "Hz",
      "CaptionAnchor": "uaSclCenter", "FrameStyle": "fsRaised", "MinTicks": 1,
      "DateFormat": {"YearLength": "ylYY", "DateSeparator": "/"}}}]})");
  auto* s = dynamic_cast<TScale*>(form.FindComponent("S1"));
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->Width(), 300);
  EXPECT_TRUE(s->Logarithmic());  // set while loading: accepted unchecked
  EXPECT_EQ(s->ScaleType(), sctYL);
  EXPECT_EQ(s->MouseAction(), maPan);
  EXPECT_EQ(s->CaptionAnchor(), uaSclCenter);
  EXPECT_EQ(s->FrameStyle(), fsRaised);
  EXPECT_EQ(s->MinTicks(), 2);
  EXPECT_EQ(s->DateFormat().YearLength(), ylYY);
  EXPECT_EQ(s->DateFormat().DateSeparator(), '/');
  s->SetLogarithmic(false);
  s->SetLogarithmic(true);  // loaded now: refused with RangeLow 0
  EXPECT_FALSE(s->Logarithmic());
  EXPECT_THROW(LoadLayout(form, R"({"Class": "TForm", "Components": [
    {"Class": "TScale", "Name": "S2", "Properties": {"LabelType": "ftDate"}}]})"),
               ELayoutError);
}

}  // namespace
}  // namespace zarn::test
