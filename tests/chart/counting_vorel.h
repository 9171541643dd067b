#pragma once
// A chart that counts its paints, for the setters' and sharing's repaint rules.

#include "chart/zarn_vorel.h"

namespace zarn {

class TCountingVorel : public TVorel {
 public:
  using TVorel::TVorel;
  void Paint() override {
    ++Paints;
    TVorel::Paint();
  }
  // Paints counted from now on.
  int Since() {
    const int n = Paints;
    Paints = 0;
    return n;
  }
  int Paints = 0;
};

}  // namespace zarn
