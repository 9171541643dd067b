#pragma once
// The one way the chart holds painting through a change of several steps:
// ranges, margins, layouts, copies and mouse drags.

#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

// Holds painting until Release (which paints when it clears the hold) or
// ReleaseQuietly; an exception restores quietly, so no guard stays set and no
// paint runs on the way out. With quietSettings, settings changes made
// meanwhile do not run the settings reaction: the update synchronises the
// axis controls itself.
class TPaintHold {
 public:
  explicit TPaintHold(TCustomVorel& chart, bool quietSettings = false)
      : chart_(chart), held_(chart.PaintHold()), reacting_(TRenderer::Reacting(chart)) {
    chart.SetPaintHold(true);
    if (quietSettings) TRenderer::Reacting(chart) = true;
  }
  ~TPaintHold() {
    if (!released_) ReleaseQuietly();
  }
  TPaintHold(const TPaintHold&) = delete;
  TPaintHold& operator=(const TPaintHold&) = delete;

  void Release() {
    released_ = true;
    TRenderer::Reacting(chart_) = reacting_;
    chart_.SetPaintHold(held_);
  }
  // The hold back without painting, then one paint that cannot set off the
  // settings reaction again.
  void PaintOnce() {
    TRenderer::Hold(chart_) = held_;
    chart_.Paint();
    ReleaseQuietly();
  }
  void ReleaseQuietly() {
    released_ = true;
    TRenderer::Reacting(chart_) = reacting_;
    TRenderer::Hold(chart_) = held_;
  }

 private:
  TCustomVorel& chart_;
  bool held_;
  bool reacting_;
  bool released_ = false;
};

}  // namespace zarn::vorel_detail
