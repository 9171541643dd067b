#pragma once
// The chart unit: TCustomVorel/TVorel, a control that records drawing commands
// as items in world coordinates and replays them through per-layer scales.
// Its items (zarn_vorel_items.h) and settings objects (zarn_vorel_settings.h)
// are declared in the headers behind this one.

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "chart/zarn_vorel_items.h"
#include "chart/zarn_vorel_series.h"
#include "chart/zarn_vorel_settings.h"
#include "chart/zarn_vorel_textlabel.h"
#include "platform/control.h"
#include "platform/properties.h"
#include "scale/zarn_scale.h"
#include "surface/zarn_bitmap.h"
#include "surface/zarn_canvas.h"

namespace zarn {

// ---------------------------------------------------------------------------
// Events

using TRenderEvent = std::function<void(TObject* Sender, TCanvas& Canvas, int Top, int Left)>;
using TBeforeRenderCItemEvent =
    std::function<void(TObject* Sender, TvoChartItem& ChartItem, int Index, bool IsAnnotation)>;
using TBeforeRenderTextEvent =
    std::function<void(TObject* Sender, std::string& Text, int Index, bool IsAnnotation)>;
using TBeforeCrossHMoveEvent = std::function<void(TObject* Sender, TCrossHair* WhichCrossHair,
                                                  int dx, int dy, bool& AllowMove)>;
using TCrossHairMoveEvent = std::function<void(TObject* Sender, TCrossHair* WhichCrossHair)>;
using TTextLabelMoveEvent = std::function<void(TObject* Sender, TTextLabel* WhichTextLabel)>;
using TMouseMoveInChartEvent = std::function<void(TObject* Sender, bool InChart, TShiftState Shift,
                                                  double rMousePosX, double rMousePosY)>;
using TSelectRectEvent =
    std::function<void(TObject* Sender, int Layer, double LoX, double LoY, double HiX, double HiY)>;

// ---------------------------------------------------------------------------
// The chart

namespace vorel_detail {
struct TRenderState;  // attribute cache, poly-line buffer, duplicate-mark map, picture
class TMouseModes;    // the mouse modes, one object per family, and what they share
class TPanZoomDrag;   // settles the scales when its drag ends
struct TRenderer;     // the renderer's access to the images and the rendering state
}  // namespace vorel_detail

class TCustomVorel : public TCustomControl {
 public:
  explicit TCustomVorel(TComponent* AOwner);
  ~TCustomVorel() override;
  std::string_view ClassName() const override { return "TCustomVorel"; }
  // Copies another chart (settings, items, sub-objects, handlers), then
  // re-applies the ranges and paints; other sources go the platform's way.
  void Assign(const TPersistent& source) override;

  // --- Items (item_list.cpp)
  void MovePenTo(int x, int y);
  void LineToPoint(double x, double y);
  void ClearItems();
  void ShowItems();
  int AllocSize() const { return settings_.AllocSize; }
  void SetAllocSize(int value);  // 1 .. 1,000,000; others ignored
  const TVoItemContainer& DataItems() const { return *data_; }
  int DataCount() const { return data_->Count(); }
  int DataCapacity() const { return data_->Capacity(); }
  const TVoItemContainer& AnnotationItems() const { return annotations_; }
  int AnnotationCount() const { return annotations_.Count(); }
  int AnnotationCapacity() const { return annotations_.Capacity(); }
  bool AnnotationMode() const { return annotationMode_; }
  void SetAnnotationMode(bool value) { annotationMode_ = value; }
  int ActiveLayer() const { return activeLayer_; }
  void SetActiveLayer(int value);  // limited to 1 .. 16
  // Class visibility (0 .. 255) of the data or the annotation list.
  bool ClassVisible(bool annotation, int itemClass) const;
  void SetClassVisible(bool annotation, int itemClass, bool value);
  TVoItemTexts& ItemTexts(bool annotation) { return annotation ? annotationTexts_ : dataTexts_; }
  const TVoItemTexts& ItemTexts(bool annotation) const {
    return annotation ? annotationTexts_ : dataTexts_;
  }

  // --- Series (series_list.cpp): drawn after the data items, in the order
  // added; a sharer of data shows its master's. Data, not layout: never stored.
  // Points and attributes changed in place show at the next ShowItems.
  int AddSeries(std::shared_ptr<TSeriesPoints> points);  // its index; null: no points yet
  int SeriesCount() const;
  TvoSeries& Series(int index);  // 0 .. SeriesCount() - 1, else EZarnVorelError
  const TvoSeries& Series(int index) const;
  void ReplaceSeries(int index, std::shared_ptr<TSeriesPoints> points);
  void RemoveSeries(int index);
  void ClearSeries();

