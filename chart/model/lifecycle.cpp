// Creation, defaults, loading, copying and destruction of the chart.

#include <algorithm>
#include <new>
#include <string>

#include "chart/model/model_internal.h"
#include "chart/model/paint_hold.h"
#include "chart/mouse/mouse_modes.h"
#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"
#include "platform/application.h"
#include "platform/layout_json.h"

namespace zarn {

namespace {

constexpr std::array<const char*, 4> kCursorResources = {"CURHAND", "CURZOOMW", "CURZOOMD",
                                                         "CURZOOMP"};

void PrepareAxis(TScale& axis, TColor background, int width, int height) {
  axis.ResetToDefaults();
  axis.SetTransparent(true);
  axis.SetColorBackGnd(background);
  axis.SetFrameStyle(fsNone);
  axis.SetBounds(0, 0, width, height);
}

}  // namespace

namespace vorel_detail {

void ResetTextLabel(TTextLabel& label, const TFont& font) {
  label.SetPosX(0);
  label.SetPosY(0);
  label.SetLayer(1);
  label.SetAttachToData(tlamBoth);
  label.SetAlignment(taCenter);
  label.SetVerticalAlignment(vaBottom);
  label.SetColorBkg(clWhite);
  label.SetColorBorder(clBlack);
  label.SetShadowDx(3);
  label.SetShadowDy(3);
  label.SetColorShadow(clGray);
  label.SetTransparent(false);
  label.SetCaption("");
  label.SetFont(font);
  label.SetVisible(false);
  label.SetMode(tlOff);
}

void ResetCrossHair(TCrossHair& crossHair, int number) {
  crossHair.SetPosX(0);
  crossHair.SetPosY(0);
  crossHair.SetLayer(number);
  crossHair.SetColor(clRed);
  crossHair.SetMode(chOff);
  crossHair.SetLineType(psDashDotDot);
  crossHair.SetLineWid(1);
}

}  // namespace vorel_detail

TCustomVorel::TCustomVorel(TComponent* AOwner)
    : TCustomControl(AOwner),
      data_(std::make_shared<TVoItemContainer>()),
      render_(std::make_unique<vorel_detail::TRenderState>()),
      mouse_(std::make_unique<vorel_detail::TMouseModes>()) {
  CreateSubObjects();
  SetBounds(Left(), Top(), 280, 200);
  ClearMouseTrace();
  ResizePlotImage();
  controlImage_.SetCanvasSize(Width(), Height(), DeviceScale());
  ApplyDefaults();
}

void TCustomVorel::CreateSubObjects() {
  for (int i = 1; i <= kVorelCrossHairs; ++i)
    crossHairs_[static_cast<std::size_t>(i)] = std::make_unique<TCrossHair>();
  for (int i = 1; i <= kVorelTextLabels; ++i)
    textLabels_[static_cast<std::size_t>(i)] = std::make_unique<TTextLabel>();
  jointLayers_.SetChart(this);
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    TLayer& l = layers_[static_cast<std::size_t>(layer)];
    l.x = std::make_unique<TScalePropsHoriz>();
    l.xAxis = std::make_unique<TScale>(nullptr);
    l.y = std::make_unique<TScalePropsVert>();
    l.yAxis = std::make_unique<TScale>(nullptr);
  }
}

