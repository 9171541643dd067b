#pragma once
// The chart's settings types: its enumerations with their value names for
// stored layouts, and the settings objects each chart owns (axis settings,
// layer joins, crosshairs, background).

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/control.h"
#include "platform/properties.h"
#include "scale/zarn_scale.h"
#include "surface/zarn_bitmap.h"
#include "surface/zarn_canvas.h"

namespace zarn {

class TCustomVorel;
class TCrossHair;

inline constexpr int kVorelLayers = 16;
inline constexpr int kVorelCrossHairs = 4;
inline constexpr int kVorelTextLabels = 50;
inline constexpr int kMaxMouseTrace = 5000;

class EZarnVorelError : public EZarnError {
 public:
  using EZarnError::EZarnError;
};

enum TvoLayout : std::uint8_t {
  vol_X1Bottom_Y1Left,
  vol_X1Bottom_Y2Left,
  vol_X1Bottom_Y3Left,
  vol_X1Bottom_Y4Left,
  vol_X1Bottom_Y2Both,
  vol_X2Bottom_Y2Left,
  vol_X2Both_Y2Both
};
enum GridStyleType : std::uint8_t {
  gsNone,
  gsPoints,
  gsVertLines,
  gsHorizLines,
  gsLines,
  gsHorizDotLines,
  gsVertDotLines,
  gsDotLines
};
enum TShadowStyle : std::uint8_t { ssFlying, ssBox };
enum TBkgFill : std::uint8_t { bfSimple, bfStretch, bfTile };
enum TBGAreaMode : std::uint8_t {
  bamNone,
  bamLeft,
  bamRight,
  bamTop,
  bamBottom,
  bamVStripe,
  bamHStripe,
  bamRect,
  bamRectInv,
  bamVStripeInv,
  bamHStripeInv
};
enum TCaptionAnchorHoriz : std::uint8_t {
  cahControlLeft,
  cahChartLeft,
  cahChartCenter,
  cahChartRight,
  cahControlRight
};
enum TCaptionAnchorVert : std::uint8_t {
  cavControlTop,
  cavChartTop,
  cavChartCenter,
  cavChartBottom,
  cavControlBottom
};
enum TCrossHMode : std::uint8_t { chOff, chHoriz, chVert, chBoth, chCrossBox, chBox };
enum TTextBkg : std::uint8_t { tbClear, tbOpaque };
enum TScaleLocationHoriz : std::uint8_t { slTop, slBottom };
enum TScaleLocationVert : std::uint8_t { slLeft, slRight };

// The chart's own settings, published or copied with it. The initialisers are
// what a new chart reports: its standard layout (vol_X1Bottom_Y1Left) and the
// stored defaults are read from here.
struct TVorelSettings {
  int AllocSize = 1000;
  bool AutoRedraw = true;
  bool AvoidDuplicateMarks = false;
  int MinDupMarkDist = 1;
  std::uint8_t ClassDefault = 0;
  int MarginLeft = 50;
  int MarginRight = 20;
  int MarginTop = 20;
  int MarginBottom = 40;
  int ShadowWidth = 0;
  bool Isometric = false;
  TvoLayout StandardLayout = vol_X1Bottom_Y1Left;
  // The device's pixel proportions, measured when the chart is made.
  int AspectX = 36;
  int AspectY = 36;
  GridStyleType GridStyle = gsNone;
  double GridDx = 0;
  double GridDy = 0;
  TColor GridColor = clBlack;
  TColor DataColor = clBlack;
  TPenStyle PenStyle = psSolid;
  std::uint8_t LineWidth = 1;
  TColor FillColor = clSilver;  // also the text background
  TColor ChartFrameColor = clBlack;
  TColor ChartColor = clWhite;
  TColor WindColor = clBtnFace;
  std::string Caption;
  int CaptionPosX = 0;
  int CaptionPosY = -16;
  TAlignment CaptionAlignment = taRightJustify;
  TCaptionAnchorHoriz CaptionAnchorHoriz = cahChartRight;
  TCaptionAnchorVert CaptionAnchorVert = cavChartTop;
  int CaptionTrim = 100;
  TShadowStyle ShadowStyle = ssFlying;
  TColor ShadowColor = clGrayText;
  TColor ShadowBakColor = clBtnFace;
  TTextBkg TextBkStyle = tbClear;
  TAlignment TextAlignment = taCenter;
  TMouseActMode MouseAction = maNone;
  bool MouseCursorFixed = true;
  TColor MouseTraceColor = clWhite;
  bool MouseTraceInvert = true;
  double PanGridDx = 1.0;
  double PanGridDy = 1.0;
  double PanGridOffsX = 0;
  double PanGridOffsY = 0;
};

// Value names of the enumerations, for stored layouts.
const TEnumInfo& VoLayoutInfo();
const TEnumInfo& GridStyleTypeInfo();
const TEnumInfo& ShadowStyleInfo();
const TEnumInfo& BkgFillInfo();
const TEnumInfo& BGAreaModeInfo();
const TEnumInfo& CaptionAnchorHorizInfo();
const TEnumInfo& CaptionAnchorVertInfo();
const TEnumInfo& CrossHModeInfo();
const TEnumInfo& TextBkgInfo();
const TEnumInfo& ScaleLocationHorizInfo();
const TEnumInfo& ScaleLocationVertInfo();

// ---------------------------------------------------------------------------
// Settings objects

// The plain settings of one chart axis (its font and date format are objects
// of their own); the initialisers are a new TScaleProps's.
struct TScalePropsValues {
  std::string Caption;
  int CaptionPosX = 0;
  int CaptionPosY = 0;
  TAlignment CaptionAlignment = taCenter;
  TScaleUnitAnchor CaptionAnchor = uaSclTopLft;
  TColor ColorScale = clBlack;
  int DecPlaces = -2;
  bool Logarithmic = false;
  TFigType LabelType = ftNum;
  int MinTicks = 3;
  double RangeLow = 0.0;
  double RangeHigh = 1.0;
  bool ShortTicks = true;
  std::string ScaleInscript;
  TScaleType ScaleType = sctXT;
  int VerticalPos = 0;
  int HorizontalPos = 0;
  double MinRange = 1e-10;
  TMouseActMode MouseAction = maNone;
  std::string UserTickText;
  bool Visible = false;
};

// The settings of one axis of one chart layer. Every setter raises OnChange.
class TScaleProps : public TPersistent {
 public:
  TScaleProps();
  ~TScaleProps() override;
  TScaleProps(const TScaleProps&) = delete;
  TScaleProps& operator=(const TScaleProps&) = delete;
  std::string_view ClassName() const override { return "TScaleProps"; }
  // Copies every setting (not OnChange, not the loading flag) and raises OnChange once.
  void Assign(const TPersistent& source) override;
  // Back to the values of a new object (the loading flag set again).
  virtual void ResetDefaults();

