#pragma once
// Shared by the chart's layer files: the hold on painting that multi-step
// updates of ranges, margins and layouts keep while they run.

#include "chart/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

// Holds painting until Release (which paints when it clears the hold) or
// RestoreQuietly; an exception restores quietly, so no guard stays set and no
// paint runs on the way out.
class TCustomVorel::THeldUpdate {
 public:
  // quietSettings: settings changes made meanwhile do not run the reaction;
  // the update synchronises the axis controls itself.
  THeldUpdate(TCustomVorel& chart, bool quietSettings)
      : chart_(chart), held_(chart.paintHold_), reacting_(chart.reactingToSettings_) {
    // Some of the steps set fields directly: the whole picture is out of date.
    vorel_detail::FrameChanged(chart);
    vorel_detail::PlotChanged(chart);
    chart.SetPaintHold(true);
    if (quietSettings) chart.reactingToSettings_ = true;
  }
  ~THeldUpdate() {
    if (!released_) RestoreQuietly();
  }
  THeldUpdate(const THeldUpdate&) = delete;
  THeldUpdate& operator=(const THeldUpdate&) = delete;

  void Release() {
    released_ = true;
    chart_.reactingToSettings_ = reacting_;
    chart_.SetPaintHold(held_);
  }
  // The hold back without painting, then one paint that cannot set off the
  // settings reaction again.
  void PaintOnce() {
    chart_.paintHold_ = held_;
    chart_.Paint();
    RestoreQuietly();
  }
  void RestoreQuietly() {
    released_ = true;
    chart_.reactingToSettings_ = reacting_;
    chart_.paintHold_ = held_;
  }

 private:
  TCustomVorel& chart_;
  bool held_;
  bool reacting_;
  bool released_ = false;
};

}  // namespace zarn
