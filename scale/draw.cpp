// Drawing one scale on a canvas: tick marks, labels, the caption.

#include <algorithm>

#include "scale/draw_pass.h"
#include "scale/zarn_scale.h"

namespace zarn {

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
  c.Brush().SetStyle(transparent_ ? bsClear : bsSolid);
  numTicks_ = 0;
  switch (labelType_) {
    case ftDateTime:
      DateTimeSequence(pass);
      break;
    case ftTime:
      if (!TimeSequence(pass)) LinearSequence(pass);
      break;
    default:
      if (logarithmic_) {
        LogSequence(pass);
      } else {
        LinearSequence(pass);
      }
      break;
  }
  if (!caption_.empty()) DrawCaption(pass);
}

void TScaleEngine::DrawMark(TDrawPass& pass, int pos, int length) {
  TCanvas& c = pass.Canvas;
  const int b = pass.Base;
  if (pass.Horizontal) {
    c.MoveTo(pos, b);
    c.LineTo(pos, scaleType_ == sctXT ? b + length : b - length);
  } else {
    c.MoveTo(b, pos);
    c.LineTo(scaleType_ == sctYR ? b - length : b + length, pos);
  }
}

void TScaleEngine::TickDrawn(TDrawPass& pass, long double value, int pos) {
  if (!OnScaleTickDrawn) return;
  const int x = pass.Horizontal ? pos : pass.Base;
  const int y = pass.Horizontal ? pass.Base : pos;
  OnScaleTickDrawn(ScaleSender(), pass.Canvas, scaleType_, static_cast<double>(value), x, y);
}

std::string TScaleEngine::BeforeLabel(long double value, std::string text) {
  if (OnBeforeTickLabel)
    OnBeforeTickLabel(ScaleSender(), scaleType_, static_cast<double>(value), text);
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
  int left;
  int top;
  if (pass.Horizontal) {
    const int half = w / 2;
    const int width = extentWidth_;
    left = pos + half < width - 2 ? pos - std::min(half, pos - 2) : width - 2 * half - 2;
    top = scaleType_ == sctXT ? pass.Base + 7 + lines * h : pass.Base - h - 7 - lines * h;
  } else {
    left = scaleType_ == sctYR ? pass.Base - 8 - w : pass.Base + 8;
    top = lines > 0 ? pos - 3 * (h / 2) : pos - (centreHeight > 0 ? centreHeight : h) / 2;
  }
  c.TextOut(left, top, text);
}

void TScaleEngine::DrawCaption(TDrawPass& pass) {
  TCanvas& c = pass.Canvas;
  int x;
  int y;
  if (pass.Horizontal) {
    switch (captionAnchor_) {
      case uaSclCenter:
        x = marginLeft_ + (extentWidth_ - marginLeft_ - marginRight_) / 2;
        break;
      case uaSclBotRgt:
        x = extentWidth_ - marginRight_;
        break;
      default:
        x = marginLeft_;
        break;
    }
    x += captionPosX_;
    y = pass.Base + captionPosY_;
  } else {
    switch (captionAnchor_) {
      case uaSclCenter:
        y = marginTop_ + (extentHeight_ - marginTop_ - marginBottom_) / 2;
        break;
      case uaSclBotRgt:
        y = extentHeight_ - marginBottom_;
        break;
      default:
        y = marginTop_;
        break;
    }
    y += captionPosY_;
    x = pass.Base + captionPosX_;
  }
  const int w = c.TextWidth(caption_);
  if (captionAlignment_ == taRightJustify) {
    x -= w;
  } else if (captionAlignment_ == taCenter) {
    x -= w / 2;
  }
  c.TextOut(x, y, caption_);
}

}  // namespace zarn
