#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

#include "chart/zarn_vorel.h"
#include "platform/application.h"

namespace zarn {
namespace {

// 400 x 300 with margins 50, 20, 20, 40: the plotting area spans pixels
// 50 .. 380 and 20 .. 260, and layer 1 maps world (x, y) to (50 + x, 260 - y).
struct MouseChart : TVorel {
  MouseChart() : TVorel(nullptr) {
    SetBounds(0, 0, 400, 300);
    SetMarginLeft(50);
    SetMarginRight(20);
    SetMarginTop(20);
    SetMarginBottom(40);
    SetLayerRange(1, 0, 0, 330, 240);
    SetPaintHold(false);
    log.clear();
  }
  void Paint() override {
    if (PaintHold()) return;
    log.push_back("paint");
    TVorel::Paint();
  }
  std::vector<std::string> log;
};

const TShiftState kLeft{ssLeft};

TColor At(const TBitmap& b, int x, int y) {
  return b.ScanLine(y)[x];
}

struct ChartMouse : ::testing::Test {
  void SetUp() override {
    services = &Application().Reset();
    Screen().ResetCursors();
  }
  void Press(int x, int y, TMouseButton b = mbLeft) { chart.DispatchMouseDown(b, kLeft, x, y); }
  void Move(int x, int y, TShiftState s = kLeft) { chart.DispatchMouseMove(s, x, y); }
  void Release(int x, int y, TMouseButton b = mbLeft) { chart.DispatchMouseUp(b, {}, x, y); }
  void Drag(TPoint from, TPoint to) {
    Press(from.X, from.Y);
    Move(from.X, from.Y);
    Move(to.X, to.Y);
    Release(to.X, to.Y);
  }
  void ExpectRange(double xl, double xh, double yl, double yh, int layer = 1) {
    EXPECT_DOUBLE_EQ(chart.ScaleX(layer).RangeLow(), xl);
    EXPECT_DOUBLE_EQ(chart.ScaleX(layer).RangeHigh(), xh);
    EXPECT_DOUBLE_EQ(chart.ScaleY(layer).RangeLow(), yl);
    EXPECT_DOUBLE_EQ(chart.ScaleY(layer).RangeHigh(), yh);
  }
  THeadlessServices* services = nullptr;
  MouseChart chart;
};

struct CrossHairDrag : ChartMouse {
  void SetUp() override {
    ChartMouse::SetUp();
    chart.SetMouseAction(maDragCrossH);
    chart.CrossHair1().SetMode(chVert);
    chart.CrossHair1().SetPosX(100);
    for (int i = 2; i <= 4; ++i)
      chart.CrossHair(i).SetLayer(1);
    chart.OnBeforeCrossHairMove = [this](TObject*, TCrossHair* h, int dx, int dy, bool& allow) {
      asked.push_back(h);
      lastDx = dx;
      lastDy = dy;
      allow = allowMove;
    };
    chart.OnCrossHairMove = [this](TObject*, TCrossHair* h) {
      chart.log.push_back("moved " + std::to_string(h->Layer()));
    };
    chart.log.clear();
  }
  std::vector<TCrossHair*> asked;
  int lastDx = 0, lastDy = 0;
  bool allowMove = true;
};

TEST_F(CrossHairDrag, CatchesOnTheFirstMoveFollowsFromTheSecondAndIgnoresTheOutside) {
  Press(300, 100);
  EXPECT_TRUE(asked.empty());  // a press alone does nothing
  Move(300, 100);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], &chart.CrossHair1());
  EXPECT_EQ(lastDx, 150);
  EXPECT_EQ(lastDy, -160);
  EXPECT_DOUBLE_EQ(chart.CrossHair1().PosX(), 100);
  Move(200, 120);
  EXPECT_DOUBLE_EQ(chart.CrossHair1().PosX(), 150);
  EXPECT_DOUBLE_EQ(chart.CrossHair1().PosY(), 140);
  // Nothing else changed: the crosshair alone is drawn again, no paint, then the event.
  EXPECT_EQ(chart.log, (std::vector<std::string>{"moved 1"}));
  EXPECT_EQ(At(chart.Surface(), 200, 100), clRed);
  EXPECT_NE(At(chart.Surface(), 150, 100), clRed);
  Move(10, 10);
  EXPECT_DOUBLE_EQ(chart.CrossHair1().PosX(), 150);
  Move(250, 50);
  EXPECT_DOUBLE_EQ(chart.CrossHair1().PosX(), 200);
  EXPECT_EQ(asked.size(), 1u);
  Release(250, 50);
  Move(260, 50, {});
  Move(270, 50);
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_DOUBLE_EQ(chart.CrossHair1().PosX(), 200);
}

