// Where controls paint: surfaces at their window's device scale, custom
// controls that own one and graphic controls that draw on their parent's.

#include <algorithm>

#include "platform/control.h"

namespace zarn {

// ---- TWinControl: the surface ----

TBitmap* TWinControl::AcquireSurface() const {
  if (ownsSurface_ && !surface_) {
    surface_ = std::make_unique<TBitmap>();
    FitSurface();
  }
  return surface_.get();
}

void TWinControl::FitSurface() const {
  surface_->SetCanvasSize(ClientWidth(), ClientHeight(), DeviceScale());
}

void TWinControl::SetDeviceScale(int value) {
  value = std::clamp(value, 1, kMaxCanvasScale);
  if (value == deviceScale_) return;
  deviceScale_ = value;
  if (!Parent()) DeviceScaleChanged();
}

void TWinControl::DeviceScaleChanged() {
  if (surface_) FitSurface();
  for (TControl* c : controls_)
    c->DeviceScaleChanged();
  PeerStateChanged();  // pictures a native control shows, such as a glyph
  TControl::DeviceScaleChanged();
}

void TWinControl::MarkSurfaceDrawn(const TRect& area) {
  if (area.Left >= area.Right || area.Top >= area.Bottom) return;
  if (!SurfaceDrawn()) {
    surfaceDrawn_ = area;
    return;
  }
  surfaceDrawn_ =
      Rect(std::min(surfaceDrawn_.Left, area.Left), std::min(surfaceDrawn_.Top, area.Top),
           std::max(surfaceDrawn_.Right, area.Right), std::max(surfaceDrawn_.Bottom, area.Bottom));
}

// ---- TCustomControl ----

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {
  CreateSurface();
}

void TCustomControl::PaintWindow() {
  TCanvas& canvas = Canvas();
  canvas.SetOrigin(Point(0, 0));
  canvas.ResetClipRect();
  canvas.SetFont(Font());
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(Color());
  if (!opaque_) canvas.FillRect(ClientRect());
  TWinControl::PaintWindow();
  // Graphic children paint over whatever this control drew, in creation order.
  const TRect client = ClientRect();
  for (int i = 0; i < ControlCount(); ++i) {
    auto* g = dynamic_cast<TGraphicControl*>(Controls(i));
    if (!g || !(g->Visible() || IsDesigning())) continue;
    const TRect r = g->BoundsRect();
    if (r.Right <= client.Left || r.Left >= client.Right || r.Bottom <= client.Top ||
        r.Top >= client.Bottom || r.Width() <= 0 || r.Height() <= 0)
      continue;
    g->PrepareCanvas();
    g->Paint();
  }
}

// ---- TGraphicControl ----

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {
  Retarget(&nowhere_);
  PlaceCanvas();
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Retarget(TBitmap* target) {
  if (target == nullptr) target = &nowhere_;
  if (canvas_ && target == target_) return;
  canvas_ = std::make_unique<TCanvas>(*target);
  target_ = target;
}

void TGraphicControl::PlaceCanvas() {
  if (target_ == &nowhere_) {
    canvas_->SetOrigin(Point(0, 0));
    canvas_->SetScale(1);
  } else {
    canvas_->SetOrigin(Point(Left(), Top()));
    canvas_->SetScale(DeviceScale());
  }
  canvas_->SetClipRect(Rect(0, 0, Width(), Height()));
}

void TGraphicControl::PrepareCanvas() {
  Retarget(Parent() ? Parent()->AcquireSurface() : nullptr);
  PlaceCanvas();
}

void TGraphicControl::ParentChanged() {
  // Joining a parent is no reason yet to allocate the parent's pixels.
  Retarget(Parent() ? Parent()->SurfaceBitmap() : nullptr);
  PlaceCanvas();
}

void TGraphicControl::DeviceScaleChanged() {
  PlaceCanvas();
  TControl::DeviceScaleChanged();
}

void TGraphicControl::BoundsChanged(bool /*sizeChanged*/) {
  PlaceCanvas();
  Invalidate();
}

void TGraphicControl::Invalidate() {
  TControl::Invalidate();
}

void TGraphicControl::Repaint() {
  TControl::Repaint();
}

}  // namespace zarn