  // --- Data sharing (data_sharing.cpp)
  TCustomVorel* UseDataOf() const { return master_; }
  void SetUseDataOf(TCustomVorel* value);
  int SharerCount() const { return sharerCount_; }
  TCustomVorel* Sharer(int index) const;  // 0 .. SharerCount() - 1

  // --- Layers and transforms (scale_props.cpp, transforms.cpp, layers.cpp)
  TScalePropsHoriz& ScaleX(int layer);  // layer 1 for an index outside 1 .. 16
  TScalePropsVert& ScaleY(int layer);
  const TScalePropsHoriz& ScaleX(int layer) const;
  const TScalePropsVert& ScaleY(int layer) const;
  TScale& AxisX(int layer);  // the window-less axis engines
  TScale& AxisY(int layer);
  TScalePropsHoriz& Scale1X() { return ScaleX(1); }
  TScalePropsHoriz& Scale2X() { return ScaleX(2); }
  TScalePropsHoriz& Scale3X() { return ScaleX(3); }
  TScalePropsHoriz& Scale4X() { return ScaleX(4); }
  TScalePropsVert& Scale1Y() { return ScaleY(1); }
  TScalePropsVert& Scale2Y() { return ScaleY(2); }
  TScalePropsVert& Scale3Y() { return ScaleY(3); }
  TScalePropsVert& Scale4Y() { return ScaleY(4); }
  // Copy with Assign; repaint when designing.
  void SetScaleX(int layer, const TScalePropsHoriz& value);
  void SetScaleY(int layer, const TScalePropsVert& value);

  virtual void RecalcTransforms();
  void WorldToPixel(int layer, double x, double y, int& px, int& py) const;
  // The same on a device with scale x scale pixels to each of the chart's:
  // the exact position scaled, then rounded, for twice the detail at 2.
  void WorldToPixel(int layer, double x, double y, int& px, int& py, int scale) const;
  void PixelToWorld(int layer, int px, int py, double& x, double& y) const;
  void SetLayerRange(int layer, double xLow, double yLow, double xHigh, double yHigh);
  void SetJointRange(int layer, double xLow, double yLow, double xHigh, double yHigh);
  void SyncScale(TScale& axis, const TScaleProps& settings);
  // Layer coefficients (kx, dx, ky, dy).
  long double Kx(int layer) const;
  long double Dx(int layer) const;
  long double Ky(int layer) const;
  long double Dy(int layer) const;

  TJointLayers& JointLayers() { return jointLayers_; }
  const TJointLayers& JointLayers() const { return jointLayers_; }
  void SetJointLayers(const TJointLayers& value);

  int MarginLeft() const { return settings_.MarginLeft; }
  void SetMarginLeft(int value);
  int MarginRight() const { return settings_.MarginRight; }
  void SetMarginRight(int value);
  int MarginTop() const { return settings_.MarginTop; }
  void SetMarginTop(int value);
  int MarginBottom() const { return settings_.MarginBottom; }
  void SetMarginBottom(int value);
  int ShadowWidth() const { return settings_.ShadowWidth; }
  void SetShadowWidth(int value);  // 0 .. 32
  bool Isometric() const { return settings_.Isometric; }
  void SetIsometric(bool value);
  TvoLayout StandardLayout() const { return settings_.StandardLayout; }
  void SetStandardLayout(TvoLayout value);
  int AspectX() const { return settings_.AspectX; }
  int AspectY() const { return settings_.AspectY; }
  // The plotting-area image's size (each side at least 0).
  int PlotWidth() const;
  int PlotHeight() const;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // --- Rendering (render.cpp, compose.cpp, background.cpp, grid.cpp,
  // text_label_drawing.cpp, item_render.cpp, item_shapes.cpp, crosshair_drawing.cpp)
  void Paint() override;
  virtual void DrawChartBackground(TCanvas& Canvas, int Left, int Top, int Width, int Height);
  virtual void RenderDataToImage(TBitmap& Image, int LeftOffset, int TopOffset, bool NoGrid,
                                 bool Monochrome);
  virtual void RenderData(TCanvas& Canvas, int LeftOffset, int TopOffset, bool NoGrid,
                          bool Monochrome);
  virtual void SetPaintHold(bool value);
  bool PaintHold() const { return paintHold_; }
  void PresentImage(int X, int Y, TCanvas& Target, TBitmap& Image);
  void DrawCrossHairs(TBitmap& Image, int OffsetX, int OffsetY);
  void DrawMouseTrace(TBitmap& Image, int OffsetX, int OffsetY);
  const TBitmap& ControlImage() const { return controlImage_; }
  const TBitmap& PlotImage() const { return plotImage_; }
  bool LayerVisible(int layer) const;
  void SetLayerVisible(int layer, bool value);
  bool DataAboveAnnotations() const { return dataAboveAnnotations_; }
  void SetDataAboveAnnotations(bool value);
  bool TextAnnotationsLast() const { return textAnnotationsLast_; }
  void SetTextAnnotationsLast(bool value);
  bool ShowAnnotations() const { return showAnnotations_; }
  void SetShowAnnotations(bool value);

