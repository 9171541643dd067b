// The surface composed from the kept picture and the crosshairs drawn over
// it, so that a crosshair move redraws strips, not the picture. The kept
// picture is two images: the plotting-area image where it lies on the
// control, the whole-control image around it; each pixel is copied once.

#include <algorithm>
#include <cstdint>
#include <span>

#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

namespace {

using TStrips = std::array<TRect, TComposition::kMaxStrips>;

// Copies area r of the target from an image whose top-left pixel lies at
// (ox, oy) on the target, as far as both reach; r and the corner in canvas
// pixels of the target's scale, which the image shares.
void CopyArea(TBitmap& to, const TBitmap& from, const TRect& r, int ox, int oy) {
  const std::int64_t s = to.Scale();
  const std::int64_t x0 = ox * s, y0 = oy * s;
  const std::int64_t left = std::max<std::int64_t>({r.Left * s, 0, x0});
  const std::int64_t top = std::max<std::int64_t>({r.Top * s, 0, y0});
  const std::int64_t right = std::min<std::int64_t>({r.Right * s, to.Width(), x0 + from.Width()});
  const std::int64_t bottom =
      std::min<std::int64_t>({r.Bottom * s, to.Height(), y0 + from.Height()});
  if (left >= right) return;
  for (std::int64_t y = top; y < bottom; ++y)
    std::copy_n(from.ScanLine(static_cast<int>(y - y0)) + (left - x0), right - left,
                to.ScanLine(static_cast<int>(y)) + left);
}

// Area r of the kept picture onto the surface.
void RestoreArea(TCustomVorel& v, TBitmap& surface, const TRect& r) {
  const TRect plot = PlotAreaRect(v);
  const TBitmap& frame = v.ControlImage();
  // Around the plotting area: the bands above and below, then left and right.
  const int top = std::clamp(plot.Top, r.Top, r.Bottom);
  const int bottom = std::clamp(plot.Bottom, top, r.Bottom);
  CopyArea(surface, frame, Rect(r.Left, r.Top, r.Right, top), 0, 0);
  CopyArea(surface, frame, Rect(r.Left, bottom, r.Right, r.Bottom), 0, 0);
  CopyArea(surface, frame, Rect(r.Left, top, std::min(plot.Left, r.Right), bottom), 0, 0);
  CopyArea(surface, frame, Rect(std::max(plot.Right, r.Left), top, r.Right, bottom), 0, 0);
  CopyArea(surface, v.PlotImage(), r, plot.Left, plot.Top);
}

// The surface a composition may draw on: the control's own, of its size.
TBitmap* Surface(TCustomVorel& v) {
  TBitmap* s = v.AcquireSurface();
  const TBitmap& kept = v.ControlImage();
  if (s == nullptr || s->Width() != kept.Width() || s->Height() != kept.Height() ||
      s->Scale() != kept.Scale())
    return nullptr;
  return s;
}

void Show(TCustomVorel& v, const TRect& r) {
  if (v.Peer() && r.Left < r.Right && r.Top < r.Bottom) v.Peer()->SurfaceAreaChanged(r);
}

// Draws the crosshairs on the surface and remembers where they lie.
// The crosshairs over whatever the surface shows, in copy mode as on an image.
void DrawCrossHairsOver(TCustomVorel& v, TBitmap& surface) {
  surface.Canvas().Pen().SetMode(pmCopy);
  v.DrawCrossHairs(surface, 0, 0);
}

void DrawCrossHairsOn(TCustomVorel& v, TBitmap& surface, TComposition& k) {
  DrawCrossHairsOver(v, surface);
  k.StripCount = CrossHairStrips(v, k.Strips);
  k.Shown = true;
}

// A composition only where nobody could see that the picture was not painted.
bool Composable(TCustomVorel& v, const TRenderState& s) {
  return s.Composition.Shown && !s.Painting && !v.PaintHold() && !v.IsLoading() &&
         (v.Visible() || v.IsDesigning()) && !PaintObservable(v);
}

// Puts back the strips the crosshairs covered, draws them anew and shows
// what changed.
void RedrawCrossHairs(TCustomVorel& v, TBitmap& surface, TComposition& k) {
  const TStrips old = k.Strips;
  const int oldCount = k.StripCount;
  for (int i = 0; i < oldCount; ++i)
    RestoreArea(v, surface, old[static_cast<std::size_t>(i)]);
  DrawCrossHairsOn(v, surface, k);
  for (int i = 0; i < oldCount; ++i)
    Show(v, old[static_cast<std::size_t>(i)]);
  for (int i = 0; i < k.StripCount; ++i)
    Show(v, k.Strips[static_cast<std::size_t>(i)]);
}

}  // namespace

