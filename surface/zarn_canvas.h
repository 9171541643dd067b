#pragma once
// TCanvas draws into a TBitmap with the pen, brush and font it holds. All
// geometry is rasterized here, aliased and exact: LineTo leaves out its end
// pixel, Rectangle(x1, y1, x2, y2) covers x1 .. x2 - 1, polygons fill with the
// alternate rule. Every operation is clipped to the bitmap and to the clip
// rectangle; any 32-bit coordinate is accepted.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "surface/zarn_graphics.h"
#include "surface/zarn_types.h"

namespace zarn {

class TBitmap;

inline constexpr int kMaxCanvasScale = 8;

using TCopyMode = std::uint32_t;
inline constexpr TCopyMode cmSrcCopy = 0x00CC0020;
inline constexpr TCopyMode cmSrcAnd = 0x008800C6;

// What a canvas reports about its device, read with GetDeviceCaps.
struct TDeviceContext {
  int LogPixelsX = kScreenPixelsPerInch;
  int LogPixelsY = kScreenPixelsPerInch;
  int AspectX = 36;
  int AspectY = 36;
  int HorzSize = 0;  // millimetres, 0 when the device has no physical size
  int VertSize = 0;
  unsigned TextAlign = 0;
  const class TCanvas* Canvas = nullptr;  // the canvas this context belongs to
};
using HDC = TDeviceContext*;

inline constexpr int HORZSIZE = 4;
inline constexpr int VERTSIZE = 6;
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int ASPECTX = 40;
inline constexpr int ASPECTY = 42;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
inline constexpr int PHYSICALWIDTH = 110;
inline constexpr int PHYSICALHEIGHT = 111;

inline constexpr unsigned TA_LEFT = 0;
inline constexpr unsigned TA_TOP = 0;
inline constexpr unsigned TA_UPDATECP = 1;
inline constexpr unsigned TA_RIGHT = 2;
inline constexpr unsigned TA_CENTER = 6;
inline constexpr unsigned TA_BOTTOM = 8;
inline constexpr unsigned TA_BASELINE = 24;

// A capability of the device (the constants above); 0 for an unknown index or a null handle.
int GetDeviceCaps(HDC dc, int index);
// Sets the text alignment used by TextOut and returns the previous one.
unsigned SetTextAlign(HDC dc, unsigned flags);

class TCanvas {
 public:
  explicit TCanvas(TBitmap& target);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TBitmap& Target() const { return *target_; }

  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TFont& Font() { return font_; }
  const TPen& Pen() const { return pen_; }
  const TBrush& Brush() const { return brush_; }
  const TFont& Font() const { return font_; }
  void SetPen(const TPen& value) { pen_.Assign(value); }
  void SetBrush(const TBrush& value) { brush_.Assign(value); }
  void SetFont(const TFont& value) { font_.Assign(value); }

  // Canvas coordinates are bitmap coordinates minus the origin; graphic
  // controls painting on their parent's surface move the origin to their corner.
  TPoint Origin() const { return origin_; }
  void SetOrigin(TPoint value) { origin_ = value; }
  // Bitmap pixels per canvas pixel along each side, for high-density screens:
  // every coordinate, width and font size is taken that many times larger, so
  // a picture drawn at scale 2 has the layout of scale 1 with twice the detail.
  // From 1 to kMaxCanvasScale.
  int Scale() const { return scale_; }
  void SetScale(int value);

  // In canvas coordinates; drawing never leaves it nor the bitmap.
  TRect ClipRect() const;
  void SetClipRect(const TRect& value);
  void ResetClipRect();

  // MoveTo also restarts the pattern of a dashed pen.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  // LineTo each point in turn, the pen set up once: the same pixels.
  void LinesTo(std::span<const TPoint> points);
  // A poly-line through points given in the bitmap's own pixels (the origin
  // still counts in canvas pixels), for detail finer than the canvas's on a
  // high-density bitmap: the pen's width and pattern are taken Scale() times
  // longer: a thin pen's line is drawn with a Scale() x Scale() nib whose
  // corner follows the one-pixel line, as the canvas's line is made of
  // blocks. At scale 1 it is Polyline. The pen position is left as it was.
  void FinePolyline(std::span<const TPoint> points);
  TPoint PenPos() const { return penPos_; }
  void SetPenPos(TPoint value) { penPos_ = value; }

  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void FillRect(const TRect& r);  // brush only, no outline
  void Ellipse(int x1, int y1, int x2, int y2);
  // The arc of the ellipse in (x1, y1, x2, y2) counter-clockwise from the ray
  // towards (x3, y3) to the ray towards (x4, y4).
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Polygon(std::span<const TPoint> points);
  void Polyline(std::span<const TPoint> points);

  TColor Pixel(int x, int y) const;  // black outside the bitmap
  void SetPixel(int x, int y, TColor color);

  // Text: UTF-8, drawn in the font colour; the reference point follows the
  // text alignment of Handle() (left/top by default).
  void TextOut(int x, int y, std::string_view text);
  void TextRect(const TRect& clip, int x, int y, std::string_view text);
  int TextWidth(std::string_view text) const;
  int TextHeight(std::string_view text) const;
  TPoint TextExtent(std::string_view text) const;  // X width, Y height

  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode value) { copyMode_ = value; }
  void Draw(int x, int y, const TBitmap& source);
  void StretchDraw(const TRect& dest, const TBitmap& source);

  HDC Handle() { return &device_; }
  const TDeviceContext& Device() const { return device_; }
  void SetDevice(const TDeviceContext& value);

 private:
  TBitmap* target_;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TPoint penPos_;
  TPoint origin_;
  TRect clip_;  // in bitmap coordinates, so that moving the origin leaves it in place
  bool clipSet_ = false;
  std::int64_t dashPhase_ = 0;  // a dashed pen's pattern runs on across LineTo calls
  TCopyMode copyMode_ = cmSrcCopy;
  int scale_ = 1;
  TDeviceContext device_;
};

}  // namespace zarn