void TCustomVorel::ApplyDefaults() {
  // Nothing can be shown before the window exists, and the settings hooks are
  // bound last: the reaction to each default would only be recomputed at the end.
  paintHold_ = true;
  settings_ = TVorelSettings{};
  settings_.AutoRedraw = false;
  data_->Clear();
  annotations_.Clear();
  annotationMode_ = false;
  activeLayer_ = 1;
  master_ = nullptr;
  sharers_.fill(nullptr);
  sharerCount_ = 0;
  dataClassVisible_.fill(true);
  annotationClassVisible_.fill(true);

  for (int i = 1; i <= kVorelCrossHairs; ++i)
    vorel_detail::ResetCrossHair(CrossHair(i), i);
  for (int i = 1; i <= kVorelTextLabels; ++i)
    vorel_detail::ResetTextLabel(TextLabel(i), Font());
  backGroundImg_.DropName();
  textFont_.Assign(Font());

  // A resource the program lacks leaves the platform's cursor in that place.
  for (std::size_t i = 0; i < kCursorResources.size(); ++i)
    Screen().SetCursors(static_cast<int>(i) + 1, LoadCursorA(HInstance, kCursorResources[i]));

  plotImage_.SetPixelFormat(pf32bit);
  {
    TBitmap probe(10, 10);
    settings_.AspectX = GetDeviceCaps(probe.Canvas().Handle(), ASPECTX);
    settings_.AspectY = GetDeviceCaps(probe.Canvas().Handle(), ASPECTY);
  }

  for (int layer = 1; layer <= kVorelLayers; ++layer)
    SetupLayer(layer);
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    TLayer& l = layers_[static_cast<std::size_t>(layer)];
    l.xAxis->SetExternalCanvas(&controlImage_.Canvas(), 0, 0);
    l.yAxis->SetExternalCanvas(&controlImage_.Canvas(), 0, 0);
    l.xAxis->SetName("VO_FScale_X_" + std::to_string(layer));
    l.yAxis->SetName("VO_FScale_Y_" + std::to_string(layer));
    ApplyLayerDefaults(layer);
  }

  SetStandardLayout(settings_.StandardLayout);
  BindSubObjects();
  SyncAllScales();
  RecalcTransforms();
  settings_.AutoRedraw = TVorelSettings{}.AutoRedraw;
}

void TCustomVorel::SetupLayer(int layer) {
  TLayer& l = layers_[static_cast<std::size_t>(layer)];
  l.x->ResetDefaults();
  l.y->ResetDefaults();
  PrepareAxis(*l.xAxis, settings_.WindColor, Width(), Height());
  PrepareAxis(*l.yAxis, settings_.WindColor, Width(), Height());
  SyncScale(*l.xAxis, *l.x);
  SyncScale(*l.yAxis, *l.y);
  SetAxisMargins(layer);
}

// Every sub-object notifies this chart, also after its settings (and with
// them a handler) were copied from another chart's.
void TCustomVorel::BindSubObjects() {
  const auto redraw = [this](TObject*) { RedrawIfAuto(); };
  const auto settingsChanged = [this](TObject*) { ScaleSettingsChanged(); };
  for (int i = 1; i <= kVorelCrossHairs; ++i)
    CrossHair(i).OnChange = [this](TObject*) { CrossHairsChanged(); };
  textFont_.OnChange = [this] { vorel_detail::PlotChanged(*this); };
  for (int i = 1; i <= kVorelTextLabels; ++i)
    TextLabel(i).OnChange = redraw;
  backGroundImg_.OnChange = redraw;
  jointLayers_.OnChange = redraw;
  jointLayers_.SetChart(this);
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    TLayer& l = layers_[static_cast<std::size_t>(layer)];
    for (TScaleProps* settings :
         {static_cast<TScaleProps*>(l.x.get()), static_cast<TScaleProps*>(l.y.get())}) {
      settings->OnChange = settingsChanged;
      settings->DateFormat().OnChange = settingsChanged;
    }
    for (TScale* axis : {l.xAxis.get(), l.yAxis.get()}) {
      axis->OnScaleTickDrawn = [this](TObject*, TCanvas& canvas, TScaleType type, double pos, int x,
                                      int y) {
        if (OnScaleTickDrawn) OnScaleTickDrawn(this, canvas, type, pos, x, y);
      };
      axis->OnBeforeTickLabel = [this](TObject*, TScaleType type, double pos, std::string& label) {
        if (OnBeforeTickLabel) OnBeforeTickLabel(this, type, pos, label);
      };
      axis->OnZoomPan = settingsChanged;
    }
  }
}

