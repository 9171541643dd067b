// Series against items: the same points drawn as a series and as a move item
// followed by line items must set the same pixels, for any data, pen and axis,
// including where the series reduces dense columns or cuts sorted x to the range.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "chart/zarn_vorel.h"

namespace zarn {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct TData {
  std::vector<double> X, Y;
};

// Random data of one of several shapes, some of it far outside the ranges.
TData RandomData(std::mt19937& rng, bool logX, bool logY) {
  std::uniform_int_distribution<int> pick(0, 5);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const int n = std::uniform_int_distribution<int>(1, 6000)(rng);
  const int shape = pick(rng);
  TData d;
  double y = 0.5;
  for (int i = 0; i < n; ++i) {
    double x = shape == 0 ? unit(rng) * 1.4 - 0.2 : -0.3 + 1.6 * i / n;  // sorted but for shape 0
    if (shape == 1 && unit(rng) < 0.3) x = -0.3 + 1.6 * (i - 1) / n;     // repeated x
    switch (shape) {
      case 2:  // spikes on a flat line
        y = unit(rng) < 0.02 ? unit(rng) * 4 - 2 : 0.5;
        break;
      case 3:  // plateaus
        if (unit(rng) < 0.01) y = unit(rng);
        break;
      default:  // a random walk
        y += (unit(rng) - 0.5) * 0.05;
    }
    double px = x, py = y;
    const double r = unit(rng);
    if (r < 0.004)
      px = shape == 0 ? kNaN : px;  // sorted x stays sorted
    else if (r < 0.008)
      py = kNaN;
    else if (r < 0.010)
      py = -kInf;
    else if (r < 0.012)
      py = 1e12;
    else if (r < 0.014)
      px = (shape == 0 ? -1e12 : px);
    if (logX && std::isfinite(px)) px = std::pow(10.0, px * 3);
    if (logY && std::isfinite(py)) py = std::pow(10.0, py * 3);
    d.X.push_back(px);
    d.Y.push_back(py);
  }
  return d;
}

// Two charts alike: one draws the data as a series, the other as items.
struct TPair {
  TVorel series{nullptr};
  TVorel items{nullptr};
  std::vector<std::pair<double, double>> moves;  // the move items' world points

  template <class F>
  void Both(F f) {
    f(series);
    f(items);
  }

  // marks: the type of the marks at the points, -1 for none.
  void Load(const TData& d, int marks = -1) {
    series.AddSeries(std::make_shared<TSeriesPoints>(d.X, d.Y));
    series.Series(0).ShowMarks = marks >= 0;
    series.Series(0).MarkType = static_cast<std::uint8_t>(std::max(marks, 0));
    bool penUp = true;
    for (std::size_t i = 0; i < d.X.size(); ++i) {
      if (!std::isfinite(d.X[i]) || !std::isfinite(d.Y[i])) {
        penUp = true;
      } else if (penUp) {
        // A move item takes whole numbers; the handler gives it the point.
        items.MovePenTo(0, 0);
        moves.emplace_back(d.X[i], d.Y[i]);
        penUp = false;
      } else {
        items.LineToPoint(d.X[i], d.Y[i]);
      }
    }
    // The marks follow the line as line items the handler makes mark items.
    const int firstMark = items.DataCount();
    if (marks >= 0)
      for (std::size_t i = 0; i < d.X.size(); ++i)
        items.LineToPoint(d.X[i], d.Y[i]);
    items.OnBeforeRenderChartItem = [this, firstMark, marks, next = std::size_t{0}](
                                        TObject*, TvoChartItem& item, int index, bool) mutable {
      if (index == 0) next = 0;
      if (index >= firstMark) {
        item.Kind = ikMark;
        item.ParamB = marks;
      } else if (item.Kind == ikMoveTo) {
        item.X1 = moves[next].first;
        item.Y1 = moves[next++].second;
      }
    };
  }

  // scale: device pixels per chart pixel, where lines are placed finer.
  ::testing::AssertionResult Same(bool monochrome, int scale = 1) {
    TBitmap a, b;
    a.SetCanvasSize(series.PlotWidth(), series.PlotHeight(), scale);
    b.SetCanvasSize(items.PlotWidth(), items.PlotHeight(), scale);
    series.RenderDataToImage(a, 0, 0, false, monochrome);
    items.RenderDataToImage(b, 0, 0, false, monochrome);
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x)
        if (a.ScanLine(y)[x] != b.ScanLine(y)[x])
          return ::testing::AssertionFailure()
                 << "pixel " << x << "," << y << " differs: " << std::hex << a.ScanLine(y)[x]
                 << " against " << b.ScanLine(y)[x];
    return ::testing::AssertionSuccess();
  }
};

