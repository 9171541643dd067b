// Creation, defaults, loading, copying and destruction of the chart.

#include <algorithm>

#include "chart/mouse_state.h"
#include "chart/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

TCustomVorel::TCustomVorel(TComponent* AOwner)
    : TCustomControl(AOwner),
      data_(std::make_shared<TVoItemContainer>()),
      render_(std::make_unique<vorel_detail::TRenderState>()),
      mouse_(std::make_unique<vorel_detail::TMouseState>()) {
  for (int i = 1; i <= kVorelCrossHairs; ++i)
    crossHairs_[i] = std::make_unique<TCrossHair>();
  for (int i = 1; i <= kVorelTextLabels; ++i)
    textLabels_[i] = std::make_unique<TTextLabel>();
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    TLayer& l = layers_[layer];
    l.x = std::make_unique<TScalePropsHoriz>();
    l.y = std::make_unique<TScalePropsVert>();
    l.xAxis = std::make_unique<TScale>(nullptr);
    l.yAxis = std::make_unique<TScale>(nullptr);
  }
  dataClassVisible_.fill(true);
  annotationClassVisible_.fill(true);
  layerVisible_.fill(true);
  mouseLayers_[1] = true;
}

TCustomVorel::~TCustomVorel() = default;

void TCustomVorel::Assign(const TPersistent& source) {
  TCustomControl::Assign(source);
}

void TCustomVorel::Loaded() {
  TCustomControl::Loaded();
}

void TCustomVorel::CreateWnd() {
  TCustomControl::CreateWnd();
}

TCrossHair& TCustomVorel::CrossHair(int index) {
  return *crossHairs_[static_cast<std::size_t>(std::clamp(index, 1, kVorelCrossHairs))];
}

TTextLabel& TCustomVorel::TextLabel(int index) {
  return *textLabels_[static_cast<std::size_t>(std::clamp(index, 1, kVorelTextLabels))];
}

const TTextLabel& TCustomVorel::TextLabel(int index) const {
  return *textLabels_[static_cast<std::size_t>(std::clamp(index, 1, kVorelTextLabels))];
}

void TCustomVorel::RedrawIfAuto() {
  if (autoRedraw_ || IsDesigning()) Paint();
}

}  // namespace zarn