TCustomVorel::~TCustomVorel() {
  // Partners must not keep a pointer to a chart that is going away.
  if (master_) master_->DropPartner(*this);
  while (sharerCount_ > 0) {
    TCustomVorel& sharer = *sharers_[0];
    try {
      sharer.LeaveGroup();
    } catch (const std::bad_alloc&) {
      // Without memory for a copy the sharer keeps the list object alone.
      DropPartner(sharer);
    }
  }
}

void TCustomVorel::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TCustomVorel*>(&source);
  if (!other) {
    TCustomControl::Assign(source);
    return;
  }
  if (other == this) return;
  // The item lists are what needs memory: they are copied before anything
  // here changes, so that running out of it leaves the chart as it was; each
  // at a whole number of growth steps beyond its count.
  const auto rounded = [other](int count) {
    return (count / other->settings_.AllocSize + 1) * other->settings_.AllocSize;
  };
  TVoItemContainer data, annotations;
  const bool ownData = data_ != other->data_;
  if (ownData) data.CopyFrom(*other->data_, rounded(other->data_->Count()));
  // Series come along as the data they are: the same point stores, shared.
  std::vector<TvoSeries> series;
  if (ownData) series = other->SeriesList();
  annotations.CopyFrom(other->annotations_, rounded(other->annotations_.Count()));
  TVoItemTexts dataTexts = other->dataTexts_, annotationTexts = other->annotationTexts_;

  // The copied sub-objects would notify the source chart, or this one once per
  // object; the hooks are bound again when everything is in place, and also
  // when a step below fails, so that the chart is never left deaf or held.
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    ScaleX(layer).OnChange = nullptr;
    ScaleY(layer).OnChange = nullptr;
  }
  struct TRebind {
    TCustomVorel& chart;
    bool done = false;
    ~TRebind() {
      if (!done) chart.BindSubObjects();
    }
  } rebind{*this};
  vorel_detail::TPaintHold hold(*this);
  settings_ = other->settings_;
  if (ownData) {
    data_->Swap(data);
    SeriesList().swap(series);
  }
  annotations_.Swap(annotations);
  dataTexts_.Text.swap(dataTexts.Text);
  dataTexts_.Count = dataTexts.Count;
  annotationTexts_.Text.swap(annotationTexts.Text);
  annotationTexts_.Count = annotationTexts.Count;
  CopyItemStateFrom(*other);
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    TLayer& to = layers_[static_cast<std::size_t>(layer)];
    const TLayer& from = other->layers_[static_cast<std::size_t>(layer)];
    to.x->Assign(*from.x);
    to.y->Assign(*from.y);
    to.xAxis->Assign(*from.xAxis);
    to.yAxis->Assign(*from.yAxis);
    to.kx = from.kx;
    to.dx = from.dx;
    to.ky = from.ky;
    to.dy = from.dy;
    jointLayers_.StoreX(layer, other->jointLayers_.XControlledBy(layer));
    jointLayers_.StoreY(layer, other->jointLayers_.YControlledBy(layer));
  }
  for (int i = 1; i <= kVorelCrossHairs; ++i)
    CrossHair(i).Assign(*other->crossHairs_[static_cast<std::size_t>(i)]);
  for (int i = 1; i <= kVorelTextLabels; ++i)
    TextLabel(i).Assign(other->TextLabel(i));
  backGroundImg_.OnChange = nullptr;
  backGroundImg_.Assign(other->backGroundImg_);
  textFont_.Assign(other->textFont_);
  CopyEventsFrom(*other);
  BindSubObjects();
  ResizePlotImage();
  for (int layer = 1; layer <= kVorelLayers; ++layer)
    SetAxisMargins(layer);
  rebind.done = true;
  hold.ReleaseQuietly();
  ScaleSettingsChanged();
  RecalcTransforms();
  Paint();
}