  // --- Crosshairs, text labels, background (lifecycle.cpp, properties.cpp)
  TCrossHair& CrossHair(int index);  // 1 .. 4 (clamped)
  TCrossHair& CrossHair1() { return CrossHair(1); }
  TCrossHair& CrossHair2() { return CrossHair(2); }
  TCrossHair& CrossHair3() { return CrossHair(3); }
  TCrossHair& CrossHair4() { return CrossHair(4); }
  void SetCrossHair(int index, const TCrossHair& value);
  // Moves a crosshair as a drag does: the picture follows, then OnCrossHairMove.
  void MoveCrossHair(int index, double x, double y);  // Assign, then CrossHairsChanged
  TTextLabel& TextLabel(int index);                   // 1 .. 50 (clamped)
  const TTextLabel& TextLabel(int index) const;
  TBakGndImg& BackGroundImg() { return backGroundImg_; }
  const TBakGndImg& BackGroundImg() const { return backGroundImg_; }
  void SetBackGroundImg(const TBakGndImg& value);

  // --- Settings (chart_settings.cpp, layers.cpp; published in properties.cpp);
  // most setters end in RedrawIfAuto
  bool AutoRedraw() const { return settings_.AutoRedraw; }
  void SetAutoRedraw(bool value) { settings_.AutoRedraw = value; }
  bool AvoidDuplicateMarks() const { return settings_.AvoidDuplicateMarks; }
  void SetAvoidDuplicateMarks(bool value);
  int MinDupMarkDist() const { return settings_.MinDupMarkDist; }
  void SetMinDupMarkDist(int value);  // 1 .. 3
  std::uint8_t ClassDefault() const { return settings_.ClassDefault; }
  void SetClassDefault(std::uint8_t value);  // 255 ignored
  GridStyleType GridStyle() const { return settings_.GridStyle; }
  void SetGridStyle(GridStyleType value);
  double GridDx() const { return settings_.GridDx; }
  void SetGridDx(double value);  // >= -3
  double GridDy() const { return settings_.GridDy; }
  void SetGridDy(double value);
  TColor GridColor() const { return settings_.GridColor; }
  void SetGridColor(TColor value);
  TColor DataColor() const { return settings_.DataColor; }
  void SetDataColor(TColor value) { settings_.DataColor = value; }
  TPenStyle PenStyle() const { return settings_.PenStyle; }
  void SetPenStyle(TPenStyle value) { settings_.PenStyle = value; }
  std::uint8_t LineWidth() const { return settings_.LineWidth; }
  void SetLineWidth(std::uint8_t value) { settings_.LineWidth = value; }
  TColor FillColor() const { return settings_.FillColor; }
  void SetFillColor(TColor value) { settings_.FillColor = value; }
  TColor TextBkColor() const { return settings_.FillColor; }
  void SetTextBkColor(TColor value) { settings_.FillColor = value; }
  TColor ChartFrameColor() const { return settings_.ChartFrameColor; }
  void SetChartFrameColor(TColor value);
  TColor ChartColor() const { return settings_.ChartColor; }
  void SetChartColor(TColor value);
  TColor WindColor() const { return settings_.WindColor; }
  void SetWindColor(TColor value);
  const std::string& Caption() const { return settings_.Caption; }
  void SetCaption(const std::string& value);
  int CaptionPosX() const { return settings_.CaptionPosX; }
  void SetCaptionPosX(int value);
  int CaptionPosY() const { return settings_.CaptionPosY; }
  void SetCaptionPosY(int value);
  TAlignment CaptionAlignment() const { return settings_.CaptionAlignment; }
  void SetCaptionAlignment(TAlignment value);
  TCaptionAnchorHoriz CaptionAnchorHoriz() const { return settings_.CaptionAnchorHoriz; }
  void SetCaptionAnchorHoriz(TCaptionAnchorHoriz value);
  TCaptionAnchorVert CaptionAnchorVert() const { return settings_.CaptionAnchorVert; }
  void SetCaptionAnchorVert(TCaptionAnchorVert value);
  int CaptionTrim() const { return settings_.CaptionTrim; }
  void SetCaptionTrim(int value);  // 0, or 5 .. 100
  TColor MouseTraceColor() const { return settings_.MouseTraceColor; }
  void SetMouseTraceColor(TColor value) { settings_.MouseTraceColor = value; }
  bool MouseTraceInvert() const { return settings_.MouseTraceInvert; }
  void SetMouseTraceInvert(bool value) { settings_.MouseTraceInvert = value; }
  TMouseActMode MouseAction() const { return settings_.MouseAction; }
  void SetMouseAction(TMouseActMode value) { settings_.MouseAction = value; }
  bool MouseCursorFixed() const { return settings_.MouseCursorFixed; }
  void SetMouseCursorFixed(bool value) { settings_.MouseCursorFixed = value; }
  double PanGridDx() const { return settings_.PanGridDx; }
  void SetPanGridDx(double value);
  double PanGridDy() const { return settings_.PanGridDy; }
  void SetPanGridDy(double value);
  double PanGridOffsX() const { return settings_.PanGridOffsX; }
  void SetPanGridOffsX(double value);
  double PanGridOffsY() const { return settings_.PanGridOffsY; }
  void SetPanGridOffsY(double value);
  TShadowStyle ShadowStyle() const { return settings_.ShadowStyle; }
  void SetShadowStyle(TShadowStyle value);
  TColor ShadowColor() const { return settings_.ShadowColor; }
  void SetShadowColor(TColor value);
  TColor ShadowBakColor() const { return settings_.ShadowBakColor; }
  void SetShadowBakColor(TColor value);
  TFont& TextFont() { return textFont_; }
  const TFont& TextFont() const { return textFont_; }
  void SetTextFont(const TFont& value) { textFont_.Assign(value); }
  TFontStyles TextFontStyle() const { return textFont_.Style(); }
  void SetTextFontStyle(TFontStyles value) { textFont_.SetStyle(value); }
  TTextBkg TextBkStyle() const { return settings_.TextBkStyle; }
  void SetTextBkStyle(TTextBkg value) { settings_.TextBkStyle = value; }
  TAlignment TextAlignment() const { return settings_.TextAlignment; }
  void SetTextAlignment(TAlignment value);

