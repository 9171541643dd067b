#pragma once
// The scale engine: mapping of values to pixels, the tick sequences (linear,
// logarithmic, elapsed time, calendar), tick labels and the drawing of one
// axis on a canvas; and TScale, the control that shows one axis.

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/zarn_alignment.h"
#include "base/zarn_marks.h"
#include "platform/control.h"
#include "platform/properties.h"
#include "surface/zarn_canvas.h"
#include "surface/zarn_persistent.h"

namespace zarn {

enum TScaleType : std::uint8_t { sctXB, sctXT, sctYL, sctYR };
enum TFigType : std::uint8_t { ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText };
enum TScaleUnitAnchor : std::uint8_t { uaSclTopLft, uaSclCenter, uaSclBotRgt };
enum TTimeFormat : std::uint8_t { tfHHMMSS, tfHHhMM, tfAMPM };
enum TYearLength : std::uint8_t { ylNone, ylYY, ylYYYY };
enum TDateOrder : std::uint8_t { doMMDDYY, doDDMMYY, doYYMMDD };
enum TDateForTime : std::uint8_t { dtNone, dtOnePerChart, dtOnePerDay, dtAllTicks };
// Shared with the chart, which reacts to all of them; a scale control knows
// only pan, zoom and zoom-drag.
enum TMouseActMode : std::uint8_t {
  maNone,
  maPan,
  maPanHoriz,
  maPanVert,
  maPanGrid,
  maZoom,
  maZoomDrag,
  maZoomWind,
  maZoomWindPos,
  maRubberBand,
  maSelectRect,
  maDrawMTrace,
  maDragLabel,
  maDragCrossH,
  maRotate,
  maRotAndZoom,
  maRotXOnly,
  maRotZOnly,
  maZoomPanColors
};

// Value names of the enumerations, for stored layouts.
const TEnumInfo& ScaleTypeInfo();
const TEnumInfo& FigTypeInfo();
const TEnumInfo& ScaleUnitAnchorInfo();
const TEnumInfo& TimeFormatInfo();
const TEnumInfo& YearLengthInfo();
const TEnumInfo& DateOrderInfo();
const TEnumInfo& DateForTimeInfo();
const TEnumInfo& MouseActModeInfo();

using TScaleTickDrawnEvent =
    std::function<void(TObject* Sender, TCanvas& Canvas, TScaleType ScaleType,
                       double CurrentTickPos, int ChartX, int ChartY)>;
using TBeforeTickLabelEvent = std::function<void(TObject* Sender, TScaleType ScaleType,
                                                 double CurrentTickPos, std::string& TickLabel)>;
using TScaleRenderedEvent = std::function<void(TObject* Sender, TCanvas& Canvas)>;
using TZoomPanEvent = std::function<void(TObject* Sender)>;
using TDTLabelChangeEvent = std::function<void(TObject* Sender)>;

// Date and time label settings. Created on its own every setting is zero; a
// scale gives it its defaults.
class TDTLabel : public TPersistent {
 public:
  TDTLabel() = default;
  ~TDTLabel() override;
  TDTLabel(const TDTLabel&) = delete;
  TDTLabel& operator=(const TDTLabel&) = delete;

  std::string_view ClassName() const override { return "TDTLabel"; }
  // Copies the seven settings and the OnChange handler, without calling it.
  void Assign(const TPersistent& source) override;
  // The values an axis starts with, each set through its setter.
  void SetAxisDefaults();

  TTimeFormat TimeFormat() const { return timeFormat_; }
  void SetTimeFormat(TTimeFormat value);
  // One Latin-1 character each.
  char DateSeparator() const { return dateSeparator_; }
  void SetDateSeparator(char value);
  char TimeSeparator() const { return timeSeparator_; }
  void SetTimeSeparator(char value);
  TYearLength YearLength() const { return yearLength_; }
  void SetYearLength(TYearLength value);
  bool MonthName() const { return monthName_; }
  void SetMonthName(bool value);
  TDateOrder DateOrder() const { return dateOrder_; }
  void SetDateOrder(TDateOrder value);
  TDateForTime DateForTime() const { return dateForTime_; }
  void SetDateForTime(TDateForTime value);

  TDTLabelChangeEvent OnChange;

 private:
  void Changed();

