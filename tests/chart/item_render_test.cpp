// Item kinds drawn into the plotting area, with pixels read back.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/support/viewer_chart.h"

namespace zarn {
namespace {

using test::PixelOf;

// A 100 x 80 plotting area (x 0 .. 100, y 0 .. 80, one world unit a pixel)
// whose annotation list holds the test's items: each is appended as a move
// and replaced by the item wanted as it is drawn.
class ItemPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    test::BuildSmallChart(chart);
    chart.OnBeforeRenderChartItem = [this](TObject*, TvoChartItem& item, int index, bool) {
      ++fired;
      if (index < static_cast<int>(items.size())) item = items[static_cast<std::size_t>(index)];
    };
  }

  static TvoChartItem Item(int kind, double x1, double y1, double x2 = 0, double y2 = 0,
                           TColor color = clBlack, int mode = 1) {
    TvoChartItem i{};
    i.Kind = static_cast<std::uint8_t>(kind);
    i.X1 = x1;
    i.Y1 = y1;
    i.X2 = x2;
    i.Y2 = y2;
    i.Color = color;
    i.FillColor = clWhite;
    i.LineWidth = 1;
    i.Layer = 1;
    i.CoordMode = static_cast<std::uint8_t>(mode);
    return i;
  }

  // Draws the items into a fresh plotting-area image.
  void Draw() {
    chart.SetAnnotationMode(true);
    while (chart.AnnotationCount() < static_cast<int>(items.size()))
      chart.MovePenTo(0, 0);
    image.SetSize(101, 81);
    chart.DrawChartBackground(image.Canvas(), 0, 0, 101, 81);
    chart.RenderDataToImage(image, 0, 0, true, false);
  }

  TColor At(int x, int y) const { return PixelOf(image, x, y); }
  bool InkNear(int x, int y) const {
    for (int j = -3; j <= 3; ++j)
      for (int i = -3; i <= 3; ++i)
        if (At(x + i, y + j) == clBlack) return true;
    return false;
  }
  int Count(TColor c) const {
    int n = 0;
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < image.Width(); ++x)
        n += At(x, y) == c;
    return n;
  }

  TVorel chart{nullptr};
  std::vector<TvoChartItem> items;
  TBitmap image;
  int fired = 0;
};

TEST_F(ItemPicture, ColourChangeEndsTheRunAndTheNextStartsWhereItEnded) {
  items = {Item(8, 10, 40), Item(3, 30, 40), Item(3, 50, 40, 0, 0, clRed)};
  Draw();
  EXPECT_EQ(At(10, 40), clBlack);
  EXPECT_EQ(At(29, 40), clBlack);
  EXPECT_EQ(At(30, 40), clRed);
  EXPECT_EQ(At(49, 40), clRed);
  EXPECT_EQ(At(50, 40), clWhite);
}

TEST_F(ItemPicture, FarPointsAreClampedWithoutOverflow) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // World and pixel points far beyond the 32-bit range, and offsets that
  // would overflow it, draw towards the clamped end.
  items = {Item(8, 10, 40, 0, 0, clBlack, 1),
           Item(3, 1e300, 40, 0, 0, clBlack, 0),
           Item(8, 10, 60),
           Item(3, inf, 60),
           Item(8, 50, 70),
           Item(3, nan, nan, 0, 0, clRed)};
  Draw();
  EXPECT_EQ(At(99, 40), clBlack);
  EXPECT_EQ(At(99, 60), clBlack);
  EXPECT_EQ(At(25, 35), clRed);  // towards (0, 0)
  chart.RenderDataToImage(image, 2147483000, -2147483000, true, false);
}

TEST_F(ItemPicture, MarksOnTheRangeEndDrawAndJustOutsideAreLeftOut) {
  TvoChartItem on = Item(1, 100, 40, 0, 0, clBlack, 0);
  on.ParamB = 1;
  TvoChartItem off = Item(1, 100.001, 20, 0, 0, clBlack, 0);
  off.ParamB = 1;
  TvoChartItem pixelOff = Item(1, -0.5, 60);
  pixelOff.ParamB = 1;
  items = {on, off, pixelOff};
  Draw();
  EXPECT_TRUE(InkNear(100, 40));
  for (int y = 10; y < 30; ++y)
    for (int x = 90; x < 100; ++x)
      EXPECT_EQ(At(x, y), clWhite) << x << "," << y;
  for (int x = 1; x < 5; ++x)
    EXPECT_EQ(At(x, 60), clWhite);
}