TEST(SeriesAgainstItems, EveryPixelAgreesOnRandomDataPensAndAxes) {
  std::mt19937 rng(20261209);
  std::uniform_int_distribution<int> coin(0, 1);
  const TPenStyle styles[] = {psSolid,      psDash,  psDot,        psDashDot,
                              psDashDotDot, psClear, psInsideFrame};
  for (int round = 0; round < 300; ++round) {
    TPair pair;
    const bool logX = round % 7 == 3, logY = round % 5 == 4;
    const int w = std::uniform_int_distribution<int>(120, 420)(rng);
    const int h = std::uniform_int_distribution<int>(100, 300)(rng);
    const TPenStyle style = styles[round % 7 < 3 ? 0 : round % 7];
    const int width = round % 4 == 1 ? 2 + round % 3 : 1;
    const bool reversedX = coin(rng) != 0, reversedY = coin(rng) != 0;
    const bool xor_ = round % 11 == 5, watched = round % 13 == 6;
    pair.Both([&](TVorel& c) {
      c.SetBounds(0, 0, w, h);
      c.SetDataColor(round % 2 ? clRed : clNavy);
      c.SetFillColor(clYellow);
      c.SetPenStyle(style);
      c.SetLineWidth(width);
      const double lo = logX ? 10.0 : 0.0, hi = logX ? 100.0 : 1.0;
      c.ScaleX(1).SetRangeLow(reversedX ? hi : lo);
      c.ScaleX(1).SetRangeHigh(reversedX ? lo : hi);
      c.ScaleY(1).SetRangeLow(reversedY ? (logY ? 100.0 : 1.0) : (logY ? 10.0 : 0.0));
      c.ScaleY(1).SetRangeHigh(reversedY ? (logY ? 10.0 : 0.0) : (logY ? 100.0 : 1.0));
      c.ScaleX(1).SetLogarithmic(logX);
      c.ScaleY(1).SetLogarithmic(logY);
      if (xor_)
        c.OnBeforeRenderData = [](TObject*, TCanvas& canvas, int, int) {
          canvas.Pen().SetMode(pmXor);
        };
      if (watched) c.OnDataRendered = [](TObject*, TCanvas&, int, int) {};
    });
    const int marks = round % 6 == 5 ? std::uniform_int_distribution<int>(0, 60)(rng) : -1;
    const TData data = RandomData(rng, logX, logY);
    pair.Load(data, marks);
    ASSERT_TRUE(pair.Same(round % 9 == 2, round % 4 == 3 ? 2 + round % 3 : 1)) << "round " << round;
  }
}

TEST(SeriesAgainstItems, HiddenLayersAndClassesHideTheSeriesToo) {
  TPair pair;
  pair.Both([](TVorel& c) {
    c.SetBounds(0, 0, 200, 150);
    c.SetActiveLayer(2);
    c.SetClassDefault(7);
  });
  pair.Load({{0.1, 0.5, 0.9}, {0.1, 0.9, 0.2}});
  TVorel blank(nullptr);
  blank.SetBounds(0, 0, 200, 150);
  pair.Both([](TVorel& c) { c.SetLayerVisible(2, false); });
  EXPECT_TRUE(pair.Same(false));
  pair.Both([](TVorel& c) {
    c.SetLayerVisible(2, true);
    c.SetClassVisible(false, 7, false);
  });
  EXPECT_TRUE(pair.Same(false));
  TBitmap hidden, empty;
  hidden.SetSize(pair.series.PlotWidth(), pair.series.PlotHeight());
  empty.SetSize(blank.PlotWidth(), blank.PlotHeight());
  pair.series.RenderDataToImage(hidden, 0, 0, false, false);
  blank.RenderDataToImage(empty, 0, 0, false, false);
  EXPECT_EQ(hidden.Pixels(), empty.Pixels());
}

TEST(SeriesPoints, AppendingKeepsEveryPointOnceInOrderWithoutMovingAny) {
  std::vector<double> x0 = {0, 1, 2}, y0 = {5, 6, 7};
  const double* moved = x0.data();
  TSeriesPoints points(std::move(x0), std::move(y0));
  EXPECT_EQ(points.BlockX(0).data(), moved);  // taken over, not copied
  for (int i = 3; i < 200000; ++i)
    points.Append(i, -i);
  const double* first = points.BlockX(1).data();
  const std::vector<double> more(70000, 1e6);
  points.Append(more, more);
  EXPECT_EQ(points.BlockX(0).data(), moved);
  EXPECT_EQ(points.BlockX(1).data(), first);
  ASSERT_EQ(points.Size(), 270000u);
  for (std::size_t i = 3; i < 200000; i += 997) {
    EXPECT_EQ(points.X(i), static_cast<double>(i));
    EXPECT_EQ(points.Y(i), -static_cast<double>(i));
  }
  EXPECT_EQ(points.X(269999), 1e6);
  EXPECT_TRUE(points.SortedX());
  EXPECT_EQ(points.LowerBoundX(70000.5), 70001u);
  EXPECT_EQ(points.UpperBoundX(1e6), 270000u);
  EXPECT_EQ(points.LowerBoundX(-5), 0u);

  points.Set(5, 4.5, 0);  // still in order
  EXPECT_TRUE(points.SortedX());
  points.Set(5, 100, 0);
  EXPECT_FALSE(points.SortedX());
  points.Set(270000, 0, 0);  // beyond the end: ignored
  EXPECT_EQ(points.Size(), 270000u);
  points.Clear();
  points.Append(kNaN, 1);
  EXPECT_FALSE(points.SortedX());
}

