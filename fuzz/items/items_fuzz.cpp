// Random item lists painted on a headless chart: every kind, coordinate mode,
// pen, class and layer (named values and the bytes beyond them), coordinates
// from the whole double range with its infinities and NaN, texts of any
// length, over axes, grids, crosshairs and labels set up from the input too.
// A paint may draw anything; it must not crash, hang or leak.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "chart/zarn_vorel.h"

namespace {

using namespace zarn;

double Coordinate(FuzzedDataProvider& in) {
  constexpr double kSpecial[] = {0,
                                 -0.0,
                                 1,
                                 -1,
                                 0.5,
                                 1e-100,
                                 1e-300,
                                 5e-324,
                                 1e308,
                                 -1e308,
                                 std::numeric_limits<double>::max(),
                                 std::numeric_limits<double>::lowest(),
                                 std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN(),
                                 2147483647.5,
                                 -2147483648.5,
                                 30000.5,
                                 1e10};
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
      return in.PickValueInArray(kSpecial);
    case 1:
      return in.ConsumeIntegralInRange(-400, 400);
    case 2:
      return in.ConsumeFloatingPointInRange(-2.0, 2.0);
    default:
      return in.ConsumeFloatingPoint<double>();
  }
}

TvoChartItem Item(FuzzedDataProvider& in) {
  TvoChartItem item{};
  // Kinds and modes mostly among the defined ones, now and then any byte.
  item.Kind = in.ConsumeBool() ? in.ConsumeIntegralInRange<std::uint8_t>(0, 25)
                               : in.ConsumeIntegral<std::uint8_t>();
  item.CoordMode = in.ConsumeBool() ? in.ConsumeIntegralInRange<std::uint8_t>(0, 6)
                                    : in.ConsumeIntegral<std::uint8_t>();
  item.X1 = Coordinate(in);
  item.Y1 = Coordinate(in);
  item.X2 = Coordinate(in);
  item.Y2 = Coordinate(in);
  item.Color = in.ConsumeIntegral<TColor>();
  item.FillColor = in.ConsumeIntegral<TColor>();
  item.PenStyle = static_cast<TPenStyle>(in.ConsumeIntegralInRange<int>(0, 8));
  item.LineWidth =
      in.ConsumeBool() ? in.ConsumeIntegralInRange(-2, 60) : in.ConsumeIntegral<std::int32_t>();
  item.ItemClass = in.ConsumeIntegral<std::uint8_t>();
  item.Layer = in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 17) : in.ConsumeIntegral<int>();
  item.Flags = {in.ConsumeIntegral<std::uint8_t>(), in.ConsumeIntegral<std::uint8_t>()};
  item.ParamA = {};
  if (in.ConsumeBool()) {
    item.SetParamADouble(Coordinate(in));
  } else {
    item.SetParamAInt(0, in.ConsumeIntegralInRange(-100, 100000000));
    item.SetParamAInt(1, in.ConsumeIntegral<std::int32_t>());
  }
  item.ParamB = in.ConsumeBool() ? in.ConsumeIntegralInRange(-1, 60) : in.ConsumeIntegral<int>();
  item.ParamC = in.ConsumeIntegral<std::int32_t>();
  item.ParamD = in.ConsumeIntegral<std::int32_t>();
  const std::string text = in.ConsumeRandomLengthString(20);
  item.ShortText.fill(0);
  for (std::size_t i = 0; i < text.size() && i < item.ShortText.size(); ++i)
    item.ShortText[i] = text[i];  // the length byte included, whatever it says
  return item;
}

void SetUpAxes(TVorel& chart, FuzzedDataProvider& in) {
  for (int layer = 1; layer <= 3; ++layer) {
    TScaleProps& x = chart.ScaleX(layer);
    TScaleProps& y = chart.ScaleY(layer);
    chart.SetLayerRange(layer, Coordinate(in), Coordinate(in), Coordinate(in), Coordinate(in));
    x.SetVisible(in.ConsumeBool());
    y.SetVisible(in.ConsumeBool());
    // Code may switch an axis logarithmic before the chart is loaded;
    // the chart reports what it cannot map.
    x.SetLogarithmic(in.ConsumeBool());
    y.SetLogarithmic(in.ConsumeBool());
    x.SetLabelType(static_cast<TFigType>(in.ConsumeIntegralInRange(0, 4)));
    x.SetScalePos(in.ConsumeIntegralInRange(-100, 100));
  }
  chart.SetGridStyle(static_cast<GridStyleType>(in.ConsumeIntegralInRange(0, 7)));
  chart.SetGridDx(in.ConsumeBool() ? in.ConsumeIntegralInRange(-3, 0) : Coordinate(in));
  chart.SetGridDy(in.ConsumeBool() ? in.ConsumeIntegralInRange(-3, 0) : Coordinate(in));
}

