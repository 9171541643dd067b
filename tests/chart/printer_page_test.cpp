// Drawing a chart on a plain bitmap must not bring the 34 MB printer page into being.

#include <gtest/gtest.h>

#include "surface/zarn_printer.h"
#include "tests/support/viewer_chart.h"

namespace zarn {
namespace {

// The page is shared by the process; ctest runs each test alone, so this holds
// unless an earlier test in the same run drew on the printer.
TEST(ChartPrinterPage, MarksTextsAndLabelsOnABitmapLeaveThePageUnallocated) {
  if (Printer().PageAllocated()) GTEST_SKIP() << "an earlier test drew on the printer";
  TVorel chart(nullptr);
  test::BuildSmallChart(chart);
  TTextLabel& label = chart.TextLabel(1);
  label.SetMode(tlBox);
  label.SetVisible(true);
  label.SetCaption("label");
  chart.OnBeforeRenderChartItem = [](TObject*, TvoChartItem& item, int index, bool) {
    item.Kind = index == 0 ? 1 : 7;  // a mark of a font-drawn type, then a text
    item.ParamB = 60;
    item.SetParamAInt(0, 12);
    item.SetShortText("text");
    item.X1 = item.Y1 = 20;
    item.CoordMode = 1;
  };
  chart.SetAnnotationMode(true);
  chart.MovePenTo(0, 0);
  chart.MovePenTo(0, 0);
  TBitmap image;
  image.SetSize(101, 81);
  chart.RenderDataToImage(image, 0, 0, false, false);
  EXPECT_FALSE(Printer().PageAllocated());
}

}  // namespace
}  // namespace zarn