  const std::string& Caption() const { return values_.Caption; }
  void SetCaption(const std::string& value);
  int CaptionPosX() const { return values_.CaptionPosX; }
  void SetCaptionPosX(int value);
  int CaptionPosY() const { return values_.CaptionPosY; }
  void SetCaptionPosY(int value);
  TAlignment CaptionAlignment() const { return values_.CaptionAlignment; }
  void SetCaptionAlignment(TAlignment value);
  TScaleUnitAnchor CaptionAnchor() const { return values_.CaptionAnchor; }
  void SetCaptionAnchor(TScaleUnitAnchor value);
  TColor ColorScale() const { return values_.ColorScale; }
  void SetColorScale(TColor value);
  TDTLabel& DateFormat() { return dateFormat_; }
  const TDTLabel& DateFormat() const { return dateFormat_; }
  void SetDateFormat(const TDTLabel& value);
  int DecPlaces() const { return values_.DecPlaces; }
  void SetDecPlaces(int value);
  bool Logarithmic() const { return values_.Logarithmic; }
  void SetLogarithmic(bool value);
  TFigType LabelType() const { return values_.LabelType; }
  void SetLabelType(TFigType value);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& value);
  int MinTicks() const { return values_.MinTicks; }
  void SetMinTicks(int value);
  double RangeLow() const { return values_.RangeLow; }
  void SetRangeLow(double value);
  double RangeHigh() const { return values_.RangeHigh; }
  void SetRangeHigh(double value);
  bool ShortTicks() const { return values_.ShortTicks; }
  void SetShortTicks(bool value);
  const std::string& ScaleInscript() const { return values_.ScaleInscript; }
  void SetScaleInscript(const std::string& value);
  TScaleType ScaleType() const { return values_.ScaleType; }
  void SetScaleType(TScaleType value);
  // The horizontal position for sctXB/sctXT, the vertical one otherwise.
  int ScalePos() const;
  void SetScalePos(int value);
  double MinRange() const { return values_.MinRange; }
  void SetMinRange(double value);
  TMouseActMode MouseAction() const { return values_.MouseAction; }
  void SetMouseAction(TMouseActMode value);
  const std::string& UserTickText() const { return values_.UserTickText; }
  void SetUserTickText(const std::string& value);
  bool Visible() const { return values_.Visible; }
  void SetVisible(bool value);

  // Set from creation until the owning chart's Loaded; while set, Logarithmic
  // is accepted without checks.
  bool LoadingFlag() const { return loading_; }
  void SetLoadingFlag(bool value) { loading_ = value; }
  // Writes both range ends without checks or OnChange (SetLayerRange).
  void StoreRange(double low, double high) {
    values_.RangeLow = low;
    values_.RangeHigh = high;
  }
  int HorizontalPos() const { return values_.HorizontalPos; }
  int VerticalPos() const { return values_.VerticalPos; }
  // Both positions and the scale type without OnChange (layer defaults).
  void StorePlacement(TScaleType type, int horizontalPos, int verticalPos);

  std::function<void(TObject* Sender)> OnChange;

 protected:
  void Changed();

 private:
  TScalePropsValues values_;
  TDTLabel dateFormat_;
  TFont font_;
  bool loading_ = true;
};