void SetUpOverlays(TVorel& chart, FuzzedDataProvider& in) {
  for (int i = 1; i <= kVorelCrossHairs; ++i) {
    TCrossHair& c = chart.CrossHair(i);
    c.SetMode(static_cast<TCrossHMode>(in.ConsumeIntegralInRange(0, 5)));
    c.SetPosX(Coordinate(in));
    c.SetPosY(Coordinate(in));
    c.SetLineWid(in.ConsumeIntegralInRange(-1, 40));
    c.SetLineType(static_cast<TPenStyle>(in.ConsumeIntegralInRange(0, 6)));
  }
  for (int i = 1; i <= 3; ++i) {
    TTextLabel& label = chart.TextLabel(i);
    label.SetMode(static_cast<TTxtLblMode>(in.ConsumeIntegralInRange(0, 4)));
    label.SetVisible(true);
    label.SetAttachToData(static_cast<TTxtLblAttachMode>(in.ConsumeIntegralInRange(0, 3)));
    label.SetPosX(Coordinate(in));
    label.SetPosY(Coordinate(in));
    label.SetCaption(in.ConsumeRandomLengthString(200));
  }
  TBakGndImg& background = chart.BackGroundImg();
  background.SetAreaMode(static_cast<TBGAreaMode>(in.ConsumeIntegralInRange(0, 10)));
  background.SetAreaLeft(Coordinate(in));
  background.SetAreaRight(Coordinate(in));
  background.SetAreaTop(Coordinate(in));
  background.SetAreaBottom(Coordinate(in));
}

void SetUpChart(TVorel& chart, FuzzedDataProvider& in) {
  chart.SetMarginLeft(in.ConsumeIntegralInRange(-20, 120));
  chart.SetMarginRight(in.ConsumeIntegralInRange(-20, 60));
  chart.SetMarginTop(in.ConsumeIntegralInRange(-20, 60));
  chart.SetMarginBottom(in.ConsumeIntegralInRange(-20, 80));
  chart.SetShadowWidth(in.ConsumeIntegralInRange(0, 33));
  chart.SetBounds(0, 0, in.ConsumeIntegralInRange(0, 700), in.ConsumeIntegralInRange(0, 500));
  chart.SetIsometric(in.ConsumeBool());
  chart.SetAvoidDuplicateMarks(in.ConsumeBool());
  chart.SetMinDupMarkDist(in.ConsumeIntegralInRange(0, 4));
  chart.SetShowAnnotations(in.ConsumeBool());
  chart.SetDataAboveAnnotations(in.ConsumeBool());
  chart.SetTextAnnotationsLast(in.ConsumeBool());
  chart.SetLayerVisible(in.ConsumeIntegralInRange(0, 17), in.ConsumeBool());
  chart.SetClassVisible(in.ConsumeBool(), in.ConsumeIntegral<std::uint8_t>(), false);
  chart.SetTextBkStyle(static_cast<TTextBkg>(in.ConsumeIntegralInRange(0, 1)));
  for (bool annotation : {false, true}) {
    TVoItemTexts& texts = chart.ItemTexts(annotation);
    texts.Count = in.ConsumeIntegralInRange(-1, kVorelItemTexts + 1);
    for (int i = 1; i <= 3; ++i)
      texts.Text[static_cast<std::size_t>(i)] = in.ConsumeRandomLengthString(300);
  }
  SetUpAxes(chart, in);
  SetUpOverlays(chart, in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  TVorel chart(nullptr);
  try {
    SetUpChart(chart, in);
  } catch (const EZarnVorelError&) {
    // A logarithmic axis over 0: the setter reports it, the paint must cope.
  }
  std::vector<TvoChartItem> data_items, annotations;
  const int count = in.ConsumeIntegralInRange(0, 400);
  for (int i = 0; i < count && in.remaining_bytes() > 0; ++i)
    (in.ConsumeBool() ? annotations : data_items).push_back(Item(in));
  chart.SetAnnotationMode(true);
  for (std::size_t i = 0; i < annotations.size(); ++i)
    chart.MovePenTo(0, 0);
  chart.SetAnnotationMode(false);
  for (std::size_t i = 0; i < data_items.size(); ++i)
    chart.LineToPoint(0, 0);
  chart.OnBeforeRenderChartItem = [&](TObject*, TvoChartItem& item, int index, bool annotation) {
    const auto& list = annotation ? annotations : data_items;
    if (index >= 0 && static_cast<std::size_t>(index) < list.size())
      item = list[static_cast<std::size_t>(index)];
  };
  chart.SetPaintHold(false);  // paints
  chart.ShowItems();
  TBitmap printed(chart.Width(), chart.Height());
  chart.RenderDataToImage(printed, 3, 5, false, true);  // monochrome, offset
  return 0;
}
