#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "chart/zarn_vorel.h"
#include "counting_vorel.h"

namespace {
// Armed, the next allocation of the program fails.
bool failNextAllocation = false;

void* Allocate(std::size_t size) {
  if (failNextAllocation) {
    failNextAllocation = false;
    return nullptr;
  }
  return std::malloc(size ? size : 1);
}
void* AllocateOrThrow(std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
}  // namespace

// Every form that could pair with another is replaced, so that sanitizers see
// one allocator.
void* operator new(std::size_t size) {
  return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
  return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}

namespace zarn {
namespace {

TEST(VorelItems, ListsGrowInStepsOfAllocSize) {
  TVorel chart(nullptr);
  chart.SetAllocSize(0);
  chart.SetAllocSize(1000001);
  EXPECT_EQ(chart.AllocSize(), 1000);
  for (int i = 0; i < 1000; ++i)
    chart.LineToPoint(i, -i);
  EXPECT_EQ(chart.DataCapacity(), 1000);
  chart.LineToPoint(1000, 0);
  EXPECT_EQ(chart.DataCount(), 1001);
  EXPECT_EQ(chart.DataCapacity(), 2000);
  EXPECT_EQ(chart.DataItems()[999].X1, 999.0);
  EXPECT_EQ(chart.DataItems()[999].Y1, -999.0);

  chart.ClearItems();
  EXPECT_EQ(chart.DataCount(), 0);
  EXPECT_EQ(chart.DataCapacity(), 0);
  chart.SetAllocSize(7);
  chart.MovePenTo(0, 0);
  EXPECT_EQ(chart.DataCapacity(), 7);
}

TEST(VorelItems, CommandsCopyTheAttributesOfTheirTime) {
  TVorel chart(nullptr);
  chart.SetDataColor(clBlue);
  chart.SetPenStyle(psDash);
  chart.SetLineWidth(3);
  chart.SetClassDefault(9);
  chart.SetActiveLayer(5);
  chart.MovePenTo(2, 3);
  chart.LineToPoint(0.5, 1.5);
  chart.SetFillColor(clRed);
  const TvoChartItem& pen = chart.DataItems()[0];
  const TvoChartItem& line = chart.DataItems()[1];
  EXPECT_EQ(pen.Kind, 8);
  EXPECT_EQ(pen.CoordMode, 0);  // pixels only in annotations
  EXPECT_EQ(pen.X1, 2.0);
  EXPECT_EQ(pen.FillColor, 0u);
  EXPECT_EQ(line.Kind, 3);
  EXPECT_EQ(line.Color, clBlue);
  EXPECT_EQ(line.PenStyle, psDash);
  EXPECT_EQ(line.LineWidth, 3);
  EXPECT_EQ(line.ItemClass, 9);
  EXPECT_EQ(line.Layer, 5);
  EXPECT_EQ(line.FillColor, clSilver);
  EXPECT_EQ(line.Y1, 1.5);

  chart.SetAnnotationMode(true);
  chart.MovePenTo(4, 5);
  chart.SetAnnotationMode(false);
  ASSERT_EQ(chart.AnnotationCount(), 1);
  EXPECT_EQ(chart.AnnotationItems()[0].CoordMode, 1);
  chart.ClearItems();
  EXPECT_EQ(chart.AnnotationCount(), 1);
}

TEST(VorelItems, OutOfMemoryLeavesTheListAsItWas) {
  TVorel chart(nullptr);
  chart.SetAllocSize(1);
  for (int i = 0; i < 100; ++i)
    chart.LineToPoint(i, i);
  bool threw = false;
  // The storage grows now and then; sooner or later an append must allocate.
  for (int i = 100; i < 5000 && !threw; ++i) {
    const int count = chart.DataCount();
    const int capacity = chart.DataCapacity();
    failNextAllocation = true;
    try {
      chart.LineToPoint(i, i);
    } catch (const std::bad_alloc&) {
      threw = true;
      EXPECT_EQ(chart.DataCount(), count);
      EXPECT_EQ(chart.DataCapacity(), capacity);
      EXPECT_EQ(chart.DataItems()[count - 1].X1, count - 1.0);
    }
    failNextAllocation = false;
  }
  EXPECT_TRUE(threw);
}

TEST(VorelItems, AssignOutOfMemoryLeavesTheChartAsItWasAndListening) {
  TVorel source(nullptr);
  for (int i = 0; i < 50; ++i)
    source.LineToPoint(i, i);
  source.SetMarginLeft(70);
  TCountingVorel chart(nullptr);
  chart.LineToPoint(1, 2);
  chart.SetPaintHold(false);
  failNextAllocation = true;
  EXPECT_THROW(chart.Assign(source), std::bad_alloc);
  failNextAllocation = false;
  EXPECT_EQ(chart.DataCount(), 1);
  EXPECT_EQ(chart.MarginLeft(), 50);
  EXPECT_FALSE(chart.PaintHold());
  chart.Since();
  chart.ScaleX(1).SetRangeHigh(5);  // the settings are still heard, and painted
  EXPECT_EQ(chart.Since(), 1);
}

TEST(VorelItems, ShowItemsRendersOnlyThePlotOrRepaintsAll) {
  struct TRecordingVorel : TCountingVorel {
    using TCountingVorel::TCountingVorel;
    void RenderDataToImage(TBitmap& image, int l, int t, bool noGrid, bool mono) override {
      ++Renders;
      TCountingVorel::RenderDataToImage(image, l, t, noGrid, mono);
    }
    int Renders = 0;
  } chart(nullptr);
  chart.ShowItems();  // no window yet: nothing to show
  EXPECT_EQ(chart.Renders, 0);
  chart.CreateHandle();
  chart.Since();
  chart.ShowItems();
  EXPECT_EQ(chart.Renders, 1);
  EXPECT_EQ(chart.Since(), 0);
  chart.SetAutoRedraw(false);
  chart.ShowItems();
  EXPECT_EQ(chart.Renders, 2);  // through the full paint
  EXPECT_EQ(chart.Since(), 1);
  chart.SetVisible(false);
  chart.ShowItems();
  EXPECT_EQ(chart.Since(), 0);
}

}  // namespace
}  // namespace zarn
