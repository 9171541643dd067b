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
  const long double span = static_cast<long double>(settings_.RangeHigh) - settings_.RangeLow;
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
  if (settings_.DecPlaces == 0 && std::fabs(p - RoundEven(p)) > 0.000001L) text.clear();
  if (settings_.LabelType == ftUserText) {
    text = UserTickTextPiece(settings_.UserTickText, n);
  } else {
    text = ApplyInscript(text, settings_.ScaleInscript);
  }
  PlaceLabel(pass, pos, BeforeLabel(p, std::move(text)), pass.ZeroHeight, 0);
}

void TScaleEngine::LinearSequence(TDrawPass& pass) {
  const TTickStep step = NiceTickStep(settings_.MinTicks, settings_.RangeLow, settings_.RangeHigh);
  if (step.TickDistance == 0) return;
  const long double dist = step.TickDistance;
  const long double first = step.FirstTick;
  const long double s = dist / step.ShortTickCount;
  const long double d = settings_.RangeHigh > settings_.RangeLow ? 1 : -1;
  const long double low = settings_.RangeLow;
  const long double high = settings_.RangeHigh;

  if (settings_.ShortTicks) {
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

  const bool labels = settings_.LabelType != ftNoFigs;
  pass.Decimals = AutoDecimals(settings_.DecPlaces, settings_.RangeHigh, settings_.RangeLow);
  if (labels && !pass.Horizontal) pass.ZeroHeight = pass.Canvas.TextHeight("0");
  const int length = pass.Horizontal ? 7 : 6;
  for (int i = 0; i < pass.MaxSteps; ++i) {
    long double p = first + i * dist;
    const int pos = ValueToPixel(static_cast<double>(p));
    DrawMark(pass, pos, length);
    if (!pass.Horizontal || !settings_.ShortTicks) Record(static_cast<double>(p));
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