  // --- Mouse (chart/mouse/)
  // Layers whose ranges the mouse pans and zooms (layer 1 on at creation).
  bool MouseLayer(int layer) const;
  void SetMouseLayer(int layer, bool value);
  double LastMouseWorldX() const { return lastMouseWorldX_; }
  double LastMouseWorldY() const { return lastMouseWorldY_; }
  int MouseTraceCount() const;
  // Empties the recorded mouse trace.
  void ClearMouseTrace();
  void DispatchMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DispatchMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DispatchMouseMove(TShiftState Shift, int X, int Y) override;
  void DispatchDblClick(TShiftState Shift, int X, int Y) override;
  void DispatchMouseLeave() override;
  // Arrow keys and Tab reach the chart's key events.
  int DlgCode() override;

  // --- Events
  TMouseMoveInChartEvent OnMouseMoveInChart;
  TZoomPanEvent OnZoomPan;
  TSelectRectEvent OnSelectRect;
  TSelectRectEvent OnRubberBand;
  TScaleTickDrawnEvent OnScaleTickDrawn;
  TBeforeTickLabelEvent OnBeforeTickLabel;
  TRenderEvent OnBeforeRenderData;
  TRenderEvent OnDataRendered;
  TRenderEvent OnScalesRendered;
  TBeforeRenderCItemEvent OnBeforeRenderChartItem;
  TBeforeRenderTextEvent OnBeforeRenderText;
  TBeforeCrossHMoveEvent OnBeforeCrossHairMove;
  TCrossHairMoveEvent OnCrossHairMove;
  TTextLabelMoveEvent OnTextLabelMove;

  // The chart's cursor numbers registered at creation.
  static constexpr TCursor crVorelHand = 1;
  static constexpr TCursor crVorelZoomWind = 2;
  static constexpr TCursor crVorelZoomDrag = 3;
  static constexpr TCursor crVorelZoomPos = 4;

 protected:
  void Loaded() override;
  void CreateWnd() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void FontChanged() override;

  // Marks the picture out of date; paints when AutoRedraw is on or the chart
  // is being designed.
  void RedrawIfAuto();
  // As RedrawIfAuto, moving only the crosshairs where nothing else changed.
  void CrossHairsChanged();
  void ShowPlotArea();
  // The reaction to a change of any axis settings or axis engine.
  void ScaleSettingsChanged();