void TCustomVorel::CopyItemStateFrom(const TCustomVorel& o) {
  dataClassVisible_ = o.dataClassVisible_;
  annotationClassVisible_ = o.annotationClassVisible_;
  annotationMode_ = o.annotationMode_;
  activeLayer_ = o.activeLayer_;
}

void TCustomVorel::CopyEventsFrom(const TCustomVorel& o) {
  OnMouseMoveInChart = o.OnMouseMoveInChart;
  OnMouseEnter = o.OnMouseEnter;
  OnMouseLeave = o.OnMouseLeave;
  OnZoomPan = o.OnZoomPan;
  OnSelectRect = o.OnSelectRect;
  OnRubberBand = o.OnRubberBand;
  OnScaleTickDrawn = o.OnScaleTickDrawn;
  OnBeforeTickLabel = o.OnBeforeTickLabel;
  OnBeforeRenderData = o.OnBeforeRenderData;
  OnDataRendered = o.OnDataRendered;
  OnScalesRendered = o.OnScalesRendered;
  OnBeforeRenderChartItem = o.OnBeforeRenderChartItem;
  OnBeforeRenderText = o.OnBeforeRenderText;
  OnBeforeCrossHairMove = o.OnBeforeCrossHairMove;
  OnCrossHairMove = o.OnCrossHairMove;
  OnTextLabelMove = o.OnTextLabelMove;
}

void TCustomVorel::Loaded() {
  TCustomControl::Loaded();
  BindSubObjects();
  SyncAllScales();
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    ScaleX(layer).SetLoadingFlag(false);
    ScaleY(layer).SetLoadingFlag(false);
  }
  RefuseUnmappableAxes();
  RecalcTransforms();
  Paint();
}

// A layout is where a logarithmic axis with a bound at or below 0 can come
// from unchecked; it is refused there, naming the bound, rather than found by
// the first paint.
void TCustomVorel::RefuseUnmappableAxes() const {
  const auto check = [](const TScaleProps& axis, const std::string& name) {
    if (!axis.Logarithmic()) return;
    const char* bound = axis.RangeLow() <= 0    ? "RangeLow"
                        : axis.RangeHigh() <= 0 ? "RangeHigh"
                                                : nullptr;
    if (bound) throw ELayoutError("", name + "." + bound, "Logarithmic axis must not be negative.");
  };
  for (int layer = 1; layer <= kVorelLayers; ++layer) {
    check(ScaleX(layer), "Scale" + std::to_string(layer) + "X");
    check(ScaleY(layer), "Scale" + std::to_string(layer) + "Y");
  }
}

void TCustomVorel::CreateWnd() {
  TCustomControl::CreateWnd();
  paintHold_ = false;
}

TCrossHair& TCustomVorel::CrossHair(int index) {
  return *crossHairs_[static_cast<std::size_t>(std::clamp(index, 1, kVorelCrossHairs))];
}

void TCustomVorel::SetCrossHair(int index, const TCrossHair& value) {
  TCrossHair& target = CrossHair(index);
  target.Assign(value);
  target.OnChange = [this](TObject*) { CrossHairsChanged(); };
  CrossHairsChanged();
}

TTextLabel& TCustomVorel::TextLabel(int index) {
  return *textLabels_[static_cast<std::size_t>(std::clamp(index, 1, kVorelTextLabels))];
}

const TTextLabel& TCustomVorel::TextLabel(int index) const {
  return *textLabels_[static_cast<std::size_t>(std::clamp(index, 1, kVorelTextLabels))];
}

void TCustomVorel::SetBackGroundImg(const TBakGndImg& value) {
  backGroundImg_.Assign(value);
  RedrawIfAuto();
}

void TCustomVorel::RedrawIfAuto() {
  vorel_detail::PictureChanged(*this);
  if (settings_.AutoRedraw || IsDesigning()) Paint();
}

}  // namespace zarn
