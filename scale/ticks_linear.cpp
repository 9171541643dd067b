// The linear tick sequence and its labels.

#include <cmath>

#include "base/zarn_ticks.h"
#include "scale/draw_pass.h"
#include "scale/scale_internal.h"
#include "scale/zarn_scale.h"

namespace zarn {

using scale_internal::RoundEven;

void TScaleEngine::LinearLabel(TDrawPass& pass, long double& p, int n, int pos) {
  const int k = pass.Decimals;
  const long double span = static_cast<long double>(rangeHigh_) - rangeLow_;
  std::string text;
  if (std::fabs(p / span) < 1e-14L) {
    // Sums of tick distances leave 1e-17 where 0 is meant.
    p = 0;
    if (std::fabs(span) > 100000) {
      text = k == 0 ? "0" : "0.0";
    } else {
      text = FormatTickNumber(0, k);
    }
  } else {
    text = FormatTickNumber(p, k);
  }
  if (text.size() > 14) text.resize(14);
  if (decPlaces_ == 0 && std::fabs(p - RoundEven(p)) > 0.000001L) text.clear();
  if (labelType_ == ftUserText) {
    text = UserTickTextPiece(userTickText_, n);
  } else {
    text = ApplyInscript(text, scaleInscript_);
  }
  PlaceLabel(pass, pos, BeforeLabel(p, std::move(text)), pass.ZeroHeight, 0);
}

void TScaleEngine::LinearSequence(TDrawPass& pass) {
  const TTickStep step = NiceTickStep(minTicks_, rangeLow_, rangeHigh_);
  if (step.TickDistance == 0) return;
  const long double dist = step.TickDistance;
  const long double first = step.FirstTick;
  const long double s = dist / step.ShortTickCount;
  const long double d = rangeHigh_ > rangeLow_ ? 1 : -1;
  const long double low = rangeLow_;
  const long double high = rangeHigh_;

  if (shortTicks_) {
    const long double s0 = first - dist;
    for (int i = 0; i < pass.MaxSteps; ++i) {
      const long double p = s0 + i * s;
      if (d * p >= d * low) {
        Record(static_cast<double>(p));
        const int pos = ValueToPixel(static_cast<double>(p));
        DrawMark(pass, pos, 4);
        TickDrawn(pass, p, pos);
      }
      if (!(d * 0.001L * s >= d * (s0 + (i + 1) * s - high))) break;
    }
  }

  const bool labels = labelType_ != ftNoFigs;
  pass.Decimals = AutoDecimals(decPlaces_, rangeHigh_, rangeLow_);
  if (labels && !pass.Horizontal) pass.ZeroHeight = pass.Canvas.TextHeight("0");
  const int length = pass.Horizontal ? 7 : 6;
  for (int i = 0; i < pass.MaxSteps; ++i) {
    long double p = first + i * dist;
    const int pos = ValueToPixel(static_cast<double>(p));
    DrawMark(pass, pos, length);
    if (!pass.Horizontal || !shortTicks_) Record(static_cast<double>(p));
    if (pass.Horizontal) {
      if (labels) LinearLabel(pass, p, i + 1, pos);
      TickDrawn(pass, p, pos);
    } else {
      TickDrawn(pass, p, pos);
      if (labels) LinearLabel(pass, p, i + 1, pos);
    }
    if (!(d * 0.001L * dist >= d * (first + (i + 1) * dist - high))) break;
  }
}

}  // namespace zarn