TEST(SeriesOnAChart, ChangesByTheCallerShowAtTheNextShowItemsAndSharersSeeThem) {
  TVorel chart(nullptr), sharer(nullptr);
  for (TVorel* c : {&chart, &sharer}) {
    c->SetBounds(0, 0, 200, 150);
    c->SetPaintHold(false);
  }
  auto points = std::make_shared<TSeriesPoints>();
  EXPECT_EQ(chart.AddSeries(points), 0);
  chart.ShowItems();
  const std::vector<TColor> empty = chart.Surface().Pixels();
  points->Append(0.1, 0.1);
  points->Append(0.9, 0.9);
  chart.ShowItems();
  const std::vector<TColor> drawn = chart.Surface().Pixels();
  EXPECT_NE(drawn, empty);

  sharer.SetUseDataOf(&chart);
  EXPECT_EQ(sharer.SeriesCount(), 1);
  sharer.ShowItems();
  EXPECT_EQ(sharer.Surface().Pixels(), drawn);

  TVorel copy(nullptr);
  copy.Assign(chart);  // the same points, shared
  ASSERT_EQ(copy.SeriesCount(), 1);
  EXPECT_EQ(copy.Series(0).Points, points);

  chart.Series(0).Color = clRed;
  points->Set(1, 0.9, 0.1);
  chart.ShowItems();
  EXPECT_NE(chart.Surface().Pixels(), drawn);
  chart.RemoveSeries(0);
  EXPECT_EQ(sharer.SeriesCount(), 0);
  EXPECT_THROW(chart.Series(0), EZarnVorelError);
  EXPECT_THROW(chart.RemoveSeries(-1), EZarnVorelError);
  chart.ShowItems();
  EXPECT_EQ(chart.Surface().Pixels(), empty);
}

}  // namespace
}  // namespace zarn

namespace zarn {
namespace {

// Items take the double transform unless a handler could change a transform
// between them: both ways must give every pixel alike, points on pixel
// halves included.
TEST(ItemTransforms, TheDoubleTransformGivesTheExactPixelsAtEveryScale) {
  std::mt19937 rng(91);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int round = 0; round < 60; ++round) {
    const int scale = 1 + round % 3;
    TVorel fast(nullptr), exact(nullptr);
    exact.OnBeforeRenderChartItem = [](TObject*, TvoChartItem&, int, bool) {};
    const bool logY = round % 3 == 1;
    const double lo = round % 2 ? 1.0 : 0.0, hi = round % 2 ? 0.0 : 1.0;
    std::vector<std::pair<double, double>> points;
    const int w = 100 + round * 7;
    for (int i = 0; i < 3000; ++i) {
      // Many on a pixel's half, where the two transforms could part.
      const double x = i % 2 ? unit(rng) : (std::floor(unit(rng) * w) + 0.5) / w;
      const double y = unit(rng) * (i % 97 == 0 ? 1e13 : 1.0);
      points.emplace_back(x, logY ? std::pow(10.0, 1 + y) : y);
    }
    for (TVorel* c : {&fast, &exact}) {
      c->SetBounds(0, 0, w + 70, 140);
      c->ScaleX(1).SetRangeLow(lo);
      c->ScaleX(1).SetRangeHigh(hi);
      if (logY) {
        c->ScaleY(1).SetRangeHigh(100);
        c->ScaleY(1).SetRangeLow(10);
        c->ScaleY(1).SetLogarithmic(true);
      }
      c->MovePenTo(0, 0);
      for (const auto& [x, y] : points)
        c->LineToPoint(x, y);
    }
    TBitmap a, b;
    a.SetCanvasSize(fast.PlotWidth(), fast.PlotHeight(), scale);
    b.SetCanvasSize(exact.PlotWidth(), exact.PlotHeight(), scale);
    fast.RenderDataToImage(a, 0, 0, false, false);
    exact.RenderDataToImage(b, 0, 0, false, false);
    ASSERT_EQ(a.Pixels(), b.Pixels()) << "round " << round;
    // The line passes each point where the transform at the device's scale
    // puts it, not where a pixel of the chart would.
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      int wx, wy;
      fast.WorldToPixel(1, points[i].first, points[i].second, wx, wy, scale);
      const std::int64_t px = std::int64_t{wx} - scale * fast.MarginLeft();
      const std::int64_t py = std::int64_t{wy} - scale * fast.MarginTop();
      if (px < scale || py < scale || px >= a.Width() - scale || py >= a.Height() - scale) continue;
      ASSERT_EQ(a.ScanLine(static_cast<int>(py))[px], ColorToRGB(fast.DataColor()))
          << "round " << round << ", " << i;
    }
  }
}

}  // namespace
}  // namespace zarn
