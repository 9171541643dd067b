// Painting: the control frame, the plotting area and the final copy.

#include "chart/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

void TCustomVorel::Paint() {}

void TCustomVorel::DrawChartBackground(TCanvas& /*Canvas*/, int /*Left*/, int /*Top*/,
                                       int /*Width*/, int /*Height*/) {}

void TCustomVorel::RenderDataToImage(TBitmap& Image, int LeftOffset, int TopOffset, bool NoGrid,
                                     bool Monochrome) {
  RenderData(Image.Canvas(), LeftOffset, TopOffset, NoGrid, Monochrome);
}

void TCustomVorel::RenderData(TCanvas& /*Canvas*/, int /*LeftOffset*/, int /*TopOffset*/,
                              bool /*NoGrid*/, bool /*Monochrome*/) {}

void TCustomVorel::SetPaintHold(bool value) {
  const bool old = paintHold_;
  paintHold_ = value;
  if (!value && old) Paint();
}

}  // namespace zarn
