// The surface composed from the kept picture and the crosshairs drawn over
// it, so that a crosshair move redraws strips, not the picture.

#include <algorithm>
#include <span>

#include "chart/mouse_state.h"
#include "chart/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn::vorel_detail {

namespace {

using TStrips = std::array<TRect, TComposition::kMaxStrips>;

void CopyArea(TBitmap& to, const TBitmap& from, const TRect& r) {
  const int left = std::max(r.Left, 0), top = std::max(r.Top, 0);
  const int right = std::min({r.Right, to.Width(), from.Width()});
  const int bottom = std::min({r.Bottom, to.Height(), from.Height()});
  if (left >= right) return;
  for (int y = top; y < bottom; ++y)
    std::copy_n(from.ScanLine(y) + left, right - left, to.ScanLine(y) + left);
}

// The surface a composition may draw on: the control's own, of its size.
TBitmap* Surface(TCustomVorel& v) {
  TBitmap* s = v.AcquireSurface();
  const TBitmap& kept = v.ControlImage();
  if (s == nullptr || s->Width() != kept.Width() || s->Height() != kept.Height()) return nullptr;
  return s;
}

void Show(TCustomVorel& v, const TRect& r) {
  if (v.Peer() && r.Left < r.Right && r.Top < r.Bottom) v.Peer()->SurfaceAreaChanged(r);
}

// Draws the crosshairs on the surface and remembers where they lie.
void DrawCrossHairsOn(TCustomVorel& v, TBitmap& surface, TComposition& k) {
  surface.Canvas().Pen().SetMode(pmCopy);
  v.DrawCrossHairs(surface, 0, 0);
  k.StripCount = CrossHairStrips(v, k.Strips);
  k.Shown = true;
}

void RememberTexts(const TCustomVorel& v, TComposition& k) {
  k.DataTexts = v.ItemTexts(false).Text;
  k.AnnotationTexts = v.ItemTexts(true).Text;
}

// A composition only where nobody could see that the picture was not painted.
bool Composable(TCustomVorel& v, const TRenderState& s) {
  return s.Composition.Shown && !s.Painting && !v.PaintHold() && !v.IsLoading() &&
         (v.Visible() || v.IsDesigning()) && !PaintObservable(v);
}

// Puts back the strips the crosshairs covered, draws them anew and shows
// what changed.
void RedrawCrossHairs(TCustomVorel& v, TBitmap& surface, TComposition& k) {
  const TBitmap& kept = v.ControlImage();
  const TStrips old = k.Strips;
  const int oldCount = k.StripCount;
  for (int i = 0; i < oldCount; ++i)
    CopyArea(surface, kept, old[static_cast<std::size_t>(i)]);
  DrawCrossHairsOn(v, surface, k);
  for (int i = 0; i < oldCount; ++i)
    Show(v, old[static_cast<std::size_t>(i)]);
  for (int i = 0; i < k.StripCount; ++i)
    Show(v, k.Strips[static_cast<std::size_t>(i)]);
}

}  // namespace

bool KeptPictureCurrent(const TCustomVorel& v, const TRenderState& s) {
  const TComposition& k = s.Composition;
  return k.FrameCurrent && k.PlotCurrent && v.ItemTexts(false).Text == k.DataTexts &&
         v.ItemTexts(true).Text == k.AnnotationTexts;
}

void ComposeWhole(TCustomVorel& v) {
  TRenderState& s = TRenderer::State(v);
  TComposition& k = s.Composition;
  TCanvas& canvas = v.Canvas();
  canvas.SetCopyMode(cmSrcCopy);
  canvas.Draw(0, 0, v.ControlImage());
  k.FrameCurrent = k.PlotCurrent = true;
  RememberTexts(v, k);
  if (TBitmap* surface = Surface(v))
    DrawCrossHairsOn(v, *surface, k);
  else
    v.DrawCrossHairs(*v.AcquireSurface(), 0, 0);
  if (v.Peer()) v.Peer()->SurfaceChanged();
}

void ComposePlotArea(TCustomVorel& v) {
  TRenderState& s = TRenderer::State(v);
  TComposition& k = s.Composition;
  TBitmap* surface = Surface(v);
  if (surface == nullptr || !Composable(v, s) || !k.FrameCurrent) {
    ComposeWhole(v);
    return;
  }
  const TRect plot = PlotAreaRect(v);
  CopyArea(*surface, v.ControlImage(), plot);
  k.PlotCurrent = true;
  RememberTexts(v, k);
  RedrawCrossHairs(v, *surface, k);
  Show(v, plot);
}

bool ComposeCrossHairs(TCustomVorel& v) {
  TRenderState& s = TRenderer::State(v);
  TBitmap* surface = Surface(v);
  if (surface == nullptr || !Composable(v, s) || !KeptPictureCurrent(v, s)) return false;
  RedrawCrossHairs(v, *surface, s.Composition);
  return true;
}

void FrameChanged(TCustomVorel& v) {
  TRenderer::State(v).Composition.FrameCurrent = false;
}

void PlotChanged(TCustomVorel& v) {
  TRenderer::State(v).Composition.PlotCurrent = false;
}

void SurfaceTouched(TCustomVorel& v) {
  TRenderer::State(v).Composition.Shown = false;
}

}  // namespace zarn::vorel_detail
