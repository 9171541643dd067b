#pragma once
// The chart's rendering state between and during paints: the attribute cache,
// the poly-line buffer, the duplicate-mark map and the decoded background
// picture, and the renderer's access to the chart's images.

#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "chart/picture/axis_map.h"
#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

inline constexpr int kPolyLinePoints = 200;

// Round to nearest (halves to even) after limiting to the 32-bit range; NaN gives 0.
inline std::int64_t RoundLimited(double v) {
  if (std::isnan(v)) return 0;
  constexpr double kLimit = 2147483647.0;
  v = v < -kLimit ? -kLimit : (v > kLimit ? kLimit : v);
  return static_cast<std::int64_t>(std::nearbyint(v));
}

// The plotting area's edges in control pixels, all four inside it: the plot
// frame is drawn on them and the plotting-area image spans them.
struct TPlotEdges {
  std::int64_t Left, Top, Right, Bottom;
};

inline TPlotEdges PlotEdges(const TCustomVorel& v) {
  return {v.MarginLeft(), v.MarginTop(),
          std::int64_t{v.Width()} - v.MarginRight() - v.ShadowWidth(),
          std::int64_t{v.Height()} - v.MarginBottom() - v.ShadowWidth()};
}

// Keeps a canvas's pen (colour, width, style, mode) and brush style as they
// were; what is drawn in between sets what it needs.
class TPenKeeper {
 public:
  explicit TPenKeeper(TCanvas& c)
      : c_(c),
        color_(c.Pen().Color()),
        width_(c.Pen().Width()),
        style_(c.Pen().Style()),
        mode_(c.Pen().Mode()),
        brush_(c.Brush().Style()) {}
  ~TPenKeeper() {
    c_.Pen().SetColor(color_);
    c_.Pen().SetWidth(width_);
    c_.Pen().SetStyle(style_);
    c_.Pen().SetMode(mode_);
    c_.Brush().SetStyle(brush_);
  }
  TPenKeeper(const TPenKeeper&) = delete;
  TPenKeeper& operator=(const TPenKeeper&) = delete;

 private:
  TCanvas& c_;
  TColor color_;
  int width_;
  TPenStyle style_;
  TPenMode mode_;
  TBrushStyle brush_;
};

// The last values given to the plotting-area surface, so that items call the
// surface only when they need a different value.
struct TAttrCache {
  TColor PenColor = 0;
  TPenStyle PenStyle = psSolid;
  int PenWidth = 1;
  TColor BrushColor = 0;
  bool BrushClear = false;  // a clear brush must be made solid again even in the cached colour
  TColor FontColor = 0;
};

// The decoded background picture, kept while its file is unchanged.
struct TPictureCache {
  TBitmap Picture{10, 10};
  std::string Name;
  std::uintmax_t Size = 0;
  std::int64_t ModTime = 0;
  bool Valid = false;
};

// The surface as the kept picture plus the crosshairs: a crosshair move puts
// back from the kept picture only the strips the crosshairs covered.
struct TComposition {
  static constexpr int kMaxStrips = 3 * kVorelCrossHairs;
  std::array<TRect, kMaxStrips> Strips{};  // where the surface differs from the kept picture
  int StripCount = 0;
  bool Shown = false;         // the surface holds exactly that, drawn by nobody else since
  bool FrameCurrent = false;  // the kept frame, caption and axes show the chart as it is
  bool PlotCurrent = false;   // the kept plotting area does
  // Text items name these by number; the caller may change them unseen.
  std::array<std::string, kVorelItemTexts + 1> DataTexts, AnnotationTexts;
};

struct TRenderState {
  TAttrCache Cache;
  TComposition Composition;
  // The poly-line buffer and its pen position hold line items' points in the
  // device's pixels (TItemTarget::Fine per canvas pixel).
  std::array<TPoint, kPolyLinePoints> Poly{};
  int PolyCount = 0;
  TPoint PenPos;  // the cached pen position the next poly-line starts from
  std::vector<std::int32_t> DupMap;
  int DupWidth = 0;
  int DupHeight = 0;
  TPictureCache Background;
  // The layers' transforms in double, while items are drawn and no handler
  // that runs between them could change a transform: onto canvas pixels, and
  // onto the device's for line items.
  std::array<TAxisMap, kVorelLayers + 1> XMaps{}, YMaps{}, FineXMaps{}, FineYMaps{};
  bool FastMaps = false;
  std::string Text;                     // a text item's text, reused between items
  std::vector<std::string_view> Lines;  // its lines, reused likewise
  bool Painting = false;
};