 private:
  friend class TJointLayers;
  struct TLayer {
    std::unique_ptr<TScalePropsHoriz> x;
    std::unique_ptr<TScalePropsVert> y;
    std::unique_ptr<TScale> xAxis;
    std::unique_ptr<TScale> yAxis;
    long double kx = 0, dx = 0, ky = 0, dy = 0;
  };

  // lifecycle.cpp
  void CreateSubObjects();
  void ApplyDefaults();
  void BindSubObjects();
  void SetupLayer(int layer);
  void CopyItemStateFrom(const TCustomVorel& other);  // class tables, modes
  void CopyEventsFrom(const TCustomVorel& other);
  // Throws ELayoutError naming a logarithmic axis's bound at or below 0.
  void RefuseUnmappableAxes() const;
  // layers.cpp
  void SyncAllScales();
  void SetAxisMargins(int layer);
  void ResizePlotImage();
  void ApplyIsometric(int layer);
  // After a margin or the shadow changed: image, axis controls, transforms,
  // then RedrawIfAuto.
  void MarginsChanged(bool adjustIsometric);
  // Layer colour and the placement of both axes by the layer's parity (creation).
  void ApplyLayerDefaults(int layer);
  // data_sharing.cpp
  void HandOnDataList();
  void RepaintPartners();
  void RepaintPartner(TCustomVorel& partner);
  void LeaveGroup();
  void DropPartner(TCustomVorel& partner);
  // item_list.cpp
  TvoChartItem& AppendItem(std::uint8_t kind, std::uint8_t coordMode, double x, double y);
  // series_list.cpp: the list this chart shows, its master's when sharing.
  std::vector<TvoSeries>& SeriesList() { return master_ ? master_->series_ : series_; }
  const std::vector<TvoSeries>& SeriesList() const { return master_ ? master_->series_ : series_; }
  void SeriesChanged();

  // Copied whole by Assign; a new chart's values are its initialisers.
  TVorelSettings settings_;

  // Items and sharing.
  std::shared_ptr<TVoItemContainer> data_;  // shared by a data-sharing group
  TVoItemContainer annotations_;
  bool annotationMode_ = false;
  int activeLayer_ = 1;
  std::array<bool, 256> dataClassVisible_{};
  std::array<bool, 256> annotationClassVisible_{};
  TVoItemTexts dataTexts_;
  TVoItemTexts annotationTexts_;
  std::vector<TvoSeries> series_;
  TCustomVorel* master_ = nullptr;
  std::array<TCustomVorel*, 4> sharers_{};
  int sharerCount_ = 0;

  // Layers.
  std::array<TLayer, kVorelLayers + 1> layers_;  // [0] unused
  TJointLayers jointLayers_;
  bool reactingToSettings_ = false;  // guards the settings-change reaction

  // Sub-objects.
  std::array<std::unique_ptr<TCrossHair>, kVorelCrossHairs + 1> crossHairs_;  // [0] unused
  std::array<std::unique_ptr<TTextLabel>, kVorelTextLabels + 1> textLabels_;  // [0] unused
  TBakGndImg backGroundImg_;
  TFont textFont_;

  // Rendering.
  bool paintHold_ = true;
  bool dataAboveAnnotations_ = false;
  bool textAnnotationsLast_ = true;
  bool showAnnotations_ = true;
  std::array<bool, kVorelLayers + 1> layerVisible_ = [] {
    std::array<bool, kVorelLayers + 1> all{};
    all.fill(true);
    return all;
  }();
  TBitmap controlImage_;
  TBitmap plotImage_;
  std::unique_ptr<vorel_detail::TRenderState> render_;
  friend struct vorel_detail::TRenderer;
  friend class vorel_detail::TPanZoomDrag;

  // Mouse.
  double lastMouseWorldX_ = 0;
  double lastMouseWorldY_ = 0;
  std::array<bool, kVorelLayers + 1> mouseLayers_{false, true};  // [0] unused; layer 1 on
  std::unique_ptr<vorel_detail::TMouseModes> mouse_;
};

// The published chart: TCustomVorel with its properties and events in the
// class registry.
class TVorel : public TCustomVorel {
 public:
  using TCustomVorel::TCustomVorel;
  std::string_view ClassName() const override { return "TVorel"; }
  static void Publish(TPropertyRegistrar<TVorel>& r);
};

// Puts TVorel and its settings classes (and the scale classes they use) into
// the class registry; safe to call again.
void RegisterVorelClasses();

}  // namespace zarn
