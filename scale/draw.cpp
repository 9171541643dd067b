// Drawing one scale on a canvas: tick marks, labels, the caption.

#include <algorithm>
#include <cstdint>

#include "scale/draw_pass.h"
#include "scale/scale_internal.h"
#include "scale/zarn_scale.h"

namespace zarn {

using scale_internal::PixelSum;

void TScaleEngine::DrawHorizontalScale(TCanvas& Canvas, int Y) {
  TDrawPass pass(Canvas, true, Y, MaxTickSteps());
  DrawScale(pass);
}

void TScaleEngine::DrawVerticalScale(TCanvas& Canvas, int X) {
  TDrawPass pass(Canvas, false, X, MaxTickSteps());
  DrawScale(pass);
}

void TScaleEngine::DrawScale(TDrawPass& pass) {
  TCanvas& c = pass.Canvas;
  // Keep label point sizes on a device of another resolution (the printer).
  const int dpi = GetDeviceCaps(c.Handle(), LOGPIXELSY);
  if (dpi > 0 && dpi != c.Font().PixelsPerInch()) {
    const int size = c.Font().Size();
    c.Font().SetPixelsPerInch(dpi);
    c.Font().SetSize(size);
  }
  c.Brush().SetStyle(settings_.Transparent ? bsClear : bsSolid);
  numTicks_ = 0;
  switch (settings_.LabelType) {
    case ftDateTime:
      DateTimeSequence(pass);
      break;
    case ftTime:
      if (!TimeSequence(pass)) LinearSequence(pass);
      break;
    default:
      if (settings_.Logarithmic) {
        LogSequence(pass);
      } else {
        LinearSequence(pass);
      }
      break;
  }
  if (!settings_.Caption.empty()) DrawCaption(pass);
}

void TScaleEngine::DrawMark(TDrawPass& pass, int pos, int length) {
  TCanvas& c = pass.Canvas;
  const int b = pass.Base;
  if (pass.Horizontal) {
    c.MoveTo(pos, b);
    c.LineTo(pos, PixelSum(b, settings_.ScaleType == sctXT ? length : -length));
  } else {
    c.MoveTo(b, pos);
    c.LineTo(PixelSum(b, settings_.ScaleType == sctYR ? -length : length), pos);
  }
}

void TScaleEngine::TickDrawn(TDrawPass& pass, long double value, int pos) {
  if (!OnScaleTickDrawn) return;
  const int x = pass.Horizontal ? pos : pass.Base;
  const int y = pass.Horizontal ? pass.Base : pos;
  OnScaleTickDrawn(ScaleSender(), pass.Canvas, settings_.ScaleType, static_cast<double>(value), x,
                   y);
}

std::string TScaleEngine::BeforeLabel(long double value, std::string text) {
  if (OnBeforeTickLabel)
    OnBeforeTickLabel(ScaleSender(), settings_.ScaleType, static_cast<double>(value), text);
  return text;
}

// centreHeight: the height a vertical scale centres the label with (0: the
// label's own). lines: 1 puts a date line one text height beyond the label.
void TScaleEngine::PlaceLabel(TDrawPass& pass, int pos, const std::string& text, int centreHeight,
                              int lines) {
  if (text.empty()) return;
  TCanvas& c = pass.Canvas;
  const TPoint size = c.TextExtent(text);
  const int w = size.X;
  const int h = size.Y;
  const std::int64_t lineShift = std::int64_t{lines} * h;
  int left;
  int top;
  if (pass.Horizontal) {
    const std::int64_t half = w / 2;
    const std::int64_t width = extentWidth_;
    left = pos + half < width - 2 ? PixelSum(pos, -std::min(half, pos - std::int64_t{2}))
                                  : PixelSum(width, -2 * half, -2);
    top = settings_.ScaleType == sctXT ? PixelSum(pass.Base, 7, lineShift)
                                       : PixelSum(pass.Base, -h, -7, -lineShift);
  } else {
    left = settings_.ScaleType == sctYR ? PixelSum(pass.Base, -8, -w) : PixelSum(pass.Base, 8);
    top = lines > 0 ? PixelSum(pos, -3 * std::int64_t{h / 2})
                    : PixelSum(pos, -(centreHeight > 0 ? centreHeight : h) / 2);
  }
  c.TextOut(left, top, text);
}

void TScaleEngine::DrawCaption(TDrawPass& pass) {
  TCanvas& c = pass.Canvas;
  const bool horizontal = pass.Horizontal;
  const std::int64_t nearMargin = horizontal ? settings_.MarginLeft : settings_.MarginTop;
  const std::int64_t farMargin = horizontal ? settings_.MarginRight : settings_.MarginBottom;
  const std::int64_t extent = horizontal ? extentWidth_ : extentHeight_;
  std::int64_t along;
  switch (settings_.CaptionAnchor) {
    case uaSclCenter:
      along = nearMargin + (extent - nearMargin - farMargin) / 2;
      break;
    case uaSclBotRgt:
      along = extent - farMargin;
      break;
    default:
      along = nearMargin;
      break;
  }
  int x = horizontal ? PixelSum(along, settings_.CaptionPosX)
                     : PixelSum(pass.Base, settings_.CaptionPosX);
  const int y = horizontal ? PixelSum(pass.Base, settings_.CaptionPosY)
                           : PixelSum(along, settings_.CaptionPosY);
  const int w = c.TextWidth(settings_.Caption);
  if (settings_.CaptionAlignment == taRightJustify) {
    x = PixelSum(x, -w);
  } else if (settings_.CaptionAlignment == taCenter) {
    x = PixelSum(x, -(w / 2));
  }
  c.TextOut(x, y, settings_.Caption);
}

}  // namespace zarn