TEST_F(CrossHairDrag, RepaintsStayVisibleToRenderHandlers) {
  chart.OnDataRendered = [](TObject*, TCanvas&, int, int) {};
  Move(300, 100);
  Move(200, 120);
  EXPECT_EQ(chart.log, (std::vector<std::string>{"paint", "paint", "paint", "moved 1"}));
}

TEST_F(CrossHairDrag, NearestLineWinsLowerNumberOnTiesBothByTheSmallerDistance) {
  chart.CrossHair2().SetMode(chVert);
  chart.CrossHair2().SetPosX(200);  // pixel 250; crosshair 1 at 150
  Move(200, 100);
  EXPECT_EQ(asked.back(), &chart.CrossHair1());
  Release(200, 100);
  chart.CrossHair3().SetMode(chBoth);
  chart.CrossHair3().SetPosX(300);
  chart.CrossHair3().SetPosY(150);  // pixel (350, 110)
  Move(210, 105);
  EXPECT_EQ(asked.back(), &chart.CrossHair3());
  Release(210, 105);
  for (int i = 1; i <= 4; ++i)
    chart.CrossHair(i).SetMode(chOff);
  Move(210, 105);
  EXPECT_EQ(asked.back(), &chart.CrossHair1());
}

TEST_F(CrossHairDrag, FarPositionsNeitherOverflowTheDistanceNorTheEventArguments) {
  chart.CrossHair1().SetPosX(-1e300);
  chart.CrossHair2().SetMode(chVert);
  chart.CrossHair2().SetPosX(1e300);
  Move(60, 100);
  EXPECT_EQ(asked.back(), &chart.CrossHair2());
  Release(60, 100);
  chart.CrossHair2().SetMode(chOff);
  Move(60, 100);
  EXPECT_EQ(asked.back(), &chart.CrossHair1());
  EXPECT_EQ(lastDx, INT_MAX);
}

TEST_F(CrossHairDrag, ARefusalIsAskedAgainOnTheNextMove) {
  allowMove = false;
  Move(300, 100);
  Move(200, 100);
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_DOUBLE_EQ(chart.CrossHair1().PosX(), 100);
  allowMove = true;
  Move(200, 100);
  Move(220, 100);
  EXPECT_EQ(asked.size(), 3u);
  EXPECT_DOUBLE_EQ(chart.CrossHair1().PosX(), 170);
}

TEST_F(ChartMouse, CursorFollowsTheModeApplicationWideUnlessFixed) {
  Move(200, 100, {});
  EXPECT_EQ(Screen().Cursor(), crDefault);
  chart.SetMouseCursorFixed(false);
  Move(200, 100, {});
  EXPECT_EQ(Screen().Cursor(), crCross);
  chart.SetMouseAction(maPanGrid);
  Move(200, 100, {});
  EXPECT_EQ(Screen().Cursor(), TCustomVorel::crVorelHand);
  chart.SetMouseAction(maZoom);  // leaves it as it is
  Move(200, 100, {});
  EXPECT_EQ(Screen().Cursor(), TCustomVorel::crVorelHand);
  chart.DispatchMouseLeave();
  EXPECT_EQ(Screen().Cursor(), crDefault);
  chart.SetMouseAction(maZoomWindPos);
  Move(200, 100, {});
  EXPECT_EQ(Screen().Cursor(), TCustomVorel::crVorelZoomPos);
  Move(20, 100, {});  // in the margin
  EXPECT_EQ(Screen().Cursor(), crDefault);
  EXPECT_EQ(chart.DlgCode(), 3);
}

