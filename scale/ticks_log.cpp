// The logarithmic tick sequence and its labels.

#include <algorithm>
#include <cmath>

#include "scale/draw_pass.h"
#include "scale/scale_internal.h"
#include "scale/zarn_scale.h"

namespace zarn {

using scale_internal::Floor;
using scale_internal::PowerOfTen;

void TScaleEngine::LogLabel(TDrawPass& pass, long double v, int f, int exponent, int pos) {
  const int k = pass.Decimals;
  std::string text;
  if (k == -3) {
    if (f == 1) text = FormatTickNumber(exponent, 0);
  } else {
    text = FormatTickNumber(v, k);
  }
  if (text.size() > 14) text.resize(14);
  if (settings_.DecPlaces == -2 && text.find('.') != std::string::npos &&
      text.find_first_of("eE") == std::string::npos) {
    while (!text.empty() && text.back() == '0')
      text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
  }
  ++pass.LabelCount;
  if (settings_.LabelType == ftUserText) {
    text = UserTickTextPiece(settings_.UserTickText, pass.LabelCount);
  } else {
    text = ApplyInscript(text, settings_.ScaleInscript);
  }
  PlaceLabel(pass, pos, BeforeLabel(v, std::move(text)), pass.ZeroHeight, 0);
}

void TScaleEngine::LogSequence(TDrawPass& pass) {
  const long double decades =
      std::fabs(std::log(static_cast<long double>(settings_.RangeHigh) / settings_.RangeLow) /
                std::log(10.0L));
  if (decades < 1) {
    LinearSequence(pass);
    return;
  }
  const long double lo = std::min(settings_.RangeLow, settings_.RangeHigh);
  const long double hi = std::max(settings_.RangeLow, settings_.RangeHigh);
  // Ends that cannot be shown logarithmically get no ticks (the mapping was
  // left as it was for them, too).
  if (!(lo > 0) || !std::isfinite(hi)) return;
  const bool dense = settings_.MinTicks > decades + 0.5L;
  const bool labels = settings_.LabelType != ftNoFigs;
  pass.Decimals = AutoLogDecimals(settings_.DecPlaces, settings_.RangeLow, settings_.RangeHigh);
  if (labels && !pass.Horizontal) pass.ZeroHeight = pass.Canvas.TextHeight("0");

  constexpr long double kTol = 0.999999999L;
  int exponent = static_cast<int>(Floor(std::log10(lo * kTol)));
  int drawn = 0;
  for (;;) {
    const long double decade = PowerOfTen(exponent);
    for (int f = 1; f <= (dense ? 9 : 1) && drawn < pass.MaxSteps; ++f) {
      const bool labelled = f == 1 || f == 2 || f == 5;
      if (!labelled && !settings_.ShortTicks) continue;
      const long double v = f * decade;
      if (!(lo < v / kTol && hi > kTol * v)) continue;
      ++drawn;
      const int pos = ValueToPixel(static_cast<double>(v));
      DrawMark(pass, pos, pass.Horizontal && !labelled ? 4 : pass.Horizontal ? 7 : 6);
      Record(static_cast<double>(v));
      TickDrawn(pass, v, pos);
      if (labelled && labels) LogLabel(pass, v, f, exponent, pos);
    }
    ++exponent;
    if (drawn >= pass.MaxSteps || !(hi >= kTol * PowerOfTen(exponent))) break;
  }
}

}  // namespace zarn