  TTimeFormat timeFormat_ = tfHHMMSS;
  char dateSeparator_ = 0;
  char timeSeparator_ = 0;
  TYearLength yearLength_ = ylNone;
  bool monthName_ = false;
  TDateOrder dateOrder_ = doMMDDYY;
  TDateForTime dateForTime_ = dtNone;
};

// Tick label texts.
// Value with Decimals (0 .. 12) decimals, or with Decimals -1 in the two-digit
// exponent form (" 1.5E+03", "-2.0E-05"; eight asterisks when the exponent
// needs three digits).
std::string FormatTickNumber(long double Value, int Decimals);
// Decimals of a linear scale's labels for DecPlaces -2 and -3.
int AutoDecimals(int DecPlaces, long double RangeHigh, long double RangeLow);
// Decimals of a logarithmic scale's labels for DecPlaces -2.
int AutoLogDecimals(int DecPlaces, long double RangeLow, long double RangeHigh);
// Piece Index (from 1) of a text split at "|"; indices past the end repeat the last piece.
std::string UserTickTextPiece(std::string_view UserTickText, int Index);
// The number put in place of the first "&" of the inscription, or after it.
std::string ApplyInscript(std::string_view NumberText, std::string_view ScaleInscript);
// An elapsed time in seconds as sign, hours, minutes, seconds (" 01:30:00"),
// with milliseconds when asked (" 00:00:02.500").
std::string ElapsedTimeText(long double Seconds, bool WithMilliseconds);

// The new range of a mouse zoom or pan step: (X, Y) the pointer now, (X0, Y0)
// where the drag started, Lc .. Hc the range now and L0 .. H0 at the start.
// False when the action is not pan, zoom or zoom-drag, or when the step would
// give no usable range (not finite, or both ends equal).
struct TZoomPanInput {
  int X = 0, Y = 0, X0 = 0, Y0 = 0;
  double Lc = 0, Hc = 1, L0 = 0, H0 = 1;
  bool Logarithmic = false;
  TScaleType ScaleType = sctXB;
  TMouseActMode MouseAction = maNone;
  int MarginLeft = 0, MarginRight = 0, MarginTop = 0, MarginBottom = 0;
  int Width = 0, Height = 0;
};
bool ComputeZoomPanRange(const TZoomPanInput& in, double& NewLow, double& NewHigh);

inline constexpr int kMaxRecordedTicks = 250;
// The most ticks one drawing of a scale draws.
inline constexpr int kMaxDrawnTicks = 10000;

// The engine's settings; the initialisers are a new axis's, and its stored defaults.
struct TScaleEngineSettings {
  double RangeLow = 0;
  double RangeHigh = 100;
  int MinTicks = 3;
  bool ShortTicks = true;
  bool Logarithmic = false;
  TScaleType ScaleType = sctXB;
  int MarginLeft = 20;
  int MarginRight = 20;
  int MarginTop = 20;
  int MarginBottom = 20;
  TFigType LabelType = ftNum;
  int DecPlaces = -2;
  std::string ScaleInscript;
  std::string UserTickText;
  std::string Caption;
  int CaptionPosX = 4;
  int CaptionPosY = 4;
  TAlignment CaptionAlignment = taCenter;
  TScaleUnitAnchor CaptionAnchor = uaSclTopLft;
  bool ShowBaseLine = true;
  bool Transparent = false;
};

// What the TScale control adds to its engine's settings, as a new one has them.
struct TScaleControlSettings {
  TColor ColorBackGnd = clBtnFace;
  TColor ColorScale = clBlack;
  TColorScheme ColorScheme = csBWG;
  TColor ColorDark = clBlack;
  TColor ColorShadow3D = 0x808080;
  TColor ColorHighlight3D = 0xFFFFFF;
  TFrameStyle FrameStyle = fsLowered;
  TMouseActMode MouseAction = maNone;
};

// The engine behind every axis: settings, mapping, tick list and drawing on a
// canvas. TScale adds the control around it; the engine on its own has no
// window and never paints by itself.
class TScaleEngine {
 public:
  TScaleEngine();
  virtual ~TScaleEngine();
  TScaleEngine(const TScaleEngine&) = delete;
  TScaleEngine& operator=(const TScaleEngine&) = delete;

  // Range ends are never equal: making them so moves the other end by 1.
  double RangeLow() const { return settings_.RangeLow; }
  void SetRangeLow(double value);
  double RangeHigh() const { return settings_.RangeHigh; }
  void SetRangeHigh(double value);
  void SetRange(double Low, double High);

  int MinTicks() const { return settings_.MinTicks; }
  void SetMinTicks(int value);  // 0, or clamped to 2 .. 10
  bool ShortTicks() const { return settings_.ShortTicks; }
  void SetShortTicks(bool value);
  bool Logarithmic() const { return settings_.Logarithmic; }
  void SetLogarithmic(bool value);
  TScaleType ScaleType() const { return settings_.ScaleType; }
  void SetScaleType(TScaleType value);
  bool IsHorizontal() const { return settings_.ScaleType == sctXB || settings_.ScaleType == sctXT; }