TEST_F(ChartMouse, MoveGuardDropsNestedMovesAndSurvivesAThrowingHandler) {
  std::vector<double> inChart;
  chart.OnMouseMoveInChart = [&](TObject*, bool in, TShiftState, double x, double y) {
    inChart.push_back(in ? x : -y);
  };
  int nested = 0;
  chart.OnMouseMove = [&](TObject*, TShiftState, int x, int) {
    if (nested++ == 0) Move(x + 1, 100, {});
    if (x == 77) throw std::runtime_error("handler");
  };
  Move(100, 100, {});
  EXPECT_EQ(inChart, (std::vector<double>{50}));
  EXPECT_NO_THROW(Move(77, 100, {}));
  Move(30, 60, {});
  EXPECT_EQ(inChart, (std::vector<double>{50, -200}));
  EXPECT_DOUBLE_EQ(chart.LastMouseWorldX(), 50);  // the margin is not recorded
}

TEST_F(ChartMouse, DoubleClickSwallowsTheReleaseAndTogglesAnAxisBand) {
  chart.ScaleX(1).SetVisible(true);  // bottom axis: band 260 < y < 300
  chart.ScaleX(1).SetMouseAction(maPan);
  int ups = 0, downs = 0;
  chart.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; };
  chart.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  Move(200, 280, {});
  chart.DispatchDblClick({}, 200, 280);
  EXPECT_EQ(chart.ScaleX(1).MouseAction(), maZoom);
  EXPECT_EQ(downs, 1);  // the double click's own press
  Release(200, 280);
  EXPECT_EQ(ups, 0);
  Release(200, 280);
  EXPECT_EQ(ups, 1);
  chart.DispatchDblClick({}, 200, 280);
  Release(200, 280);
  EXPECT_EQ(chart.ScaleX(1).MouseAction(), maPan);
  chart.ScaleX(1).SetMouseAction(maNone);
  chart.DispatchDblClick({}, 200, 280);
  EXPECT_EQ(chart.ScaleX(1).MouseAction(), maNone);
}

TEST_F(ChartMouse, AxisBandDragPansThatAxisThroughTheScaleEngine) {
  chart.ScaleX(1).SetVisible(true);
  chart.ScaleX(1).SetMouseAction(maPan);
  int zoomPans = 0;
  chart.OnZoomPan = [&](TObject*) { ++zoomPans; };
  Drag({200, 280}, {233, 290});
  ExpectRange(-33, 297, 0, 240);
  EXPECT_EQ(zoomPans, 1);
}

TEST_F(ChartMouse, PanModesShiftTheRangesByTheMouseTravel) {
  chart.SetMouseAction(maPan);
  Drag({200, 100}, {233, 90});
  ExpectRange(-33, 297, -10, 230);
  chart.SetLayerRange(1, 0, 0, 330, 240);
  chart.SetMouseAction(maPanHoriz);
  Drag({200, 100}, {233, 90});
  ExpectRange(-33, 297, 0, 240);
  chart.SetLayerRange(1, 0, 0, 330, 240);
  chart.SetMouseAction(maPanGrid);
  chart.SetPanGridDx(10);
  chart.SetPanGridOffsX(2);
  Drag({200, 100}, {233, 100});
  ExpectRange(-28, 302, 0, 240);
  // Logarithmic: a third of the width is a decade of 1 .. 1000.
  chart.SetLayerRange(1, 1, 0, 1000, 240);
  chart.ScaleX(1).SetLogarithmic(true);
  chart.SetMouseAction(maPan);
  Drag({200, 100}, {310, 100});
  EXPECT_NEAR(chart.ScaleX(1).RangeLow(), 0.1, 1e-12);
  EXPECT_NEAR(chart.ScaleX(1).RangeHigh(), 100, 1e-9);
  // A shift past the largest double leaves the range as it was.
  chart.SetLayerRange(1, 1e-100, 0, 1e300, 240);
  Drag({200, 100}, {50, 100});
  EXPECT_DOUBLE_EQ(chart.ScaleX(1).RangeLow(), 1e-100);
  EXPECT_DOUBLE_EQ(chart.ScaleX(1).RangeHigh(), 1e300);
}