TEST_F(ItemPicture, DuplicateMarksOfOneTypeDrawOnce) {
  TvoChartItem a = Item(1, 40, 40);
  a.ParamB = 1;
  TvoChartItem b = a;
  b.X1 = 41;
  b.Color = clRed;
  items = {a, b};
  chart.SetAvoidDuplicateMarks(true);
  chart.SetMinDupMarkDist(1);
  Draw();
  EXPECT_EQ(Count(clRed), 0);
  // Another type one pixel away draws.
  items[1].ParamB = 2;
  Draw();
  EXPECT_GT(Count(clRed), 0);
  // Cells beyond the map when the offsets move the marks out are skipped.
  chart.RenderDataToImage(image, -1000, 1000, true, false);
  chart.RenderDataToImage(image, 30000, 30000, true, false);
}

TEST_F(ItemPicture, RectanglesCoverBothCornersAndOnePixelBoxesAreAPixel) {
  TvoChartItem box = Item(4, 10, 10, 20, 30);
  box.FillColor = clRed;
  TvoChartItem dot = Item(4, 50, 50, 50.4, 49.6, clBlue);
  items = {box, dot};
  Draw();
  EXPECT_EQ(At(10, 10), clBlack);
  EXPECT_EQ(At(20, 30), clBlack);
  EXPECT_EQ(At(21, 31), clWhite);
  EXPECT_EQ(At(15, 20), clRed);
  EXPECT_EQ(At(50, 50), clBlue);
  EXPECT_EQ(Count(clBlue), 1);
  // Outline only: the brush stays clear, and the next filled box fills again.
  items[0].Flags[0] = 1;
  TvoChartItem filled = box;
  filled.X1 = 60;
  filled.X2 = 70;
  items[1] = filled;
  Draw();
  EXPECT_EQ(At(15, 20), clWhite);
  EXPECT_EQ(At(65, 20), clRed);
}

TEST_F(ItemPicture, TextItemsTakeTheirTextAndTheHandlersChange) {
  TvoChartItem shortText = Item(7, 20, 40);
  shortText.SetShortText("Wg");
  shortText.LineWidth = 0;  // the item's own text
  shortText.SetParamAInt(0, 10);
  shortText.SetParamAInt(1, 1);  // opaque
  shortText.FillColor = clRed;
  items = {shortText};
  Draw();
  EXPECT_GT(Count(clRed), 0);
  std::vector<std::string> seen;
  chart.OnBeforeRenderText = [&](TObject*, std::string& text, int, bool) {
    seen.push_back(text);
    text.clear();
  };
  TvoChartItem indexed = shortText;
  indexed.LineWidth = 3;
  chart.ItemTexts(true).Text[3] = "third";
  TvoChartItem beyond = shortText;
  beyond.LineWidth = 51;  // no such entry: an empty text
  TvoChartItem longShort = shortText;
  longShort.ShortText[0] = static_cast<char>(200);  // read as 17
  items = {indexed, beyond, longShort};
  Draw();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], "third");
  EXPECT_EQ(seen[1], "");
  EXPECT_EQ(seen[2].size(), 17u);
  EXPECT_EQ(Count(clBlack), 0);
}

TEST_F(ItemPicture, UnknownModesAndKindsDrawNothingAndLayersAreClamped) {
  TvoChartItem mode6 = Item(2, 10, 10, 90, 70);
  mode6.CoordMode = 6;
  TvoChartItem kind30 = Item(2, 10, 10, 90, 70);
  kind30.Kind = 30;
  TvoChartItem layer99 = Item(2, 10, 20, 90, 20, clRed, 0);
  layer99.Layer = 99;
  chart.ScaleX(16).SetRangeHigh(50);  // layer 16 maps x = 90 beyond the area
  chart.ScaleY(16).SetRangeHigh(80);
  items = {mode6, kind30, layer99};
  Draw();
  EXPECT_EQ(Count(clBlack), 0);
  EXPECT_EQ(At(99, 60), clRed);
}

TEST_F(ItemPicture, SwitchedOffClassesAndLayersFireNoItemEvent) {
  items = {Item(2, 10, 10, 90, 10), Item(2, 10, 20, 90, 20)};
  chart.SetClassVisible(true, 0, false);
  Draw();
  EXPECT_EQ(fired, 0);
  chart.SetClassVisible(true, 0, true);
  chart.SetLayerVisible(1, false);
  Draw();
  EXPECT_EQ(fired, 0);
  chart.SetLayerVisible(1, true);
  Draw();
  EXPECT_EQ(fired, 2);
}

TEST_F(ItemPicture, DashedEllipseAndArcKeepTheirPattern) {
  TvoChartItem ellipse = Item(9, 30, 40, 20, 20, clBlack, 0);
  ellipse.PenStyle = psDot;
  ellipse.Flags[0] = 1;
  items = {ellipse};
  Draw();
  const int dotted = Count(clBlack);
  ellipse.PenStyle = psSolid;
  items = {ellipse};
  Draw();
  EXPECT_NEAR(dotted, Count(clBlack) / 2, 8);
}

}  // namespace
}  // namespace zarn
