#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "chart/zarn_vorel.h"

namespace zarn {
namespace {

// A chart whose axis settings react as the constructed chart's do, and which
// counts its paints.
struct CountingChart : TVorel {
  CountingChart() : TVorel(nullptr) {
    JointLayers().SetChart(this);
    for (int layer = 1; layer <= kVorelLayers; ++layer) {
      ScaleX(layer).OnChange = [this](TObject*) { ScaleSettingsChanged(); };
      ScaleY(layer).OnChange = [this](TObject*) { ScaleSettingsChanged(); };
    }
    SetBounds(0, 0, 553, 315);
    SetPaintHold(false);
    paints = 0;
  }
  void Paint() override {
    if (PaintHold()) return;
    ++paints;
    if (onPaint) onPaint();
  }
  int paints = 0;
  std::function<void()> onPaint;
};

std::string JoinError(TCustomVorel& chart, int layer, int destination) {
  try {
    chart.JointLayers().SetXControlledBy(layer, destination);
  } catch (const EZarnVorelError& e) {
    return e.what();
  }
  return "";
}

TEST(Layers, NewLayersTakeTheirColourAndParityPlacement) {
  TVorel chart(nullptr);
  EXPECT_EQ(chart.ScaleX(2).ColorScale(), clMaroon);
  EXPECT_EQ(chart.ScaleY(15).ColorScale(), clAqua);
  EXPECT_EQ(chart.ScaleY(16).ColorScale(), clWhite);
  EXPECT_EQ(chart.ScaleX(7).ScaleType(), sctXT);
  EXPECT_EQ(chart.ScaleX(8).ScaleType(), sctXB);
  EXPECT_EQ(chart.ScaleX(8).ScalePos(), 90);
  EXPECT_EQ(chart.ScaleY(5).ScaleType(), sctYR);
  EXPECT_EQ(chart.ScaleY(6).ScaleType(), sctYL);
  EXPECT_EQ(chart.ScaleY(6).ScalePos(), 100);
  EXPECT_EQ(chart.AxisY(6).ColorScale(), clPurple);
}

TEST(Layers, JoinsAreCheckedAndLeaveTheTableOnError) {
  CountingChart chart;
  chart.JointLayers().SetXControlledBy(3, 1);
  chart.JointLayers().SetXControlledBy(5, 1);
  EXPECT_EQ(JoinError(chart, 2, 3), "Destination layer 3 is already joined");
  EXPECT_EQ(JoinError(chart, 1, 2), "Layer 1 is joined by other layers (3, 5)");
  EXPECT_EQ(JoinError(chart, 4, 17), "Destination layer 17 is out of range");
  EXPECT_EQ(JoinError(chart, 4, 0), "Destination layer 0 is out of range");
  EXPECT_EQ(JoinError(chart, 1, 1), "");
  for (int layer = 1; layer <= kVorelLayers; ++layer)
    EXPECT_EQ(chart.JointLayers().XControlledBy(layer), layer == 3 || layer == 5 ? 1 : layer);
  chart.JointLayers().SetXControlledBy(3, 3);  // released
  EXPECT_EQ(chart.JointLayers().XControlledBy(3), 3);
}

TEST(Layers, JointRangesFollowTheirLeader) {
  CountingChart chart;
  chart.SetLayerRange(2, 10, 20, 30, 40);
  chart.JointLayers().SetXControlledBy(2, 1);  // takes layer 1's x range at once
  EXPECT_EQ(chart.ScaleX(2).RangeLow(), 0);
  EXPECT_EQ(chart.ScaleX(2).RangeHigh(), 1);
  EXPECT_EQ(chart.ScaleY(2).RangeLow(), 20);
  chart.SetJointRange(1, -5, -6, 5, 6);
  EXPECT_EQ(chart.ScaleX(2).RangeLow(), -5);
  EXPECT_EQ(chart.ScaleX(2).RangeHigh(), 5);
  EXPECT_EQ(chart.ScaleY(2).RangeHigh(), 40);  // y is not joined
  EXPECT_EQ(chart.AxisX(2).RangeHigh(), 5);
  int px = 0;
  int py = 0;
  chart.WorldToPixel(2, 5, 40, px, py);
  EXPECT_EQ(px, 533);
  // The joined axis does not move on its own; its free axis does.
  chart.SetJointRange(2, 100, 0, 200, 1);
  EXPECT_EQ(chart.ScaleX(2).RangeLow(), -5);
  EXPECT_EQ(chart.ScaleY(2).RangeHigh(), 1);
  // A setting changed on the leader reaches the follower through the reaction.
  chart.ScaleX(1).SetRangeHigh(50);
  EXPECT_EQ(chart.ScaleX(2).RangeHigh(), 50);
}

TEST(Layers, LayerRangesRefuseWhatAnAxisCannotShow) {
  CountingChart chart;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  chart.SetLayerRange(1, nan, 2, 1, 3);  // x ignored, y taken
  EXPECT_EQ(chart.ScaleX(1).RangeHigh(), 1);
  EXPECT_EQ(chart.ScaleY(1).RangeLow(), 2);
  chart.SetLayerRange(1, 4, 2, 4 + 0.5e-10, 3);  // below the minimum span
  EXPECT_EQ(chart.ScaleX(1).RangeLow(), 0);
  chart.ScaleX(3).StoreRange(1, 10);
  chart.ScaleX(3).SetLogarithmic(true);
  chart.SetLayerRange(3, -1, 0, 1000, 1);
  EXPECT_EQ(chart.ScaleX(3).RangeLow(), 1);
  EXPECT_EQ(chart.ScaleX(3).RangeHigh(), 1000);
}

TEST(Layers, SettingsChangesEndWithOnePaintAndDoNotRecurse) {
  CountingChart chart;
  chart.ScaleX(4).SetCaption("x");
  EXPECT_EQ(chart.paints, 1);
  EXPECT_EQ(chart.AxisX(4).Caption(), "x");
  chart.onPaint = [&] { chart.ScaleY(4).SetCaption("from a paint"); };
  chart.ScaleY(4).SetVisible(true);
  EXPECT_EQ(chart.paints, 2);
  EXPECT_FALSE(chart.PaintHold());
  // A range a logarithmic axis cannot show stops the reaction, not the chart.
  chart.onPaint = nullptr;
  chart.ScaleX(6).StoreRange(-1, 1);
  chart.ScaleX(6).SetLoadingFlag(true);
  EXPECT_THROW(chart.ScaleX(6).SetLogarithmic(true), EZarnVorelError);
  chart.ScaleX(6).SetLogarithmic(false);
  EXPECT_EQ(chart.paints, 3);
}

TEST(Layers, AxisControlsStandOnThePlottingAreaEdges) {
  CountingChart chart;
  chart.SetShadowWidth(40);
  EXPECT_EQ(chart.ShadowWidth(), 32);
  chart.SetMarginLeft(30001);  // ignored
  EXPECT_EQ(chart.MarginLeft(), 50);
  EXPECT_EQ(chart.PlotWidth(), 553 - 50 - 20 - 32 + 1);
  EXPECT_EQ(chart.PlotImage().Width(), chart.PlotWidth());
  TScalePropsHoriz& x = chart.ScaleX(1);
  x.SetScaleLocation(slBottom);
  x.SetScalePos(7);
  EXPECT_EQ(chart.AxisX(1).ScaleType(), sctXT);
  EXPECT_EQ(chart.AxisX(1).MarginTop(), 7 + 315 - 40 - 32);
  EXPECT_EQ(chart.AxisX(1).MarginLeft(), 50);
  EXPECT_EQ(chart.AxisX(1).MarginRight(), 20 + 32 - 1);
  chart.ScaleY(1).SetScaleLocation(slLeft);
  chart.ScaleY(1).SetScalePos(0);
  EXPECT_EQ(chart.AxisY(1).MarginRight(), 553 - 50 - 1);
  EXPECT_EQ(chart.AxisY(1).MarginBottom(), 40 + 32 - 1);
  chart.SetBounds(0, 0, 10, 10);  // kept to the minimum
  EXPECT_EQ(chart.Width(), 50 + 20 + 32 + 80);
  EXPECT_EQ(chart.Height(), 20 + 40 + 32 + 20);
  EXPECT_EQ(chart.AxisY(1).Width(), chart.Width());
}

TEST(Layers, IsometricSpansFollowThePlotProportions) {
  CountingChart chart;
  chart.SetLayerRange(3, 0, 0, 484, 1);
  chart.SetIsometric(true);
  const auto ySpan = [&] { return chart.ScaleY(3).RangeHigh() - chart.ScaleY(3).RangeLow(); };
  const double ratio = static_cast<double>(chart.AspectY()) / chart.AspectX();
  EXPECT_DOUBLE_EQ(ySpan(), 484.0 * 256 / 484 * ratio);
  EXPECT_DOUBLE_EQ(chart.ScaleY(3).RangeHigh() + chart.ScaleY(3).RangeLow(), 1.0);
  chart.SetMarginTop(120);
  EXPECT_DOUBLE_EQ(ySpan(), 484.0 * 156 / 484 * ratio);
  chart.SetIsometric(false);
  chart.SetMarginTop(20);
  EXPECT_DOUBLE_EQ(ySpan(), 484.0 * 156 / 484 * ratio);
}

TEST(Layers, ResizingSurvivesAnAxisThatCannotBeMapped) {
  CountingChart chart;
  chart.ScaleY(2).SetLoadingFlag(true);
  chart.ScaleY(2).StoreRange(0, 1);
  EXPECT_THROW(chart.ScaleY(2).SetLogarithmic(true), EZarnVorelError);
  EXPECT_NO_THROW(chart.SetBounds(0, 0, 600, 400));
  EXPECT_EQ(chart.Width(), 600);
  EXPECT_FALSE(chart.PaintHold());
  chart.ScaleY(2).SetLogarithmic(false);
  int px = 0;
  int py = 0;
  chart.WorldToPixel(2, 1, 0, px, py);
  EXPECT_EQ(px, 600 - 20);
}

struct LayoutCase {
  TvoLayout layout;
  std::array<int, 4> margins;
  int captionY;
  std::vector<std::tuple<int, bool, int>> x;  // axis, on top, ScalePos
  std::vector<std::tuple<int, bool, int>> y;  // axis, on the right, ScalePos
};

TEST(Layers, StandardLayoutsPlaceMarginsAndAxes) {
  const std::vector<LayoutCase> cases = {
      {vol_X1Bottom_Y1Left, {50, 20, 20, 40}, -16, {{1, false, 0}}, {{1, false, 0}}},
      {vol_X1Bottom_Y2Left,
       {100, 20, 24, 40},
       -16,
       {{1, false, 0}},
       {{1, false, 0}, {2, false, 50}}},
      {vol_X1Bottom_Y3Left,
       {150, 20, 24, 40},
       -16,
       {{1, false, 0}},
       {{1, false, 0}, {2, false, 50}, {3, false, 100}}},
      {vol_X1Bottom_Y4Left,
       {200, 20, 24, 40},
       -16,
       {{1, false, 0}},
       {{1, false, 0}, {2, false, 50}, {3, false, 100}, {4, false, 150}}},
      {vol_X1Bottom_Y2Both, {50, 50, 24, 40}, -20, {{1, false, 0}}, {{1, false, 0}, {2, true, 0}}},
      {vol_X2Bottom_Y2Left,
       {100, 20, 24, 70},
       -16,
       {{1, false, 0}, {2, false, 30}},
       {{1, false, 0}, {2, false, 50}}},
      {vol_X2Both_Y2Both,
       {50, 50, 64, 40},
       -60,
       {{1, false, 0}, {2, true, 0}},
       {{1, false, 0}, {2, true, 0}}},
  };
  CountingChart chart;
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.layout));
    chart.ScaleX(5).SetVisible(true);
    chart.ScaleY(3).SetVisible(true);
    const int paints = chart.paints;
    chart.SetStandardLayout(c.layout);
    EXPECT_EQ(chart.paints, paints + 1);
    EXPECT_EQ(chart.StandardLayout(), c.layout);
    EXPECT_EQ((std::array{chart.MarginLeft(), chart.MarginRight(), chart.MarginTop(),
                          chart.MarginBottom()}),
              c.margins);
    EXPECT_EQ(chart.CaptionPosY(), c.captionY);
    std::array<bool, 5> xOn{};
    std::array<bool, 5> yOn{};
    for (auto [n, far, pos] : c.x) {
      xOn[n] = true;
      EXPECT_EQ(chart.ScaleX(n).ScaleLocation(), far ? slTop : slBottom) << n;
      EXPECT_EQ(chart.ScaleX(n).ScalePos(), pos) << n;
    }
    for (auto [n, far, pos] : c.y) {
      yOn[n] = true;
      EXPECT_EQ(chart.ScaleY(n).ScaleLocation(), far ? slRight : slLeft) << n;
      EXPECT_EQ(chart.ScaleY(n).ScalePos(), pos) << n;
      EXPECT_EQ(chart.ScaleY(n).CaptionAlignment(),
                far || c.layout == vol_X1Bottom_Y1Left ? taLeftJustify : taRightJustify);
    }
    for (int n = 1; n <= kVorelLayers; ++n) {
      EXPECT_EQ(chart.ScaleX(n).Visible(), n <= 4 && xOn[n]) << n;
      EXPECT_EQ(chart.ScaleY(n).Visible(), n <= 4 && yOn[n]) << n;
      EXPECT_EQ(chart.AxisY(n).Visible(), chart.ScaleY(n).Visible()) << n;
    }
  }
  // A few caption offsets that differ from the common ones.
  EXPECT_EQ(chart.ScaleX(2).CaptionPosY(), -40);
  EXPECT_EQ(chart.ScaleY(3).CaptionPosY(), -23);
  chart.SetStandardLayout(vol_X2Bottom_Y2Left);
  EXPECT_EQ(chart.ScaleX(1).CaptionPosX(), -20);
  EXPECT_EQ(chart.ScaleX(2).CaptionAnchor(), uaSclTopLft);
  EXPECT_EQ(chart.ScaleX(3).CaptionPosY(), 100);
}

}  // namespace
}  // namespace zarn