TEST_F(ChartMouse, PanGridSnapsFromTheFirstStepEvenWithoutTravel) {
  chart.SetLayerRange(1, 3, 0.5, 333, 240.5);
  chart.SetMouseAction(maPanGrid);
  chart.SetPanGridDx(10);
  chart.SetPanGridOffsX(2);
  Press(200, 100);
  Move(200, 100);  // the drag start
  Move(200, 100);
  ExpectRange(2, 332, 0, 240);
}

TEST_F(ChartMouse, ZoomDragScalesAboutTheCentre) {
  chart.SetMouseAction(maZoomDrag);
  Drag({200, 100}, {240, 130});
  ExpectRange(16.5, 313.5, -12, 252);
}

TEST_F(ChartMouse, ZoomWindowTakesTheRectangleAndLeavesNoFigureBehind) {
  chart.SetMouseAction(maZoomWind);
  int zoomPans = 0;
  chart.OnZoomPan = [&](TObject*) { ++zoomPans; };
  const TColor under = At(chart.Surface(), 100, 100);
  Press(100, 60);
  Move(150, 110);
  Move(210, 160);
  EXPECT_NE(At(chart.Surface(), 100, 100), under);
  Release(210, 160);
  ExpectRange(50, 160, 100, 200);
  EXPECT_EQ(zoomPans, 1);
  // Right button cancels; a zero-height figure does nothing; neither leaves a pixel changed.
  const std::vector<TColor> before = chart.Surface().Pixels();
  for (TPoint end : {TPoint{150, 100}, TPoint{150, 60}}) {
    Press(100, 60);
    Move(130, 90);
    Move(end.X, end.Y);
    Release(end.X, end.Y, end.Y == 60 ? mbLeft : mbRight);
    EXPECT_TRUE(chart.Surface().Pixels() == before);
  }
  ExpectRange(50, 160, 100, 200);
  EXPECT_EQ(zoomPans, 1);
}

// A figure keeps the moves and the release once started; the scales then
// settle as after a pan, the mode in force at the release.
TEST_F(ChartMouse, AFigureOutlivesAModeChangeDuringItsDrag) {
  chart.SetMouseAction(maZoomWind);
  chart.OnZoomPan = [&](TObject*) { chart.log.push_back("zoom"); };
  Press(100, 60);
  Move(150, 110);
  chart.SetMouseAction(maPan);
  Move(210, 160);
  chart.log.clear();
  Release(210, 160);
  ExpectRange(50, 160, 100, 200);
  EXPECT_EQ(chart.log, (std::vector<std::string>{"paint", "zoom", "paint"}));
}

TEST_F(ChartMouse, ZoomWindPosKeepsAReversedAxisReversed) {
  chart.SetLayerRange(1, 330, 0, 0, 240);
  chart.SetMouseAction(maZoomWindPos);
  Drag({100, 60}, {210, 160});
  ExpectRange(280, 170, 100, 200);
}

