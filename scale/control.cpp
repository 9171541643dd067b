// TScale: painting, the paint-suspension state, mouse zoom and pan, Assign.

#include <memory>

#include "scale/scale_internal.h"
#include "scale/zarn_scale.h"
#include "surface/zarn_bitmap.h"

namespace zarn {

using scale_internal::PixelSum;

TScale::TScale(TComponent* AOwner) : TCustomControl(AOwner) {
  // Layouts can name TScale once a program holds one.
  RegisterScaleClasses();
  SetBounds(Left(), Top(), 400, 400);
  ResetToDefaults();
}

TScale::~TScale() {
  suspended_ = true;  // nothing paints while the members go
}

void TScale::ResetToDefaults() {
  suspended_ = true;
  dragging_ = false;
  dragX0_ = dragY0_ = 0;
  dragLow0_ = dragHigh0_ = 0;
  embedded_ = false;
  externalCanvas_ = nullptr;
  offsetX_ = offsetY_ = 0;
  controlSettings_ = TScaleControlSettings{};
  OnZoomPan = nullptr;
  OnBeforeScaleRendered = nullptr;
  OnAfterScaleRendered = nullptr;
  SetExtent(Width(), Height());
  ResetEngineDefaults();
}

void TScale::SetSuspended(bool Value) {
  if (suspended_ == Value) return;
  suspended_ = Value;
  if (!Value) RequestRedraw();
}

void TScale::RenderNow() {
  const bool was = suspended_;
  suspended_ = false;
  RequestRedraw();
  suspended_ = was;
}

void TScale::SetEmbedded(bool Value) {
  if (embedded_ == Value) return;
  embedded_ = Value;
  RequestRedraw();
}

void TScale::SetExternalCanvas(TCanvas* Canvas, int OffsetX, int OffsetY) {
  externalCanvas_ = Canvas;
  offsetX_ = OffsetX;
  offsetY_ = OffsetY;
}

void TScale::SetColorBackGnd(TColor value) {
  if (controlSettings_.ColorBackGnd == value) return;
  controlSettings_.ColorBackGnd = value;
  RequestRedraw();
}

void TScale::SetColorScale(TColor value) {
  if (controlSettings_.ColorScale == value) return;
  controlSettings_.ColorScale = value;
  RequestRedraw();
}

void TScale::SetColorScheme(TColorScheme value) {
  if (controlSettings_.ColorScheme == value) return;
  controlSettings_.ColorScheme = value;
  controlSettings_.ColorShadow3D = value == csSystem ? clBtnShadow : 0x808080;
  controlSettings_.ColorHighlight3D = value == csSystem ? clBtnHighlight : 0xFFFFFF;
  RequestRedraw();
}

void TScale::SetFrameStyle(TFrameStyle value) {
  if (controlSettings_.FrameStyle == value) return;
  controlSettings_.FrameStyle = value;
  RequestRedraw();
}

void TScale::RequestRedraw() {
  // A transparent own surface is filled with Color before painting.
  SetOpaque(!Transparent());
  if (Transparent() && !embedded_) {
    Invalidate();
    return;
  }
  Paint();
  if (externalCanvas_ == nullptr && !suspended_ && Peer()) Peer()->SurfaceChanged();
}

void TScale::Loaded() {
  TCustomControl::Loaded();
  SetLogarithmicChecked(true);
  UpdateMapping();
  RequestRedraw();
}

void TScale::CreateWnd() {
  TCustomControl::CreateWnd();
  suspended_ = false;
}

void TScale::BoundsChanged(bool sizeChanged) {
  TCustomControl::BoundsChanged(sizeChanged);
  SetExtent(Width(), Height());
  RequestRedraw();
}

void TScale::DrawOn(TCanvas& canvas, int offsetX, int offsetY) {
  const int w = Width();
  const int h = Height();
  canvas.Pen().SetColor(controlSettings_.ColorScale);
  int base;
  switch (ScaleType()) {
    case sctXB:
      base = PixelSum(offsetY, h, -MarginBottom(), -1);
      break;
    case sctXT:
      base = PixelSum(offsetY, MarginTop());
      break;
    case sctYL:
      base = PixelSum(offsetX, MarginLeft());
      break;
    default:
      base = PixelSum(offsetX, w, -MarginRight(), -1);
      break;
  }
  if (IsHorizontal()) {
    DrawHorizontalScale(canvas, base);
  } else {
    DrawVerticalScale(canvas, base);
  }
  if (!ShowBaseLine()) return;
  canvas.Pen().SetColor(controlSettings_.ColorScale);
  if (IsHorizontal()) {
    canvas.MoveTo(MarginLeft(), base);
    canvas.LineTo(PixelSum(w, -MarginRight(), -1), base);
  } else {
    canvas.MoveTo(base, MarginTop());
    canvas.LineTo(base, PixelSum(h, -MarginBottom(), -1));
  }
}

void TScale::Paint() {
  if (IsLoading() || suspended_) return;
  if (!Visible() && !(IsDesigning() && !embedded_)) return;
  TCanvas& target = externalCanvas_ != nullptr ? *externalCanvas_ : Canvas();
  const int ox = externalCanvas_ != nullptr ? offsetX_ : 0;
  const int oy = externalCanvas_ != nullptr ? offsetY_ : 0;
  target.SetFont(Font());
  if (OnBeforeScaleRendered) OnBeforeScaleRendered(this, target);
  if (Transparent()) {
    DrawOn(target, ox, oy);
    if (OnAfterScaleRendered) OnAfterScaleRendered(this, target);
    return;
  }
  const int w = Width();
  const int h = Height();
  auto image = std::make_unique<TBitmap>(w, h);
  TCanvas& c = image->Canvas();
  c.SetFont(Font());
  c.Pen().SetColor(controlSettings_.ColorBackGnd);
  c.Brush().SetStyle(bsSolid);
  c.Brush().SetColor(controlSettings_.ColorBackGnd);
  c.Rectangle(0, 0, w, h);
  DrawOn(c, 0, 0);
  if (OnAfterScaleRendered) OnAfterScaleRendered(this, c);
  DrawStyledFrame(c, controlSettings_.FrameStyle, 0, 0, w - 1, h - 1,
                  controlSettings_.ColorHighlight3D, 0xC0C0C0, controlSettings_.ColorShadow3D,
                  controlSettings_.ColorDark, controlSettings_.ColorDark);
  target.SetCopyMode(cmSrcCopy);
  target.Draw(ox, oy, *image);
}

bool TScale::InActiveArea(int X, int Y) const {
  if (IsHorizontal())
    return MarginLeft() < X && X < Width() - MarginRight() && 0 < Y && Y < Height();
  return 0 < X && X < Width() && MarginTop() < Y && Y < Height() - MarginBottom();
}

void TScale::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!Shift.Contains(ssLeft) || !InActiveArea(X, Y)) return;
  if (!dragging_) {
    dragging_ = true;
    dragX0_ = X;
    dragY0_ = Y;
    dragLow0_ = RangeLow();
    dragHigh0_ = RangeHigh();
    return;
  }
  TZoomPanInput in;
  in.X = X;
  in.Y = Y;
  in.X0 = dragX0_;
  in.Y0 = dragY0_;
  in.Lc = RangeLow();
  in.Hc = RangeHigh();
  in.L0 = dragLow0_;
  in.H0 = dragHigh0_;
  in.Logarithmic = Logarithmic();
  in.ScaleType = ScaleType();
  in.MouseAction = controlSettings_.MouseAction;
  in.MarginLeft = MarginLeft();
  in.MarginRight = MarginRight();
  in.MarginTop = MarginTop();
  in.MarginBottom = MarginBottom();
  in.Width = Width();
  in.Height = Height();
  double low = 0;
  double high = 0;
  if (!ComputeZoomPanRange(in, low, high)) return;
  const bool was = suspended_;
  suspended_ = true;
  SetRange(low, high);
  SetSuspended(was);
  if (OnZoomPan) OnZoomPan(this);
}

void TScale::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  dragging_ = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TScale::DblClick() {
  if (controlSettings_.MouseAction == maPan) {
    controlSettings_.MouseAction = maZoom;
  } else if (controlSettings_.MouseAction == maZoom) {
    controlSettings_.MouseAction = maPan;
  }
  TCustomControl::DblClick();
}

void TScale::Assign(const TPersistent& source) {
  const auto* s = dynamic_cast<const TScale*>(&source);
  if (s == nullptr) {
    TCustomControl::Assign(source);
    return;
  }
  if (s == this) return;
  // The mouse action is this control's own mode, which a double click switches.
  const TMouseActMode mouseAction = controlSettings_.MouseAction;
  controlSettings_ = s->controlSettings_;
  controlSettings_.MouseAction = mouseAction;
  AssignEngine(*s);
  offsetX_ = s->offsetX_;
  offsetY_ = s->offsetY_;
  embedded_ = s->embedded_;
  OnBeforeScaleRendered = s->OnBeforeScaleRendered;
  OnAfterScaleRendered = s->OnAfterScaleRendered;
  suspended_ = s->suspended_;
  RequestRedraw();
}

}  // namespace zarn
