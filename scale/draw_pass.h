#pragma once
// State of one drawing of a scale, shared by the tick sequences.

#include "scale/zarn_scale.h"

namespace zarn {

struct TScaleEngine::TDrawPass {
  TCanvas& Canvas;
  bool Horizontal;
  int Base;            // x of a vertical, y of a horizontal base line
  int MaxSteps;        // bound on the positions one sequence examines
  int Decimals = 0;    // of the numeric labels
  int ZeroHeight = 0;  // height of "0", centres numeric labels on vertical scales
  int LabelCount = 0;  // labelled ticks so far (user tick texts)
  bool DateDrawn = false;
  int LastDay = 0;

  TDrawPass(TCanvas& canvas, bool horizontal, int base, int maxSteps)
      : Canvas(canvas), Horizontal(horizontal), Base(base), MaxSteps(maxSteps) {}
};

}  // namespace zarn