TEST_F(ChartMouse, RubberBandAndSelectionReportEveryMouseLayer) {
  chart.SetMouseLayer(2, true);
  chart.SetLayerRange(2, 0, 0, 3300, 2400);
  std::vector<std::vector<double>> bands, rects;
  chart.OnRubberBand = [&](TObject*, int l, double a, double b, double c, double d) {
    bands.push_back({double(l), a, b, c, d});
  };
  chart.OnSelectRect = [&](TObject*, int l, double a, double b, double c, double d) {
    rects.push_back({double(l), a, b, c, d});
  };
  chart.SetMouseAction(maRubberBand);
  const std::vector<TColor> before = chart.Surface().Pixels();
  Press(210, 160);
  Move(150, 100);
  Move(100, 100);
  Release(100, 100, mbRight);
  EXPECT_TRUE(chart.Surface().Pixels() == before);
  Drag({210, 160}, {100, 600});  // clamped to the bottom edge
  chart.SetMouseAction(maSelectRect);
  Drag({210, 160}, {100, 60});
  EXPECT_EQ(bands,
            (std::vector<std::vector<double>>{{1, 160, 100, 50, 0}, {2, 1600, 1000, 500, 0}}));
  EXPECT_EQ(rects,
            (std::vector<std::vector<double>>{{1, 50, 100, 160, 200}, {2, 500, 1000, 1600, 2000}}));
}

TEST_F(ChartMouse, MouseTraceRecordsStrokesAndRedrawsThem) {
  chart.SetMouseAction(maDrawMTrace);
  chart.SetMouseTraceInvert(false);
  chart.SetMouseTraceColor(clRed);
  chart.Surface();  // a shown chart has its pixels, and the trace is drawn on them at once
  Press(100, 100);
  Release(100, 100);  // a click without a move
  Press(100, 100);
  Move(100, 100);
  Move(140, 100);
  EXPECT_EQ(At(chart.Surface(), 120, 100), clRed);
  chart.ClearMouseTrace();  // during a stroke
  Release(140, 100);
  Move(100, 200);
  Move(120, 200);
  Release(120, 200);
  Press(100, 220);
  Move(100, 220);
  Move(100, 240);
  Release(100, 240);
  EXPECT_EQ(chart.MouseTraceCount(), 4);
  TBitmap image(400, 300);
  chart.DrawMouseTrace(image, 50, 20);
  EXPECT_EQ(At(image, 110, 200), clRed);
  EXPECT_EQ(At(image, 100, 230), clRed);
  EXPECT_NE(At(image, 110, 210), clRed);  // the strokes are not joined
  for (int i = 0; i < kMaxMouseTrace + 5; ++i)
    Move(100 + i % 7, 100);
  EXPECT_EQ(chart.MouseTraceCount(), kMaxMouseTrace);
}

TEST_F(ChartMouse, LabelDragMovesTheNearestVisibleLabel) {
  for (int i : {3, 5}) {
    chart.TextLabel(i).SetMode(tlBox);
    chart.TextLabel(i).SetVisible(true);
  }
  chart.TextLabel(3).SetAttachToData(tlamNone);
  chart.TextLabel(3).SetPosX(200);
  chart.TextLabel(3).SetPosY(100);
  chart.TextLabel(5).SetPosX(100);
  chart.TextLabel(5).SetPosY(100);
  chart.TextLabel(5).SetAttachToData(tlamBoth);  // anchor pixel (150, 160)
  // A drag started in another mode moves label 1.
  chart.SetMouseAction(maPan);
  Press(300, 200);
  Move(300, 200);
  chart.SetMouseAction(maDragLabel);
  Move(310, 210);
  Release(310, 210);
  EXPECT_DOUBLE_EQ(chart.TextLabel(1).PosX(), 260);
  std::vector<TTextLabel*> moved;
  chart.OnTextLabelMove = [&](TObject*, TTextLabel* l) { moved.push_back(l); };
  chart.SetMouseAction(maDragLabel);
  Drag({160, 150}, {250, 60});
  EXPECT_DOUBLE_EQ(chart.TextLabel(5).PosX(), 200);
  EXPECT_DOUBLE_EQ(chart.TextLabel(5).PosY(), 200);
  Drag({190, 110}, {250, 150});
  EXPECT_DOUBLE_EQ(chart.TextLabel(3).PosX(), 250);
  EXPECT_DOUBLE_EQ(chart.TextLabel(3).PosY(), 150);
  EXPECT_EQ(moved, (std::vector<TTextLabel*>{&chart.TextLabel(5), &chart.TextLabel(3)}));
}

}  // namespace
}  // namespace zarn