  int MarginLeft() const { return settings_.MarginLeft; }
  void SetMarginLeft(int value);  // negative values become 0
  int MarginRight() const { return settings_.MarginRight; }
  void SetMarginRight(int value);
  int MarginTop() const { return settings_.MarginTop; }
  void SetMarginTop(int value);
  int MarginBottom() const { return settings_.MarginBottom; }
  void SetMarginBottom(int value);

  TFigType LabelType() const { return settings_.LabelType; }
  void SetLabelType(TFigType value);
  int DecPlaces() const { return settings_.DecPlaces; }
  void SetDecPlaces(int value);  // clamped to -3 .. 12
  const std::string& ScaleInscript() const { return settings_.ScaleInscript; }
  void SetScaleInscript(const std::string& value);
  const std::string& UserTickText() const { return settings_.UserTickText; }
  void SetUserTickText(const std::string& value);
  TDTLabel& DateFormat() { return dateFormat_; }
  const TDTLabel& DateFormat() const { return dateFormat_; }
  void SetDateFormat(const TDTLabel& value);

  const std::string& Caption() const { return settings_.Caption; }
  void SetCaption(const std::string& value);
  int CaptionPosX() const { return settings_.CaptionPosX; }
  void SetCaptionPosX(int value);
  int CaptionPosY() const { return settings_.CaptionPosY; }
  void SetCaptionPosY(int value);
  TAlignment CaptionAlignment() const { return settings_.CaptionAlignment; }
  void SetCaptionAlignment(TAlignment value);
  TScaleUnitAnchor CaptionAnchor() const { return settings_.CaptionAnchor; }
  void SetCaptionAnchor(TScaleUnitAnchor value);
  bool ShowBaseLine() const { return settings_.ShowBaseLine; }
  void SetShowBaseLine(bool value);
  bool Transparent() const { return settings_.Transparent; }
  void SetTransparent(bool value);

  // The mapping: pixel = PixelFactor * value + PixelOffset (of ln value when logarithmic).
  double PixelFactor() const { return pixelFactor_; }
  double PixelOffset() const { return pixelOffset_; }
  void UpdateMapping();
  int ValueToPixel(double Value) const;

  // Positions recorded by the last drawing, in drawing order.
  int NumTicks() const { return numTicks_; }
  const std::array<double, kMaxRecordedTicks>& TickList() const { return tickList_; }
  // Position Index (from 1); 0 outside 1 .. NumTicks.
  double TickPosition(int Index) const;

  // Ticks, labels and caption with the base line at the given y or x.
  void DrawHorizontalScale(TCanvas& Canvas, int Y);
  void DrawVerticalScale(TCanvas& Canvas, int X);

  TScaleTickDrawnEvent OnScaleTickDrawn;
  TBeforeTickLabelEvent OnBeforeTickLabel;

  // The size of the area the margins are measured in (the control's size).
  int ExtentWidth() const { return extentWidth_; }
  int ExtentHeight() const { return extentHeight_; }
  void SetExtent(int Width, int Height);

 protected:
  // Called by every setter that changes what is drawn.
  virtual void RequestRedraw() {}
  // While loading, the mapping is left alone.
  virtual bool IsScaleLoading() const { return false; }
  // The Sender of the drawing events.
  virtual TObject* ScaleSender() { return nullptr; }

  // Once set, Logarithmic refuses ranges that cannot be shown logarithmically.
  void SetLogarithmicChecked(bool value) { logChecked_ = value; }
  // The engine settings back to their defaults (caption texts emptied, the
  // inscription and the tick list kept).
  void ResetEngineDefaults();
  // Copies the engine settings, mapping, tick list and engine events.
  void AssignEngine(const TScaleEngine& source);