bool PaintObservable(const TCustomVorel& chart) {
  return chart.OnBeforeRenderData || chart.OnDataRendered || chart.OnScalesRendered ||
         chart.OnBeforeRenderChartItem || chart.OnBeforeRenderText || chart.OnScaleTickDrawn ||
         chart.OnBeforeTickLabel || !chart.BackGroundImg().Name().empty() ||
         chart.SharerCount() > 0 || chart.UseDataOf() != nullptr;
}

bool KeptPictureCurrent(const TCustomVorel& v, const TRenderState& s) {
  const TComposition& k = s.Composition;
  return k.FrameCurrent && k.PlotCurrent && v.ItemTexts(false).Text == k.DataTexts &&
         v.ItemTexts(true).Text == k.AnnotationTexts;
}

void ComposeWhole(TCustomVorel& v) {
  TRenderState& s = TRenderer::State(v);
  TComposition& k = s.Composition;
  k.Shown = false;
  TBitmap& surface = v.Surface();
  RestoreArea(v, surface, Rect(0, 0, surface.CanvasWidth(), surface.CanvasHeight()));
  if (Surface(v) != nullptr)
    DrawCrossHairsOn(v, surface, k);
  else
    DrawCrossHairsOver(v, surface);
  if (v.Peer()) v.Peer()->SurfaceChanged();
}

void ComposePlotArea(TCustomVorel& v) {
  TRenderState& s = TRenderer::State(v);
  TComposition& k = s.Composition;
  const TRect plot = PlotAreaRect(v);
  TBitmap* surface = Surface(v);
  if (surface != nullptr && Composable(v, s) && k.FrameCurrent) {
    CopyArea(*surface, v.PlotImage(), plot, plot.Left, plot.Top);
    RedrawCrossHairs(v, *surface, k);
    Show(v, plot);
    return;
  }
  // The frame on the surface may be out of date: it stays as it is, and the
  // crosshairs are drawn over whatever it shows.
  k.Shown = false;
  TBitmap& whole = v.Surface();
  CopyArea(whole, v.PlotImage(), plot, plot.Left, plot.Top);
  DrawCrossHairsOver(v, whole);
  if (v.Peer()) v.Peer()->SurfaceChanged();
}

bool ComposeCrossHairs(TCustomVorel& v) {
  TRenderState& s = TRenderer::State(v);
  TBitmap* surface = Surface(v);
  if (surface == nullptr || !Composable(v, s) || !KeptPictureCurrent(v, s)) return false;
  RedrawCrossHairs(v, *surface, s.Composition);
  return true;
}

void FrameDrawn(TCustomVorel& v) {
  TRenderer::State(v).Composition.FrameCurrent = true;
}

void PlotDrawn(TCustomVorel& v) {
  TComposition& k = TRenderer::State(v).Composition;
  k.PlotCurrent = true;
  k.DataTexts = v.ItemTexts(false).Text;
  k.AnnotationTexts = v.ItemTexts(true).Text;
}

void FrameChanged(TCustomVorel& v) {
  TRenderer::State(v).Composition.FrameCurrent = false;
}

void PictureChanged(TCustomVorel& v) {
  FrameChanged(v);
  PlotChanged(v);
}

void PlotChanged(TCustomVorel& v) {
  TRenderer::State(v).Composition.PlotCurrent = false;
}

void SurfaceTouched(TCustomVorel& v) {
  TRenderer::State(v).Composition.Shown = false;
}

}  // namespace zarn::vorel_detail