class TScalePropsHoriz : public TScaleProps {
 public:
  std::string_view ClassName() const override { return "TScalePropsHoriz"; }
  TScaleLocationHoriz ScaleLocation() const { return ScaleType() == sctXB ? slTop : slBottom; }
  void SetScaleLocation(TScaleLocationHoriz value);
};

class TScalePropsVert : public TScaleProps {
 public:
  TScalePropsVert();
  std::string_view ClassName() const override { return "TScalePropsVert"; }
  void ResetDefaults() override;
  TScaleLocationVert ScaleLocation() const { return ScaleType() == sctYR ? slLeft : slRight; }
  void SetScaleLocation(TScaleLocationVert value);
};

// Which layer's x and y range each layer follows; entry L = L means no join.
class TJointLayers : public TPersistent {
 public:
  TJointLayers();
  TJointLayers(const TJointLayers&) = delete;
  TJointLayers& operator=(const TJointLayers&) = delete;
  std::string_view ClassName() const override { return "TJointLayers"; }
  // Copies both tables (not the chart binding, not OnChange) and raises OnChange.
  void Assign(const TPersistent& source) override;

  // Layer 1 .. 16; the entry of another index reads as that index.
  int XControlledBy(int layer) const;
  int YControlledBy(int layer) const;
  // Joins or releases an axis with the chart's checks; throws EZarnVorelError.
  void SetXControlledBy(int layer, int destination);
  void SetYControlledBy(int layer, int destination);
  // Without checks or notification (Assign of a chart, tests).
  void StoreX(int layer, int destination);
  void StoreY(int layer, int destination);

  // The chart whose layers are joined (null: the table only stores).
  TCustomVorel* Chart() const { return chart_; }
  void SetChart(TCustomVorel* chart) { chart_ = chart; }

  std::function<void(TObject* Sender)> OnChange;

 private:
  void Join(bool xAxis, int layer, int destination);
  std::array<int, kVorelLayers + 1> x_{};
  std::array<int, kVorelLayers + 1> y_{};
  TCustomVorel* chart_ = nullptr;
};

// One crosshair: a line, two lines or a box at a world point of its layer.
class TCrossHair : public TPersistent {
 public:
  TCrossHair() = default;
  TCrossHair(const TCrossHair&) = delete;
  TCrossHair& operator=(const TCrossHair&) = delete;
  std::string_view ClassName() const override { return "TCrossHair"; }
  // Copies the seven settings and the OnChange handler, without calling it.
  void Assign(const TPersistent& source) override;

  double PosX() const { return posX_; }
  void SetPosX(double value);
  double PosY() const { return posY_; }
  void SetPosY(double value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TCrossHMode Mode() const { return mode_; }
  void SetMode(TCrossHMode value);
  TPenStyle LineType() const { return lineType_; }
  void SetLineType(TPenStyle value);
  int LineWid() const { return lineWid_; }
  void SetLineWid(int value);
  int Layer() const { return layer_; }
  void SetLayer(int value);  // limited to 1 .. 16

  TNotifyEvent OnChange;

 private:
  void Changed();
  double posX_ = 0;
  double posY_ = 0;
  TColor color_ = clRed;
  TCrossHMode mode_ = chOff;
  TPenStyle lineType_ = psDashDotDot;
  int lineWid_ = 1;
  int layer_ = 1;
};

// The background picture and area settings of a chart.
class TBakGndImg : public TPersistent {
 public:
  TBakGndImg() = default;
  TBakGndImg(const TBakGndImg&) = delete;
  TBakGndImg& operator=(const TBakGndImg&) = delete;
  std::string_view ClassName() const override { return "TBakGndImg"; }
  // Copies every setting (not OnChange) and raises OnChange.
  void Assign(const TPersistent& source) override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& value);
  // Empties Name without notifying (a picture that failed to load).
  void DropName() { name_.clear(); }
  bool IncludePath() const { return includePath_; }
  void SetIncludePath(bool value);
  TBkgFill FillMode() const { return fillMode_; }
  void SetFillMode(TBkgFill value);
  TBGAreaMode AreaMode() const { return areaMode_; }
  void SetAreaMode(TBGAreaMode value);
  TColor AreaColor() const { return areaColor_; }
  void SetAreaColor(TColor value);
  double AreaLeft() const { return areaLeft_; }
  void SetAreaLeft(double value);
  double AreaRight() const { return areaRight_; }
  void SetAreaRight(double value);
  double AreaTop() const { return areaTop_; }
  void SetAreaTop(double value);
  double AreaBottom() const { return areaBottom_; }
  void SetAreaBottom(double value);

  TNotifyEvent OnChange;

 private:
  void Changed();
  std::string name_;
  bool includePath_ = false;
  TBkgFill fillMode_ = bfStretch;
  TBGAreaMode areaMode_ = bamNone;
  TColor areaColor_ = 14540253;
  double areaLeft_ = -1.0;
  double areaRight_ = 1.0;
  double areaTop_ = 1.0;
  double areaBottom_ = -1.0;
};

}  // namespace zarn
