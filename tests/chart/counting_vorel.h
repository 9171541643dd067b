#pragma once
// A chart that counts its paints, for the setters' and sharing's repaint rules.

#include <string>
#include <vector>

#include "chart/zarn_vorel.h"

namespace zarn {

class TCountingVorel : public TVorel {
 public:
  using TVorel::TVorel;
  void Paint() override {
    ++Paints;
    if (Log) Log->push_back(Name());
    TVorel::Paint();
  }
  // Paints counted since the last call.
  int Since() {
    const int n = Paints;
    Paints = 0;
    return n;
  }
  int Paints = 0;
  std::vector<std::string>* Log = nullptr;  // names of painting charts, in order
};

}  // namespace zarn