// The renderer's way to the chart's images and state.
struct TRenderer {
  static TBitmap& ControlImage(TCustomVorel& chart) { return chart.controlImage_; }
  static TBitmap& PlotImage(TCustomVorel& chart) { return chart.plotImage_; }
  static TRenderState& State(TCustomVorel& chart) { return *chart.render_; }
  // The flags a paint hold sets and puts back without the paint a release brings.
  static bool& Hold(TCustomVorel& chart) { return chart.paintHold_; }
  static bool& Reacting(TCustomVorel& chart) { return chart.reactingToSettings_; }
};

// Which surface a poly-line or an item draws on, and where the plotting area's
// origin lies on it. Line items (the poly-line) are placed at the device's
// finer pixels, Fine to each of the canvas's; other items at the canvas's.
struct TItemTarget {
  TCustomVorel& Chart;
  TCanvas& Canvas;
  TRenderState& State;
  int OffsetX;
  int OffsetY;
  bool Monochrome;
  int Fine = 1;
};

// A device point in the canvas pixel that holds it.
inline TPoint CanvasPixel(TPoint device, int fine) {
  const auto down = [fine](int v) { return v >= 0 ? v / fine : -((-v + fine - 1) / fine); };
  return {down(device.X), down(device.Y)};
}

// series_drawing.cpp: the series of a list that are shown, after the data items.
void DrawSeries(TItemTarget& target, std::span<const TvoSeries> series);

// crosshair_drawing.cpp: the areas the crosshairs cover, in control pixels; returns their number.
int CrossHairStrips(TCustomVorel& chart, std::span<TRect, TComposition::kMaxStrips> strips);
// render.cpp: where the plotting-area image lies on the control, and drawing
// it anew into the kept picture.
TRect PlotAreaRect(const TCustomVorel& chart);
void RenderPlotArea(TCustomVorel& chart);
// Whether a kept image holds a picture of width x height canvas pixels at the scale.
inline bool HasCanvasSize(const TBitmap& image, int width, int height, int scale) {
  return image.Scale() == scale && image.CanvasWidth() == width && image.CanvasHeight() == height;
}
// compose.cpp
// Whether a paint could be seen by a handler (render events, a background
// file, charts sharing the data) before the next one replaces its picture.
bool PaintObservable(const TCustomVorel& chart);
// Whether a paint could not tell the kept picture from a fresh one.
bool KeptPictureCurrent(const TCustomVorel& chart, const TRenderState& s);
// After a full paint: the surface becomes the kept picture with the crosshairs.
void ComposeWhole(TCustomVorel& chart);
// After the plotting area was drawn into the kept picture: that area and the
// crosshairs go to the surface.
void ComposePlotArea(TCustomVorel& chart);
// The crosshairs alone moved: false when only a full paint can show it.
bool ComposeCrossHairs(TCustomVorel& chart);
// The kept frame, or plotting area, was drawn as the chart is now.
void FrameDrawn(TCustomVorel& chart);
void PlotDrawn(TCustomVorel& chart);
// Something the kept picture shows changed without being drawn.
void FrameChanged(TCustomVorel& chart);
void PlotChanged(TCustomVorel& chart);
void PictureChanged(TCustomVorel& chart);  // both
// Something other than the composition drew on the surface.
void SurfaceTouched(TCustomVorel& chart);

// item_render.cpp
void FlushPolyLine(TItemTarget& t);
void RenderItem(TItemTarget& t, TvoChartItem& item, int index, bool isAnnotation,
                const TVoItemTexts& texts);
// grid.cpp
void DrawGrid(TCustomVorel& chart, TCanvas& canvas, TAttrCache& cache, int ox, int oy);
// text_label_drawing.cpp
void DrawTextLabels(TCustomVorel& chart, TCanvas& canvas, int ox, int oy);
// Lines of a text split at line feeds, into a reused vector.
void SplitLines(std::string_view text, std::vector<std::string_view>& lines);
// The widest line, or the whole text's width when every line is empty.
int BlockWidth(const TCanvas& canvas, std::string_view text,
               const std::vector<std::string_view>& lines);

}  // namespace zarn::vorel_detail