 private:
  struct TDrawPass;
  void DrawScale(TDrawPass& pass);
  void StoreRangeLow(double value);
  void StoreRangeHigh(double value);
  void Record(double value) {
    if (numTicks_ < kMaxRecordedTicks) tickList_[static_cast<std::size_t>(numTicks_++)] = value;
  }
  int PixelLength() const;
  int MaxTickSteps() const;
  void DrawMark(TDrawPass& pass, int pos, int length);
  void TickDrawn(TDrawPass& pass, long double value, int pos);
  void PlaceLabel(TDrawPass& pass, int pos, const std::string& text, int centreHeight,
                  int extraLines);
  void LinearSequence(TDrawPass& pass);
  void LogSequence(TDrawPass& pass);
  bool TimeSequence(TDrawPass& pass);
  void DateTimeSequence(TDrawPass& pass);
  void DateTimeMessage(TDrawPass& pass, std::string_view oneLine,
                       std::initializer_list<std::string_view> lines);
  void ClockTicks(TDrawPass& pass, long double unitsPerDay, int unit, long double ideal);
  void DayTicks(TDrawPass& pass, long double ideal);
  void MonthTicks(TDrawPass& pass, long double ideal);
  void YearTicks(TDrawPass& pass, long double ideal);
  void CalendarTick(TDrawPass& pass, long double t, bool isLong, const std::string& label,
                    bool clock);
  std::string BeforeLabel(long double value, std::string text);
  void LinearLabel(TDrawPass& pass, long double& p, int n, int pos);
  void LogLabel(TDrawPass& pass, long double v, int f, int exponent, int pos);
  void DrawCaption(TDrawPass& pass);

  TScaleEngineSettings settings_;
  bool logChecked_ = false;
  double pixelFactor_ = 1;
  double pixelOffset_ = 0;
  int numTicks_ = 0;
  std::array<double, kMaxRecordedTicks> tickList_{};
  TDTLabel dateFormat_;
  int extentWidth_ = 400;
  int extentHeight_ = 400;
};

// A control showing one axis. Stand-alone it has its own window, background,
// 3D frame and mouse zoom and pan; the chart keeps window-less ones that draw
// on its bitmap when it asks them to (RenderNow).
class TScale : public TCustomControl, public TScaleEngine {
 public:
  explicit TScale(TComponent* AOwner);
  ~TScale() override;
  std::string_view ClassName() const override { return "TScale"; }

  // Copies another TScale's settings (not Font, MouseAction, OnZoomPan) and
  // redraws; other sources go the platform's way.
  void Assign(const TPersistent& source) override;

  TColor ColorBackGnd() const { return controlSettings_.ColorBackGnd; }
  void SetColorBackGnd(TColor value);
  TColor ColorScale() const { return controlSettings_.ColorScale; }
  void SetColorScale(TColor value);
  TColorScheme ColorScheme() const { return controlSettings_.ColorScheme; }
  void SetColorScheme(TColorScheme value);
  TColor ColorDark() const { return controlSettings_.ColorDark; }
  TColor ColorShadow3D() const { return controlSettings_.ColorShadow3D; }
  TColor ColorHighlight3D() const { return controlSettings_.ColorHighlight3D; }
  TFrameStyle FrameStyle() const { return controlSettings_.FrameStyle; }
  void SetFrameStyle(TFrameStyle value);
  TMouseActMode MouseAction() const { return controlSettings_.MouseAction; }
  void SetMouseAction(TMouseActMode value) { controlSettings_.MouseAction = value; }

  void ResetToDefaults();
  bool Suspended() const { return suspended_; }
  void SetSuspended(bool Value);
  // Paints now whatever the suspended flag says.
  void RenderNow();
  bool Embedded() const { return embedded_; }
  void SetEmbedded(bool Value);
  // From now on the scale draws on Canvas (null: its own surface again).
  void SetExternalCanvas(TCanvas* Canvas, int OffsetX, int OffsetY);
  TCanvas* ExternalCanvas() const { return externalCanvas_; }
  int OffsetX() const { return offsetX_; }
  int OffsetY() const { return offsetY_; }
  bool Dragging() const { return dragging_; }

  void Paint() override;
  // After loading: the mapping, the end of the Logarithmic exemption, a redraw.
  void Loaded() override;

  TZoomPanEvent OnZoomPan;
  TScaleRenderedEvent OnBeforeScaleRendered;
  TScaleRenderedEvent OnAfterScaleRendered;

 protected:
  void RequestRedraw() override;
  bool IsScaleLoading() const override { return IsLoading(); }
  TObject* ScaleSender() override { return this; }
  void CreateWnd() override;
  void BoundsChanged(bool sizeChanged) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;

 private:
  void DrawOn(TCanvas& canvas, int offsetX, int offsetY);
  bool InActiveArea(int X, int Y) const;

  TScaleControlSettings controlSettings_;
  bool suspended_ = true;
  bool embedded_ = false;
  TCanvas* externalCanvas_ = nullptr;
  int offsetX_ = 0;
  int offsetY_ = 0;
  bool dragging_ = false;
  int dragX0_ = 0;
  int dragY0_ = 0;
  double dragLow0_ = 0;
  double dragHigh0_ = 0;
};

// Puts TScale and TDTLabel with their published properties into the class
// registry, so that layouts can create and set them; safe to call again.
void RegisterScaleClasses();

}  // namespace zarn
