#include <algorithm>

#include "platform/application.h"
#include "platform/controls_std.h"

namespace zarn {

std::string UndrawableSize(int width, int height) {
  const bool fits =
      width >= 1 && height >= 1 && width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
      static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * sizeof(TColor) <=
          kMaxBitmapBytes;
  if (fits) return {};
  return "a window of " + std::to_string(width) + " x " + std::to_string(height) +
         " pixels cannot be drawn (at most " + std::to_string(kMaxBitmapSide) + " on a side and " +
         std::to_string(kMaxBitmapBytes / sizeof(TColor)) + " pixels)";
}

// ---- TForm ----

TForm::TForm(TComponent* AOwner) : TCustomControl(AOwner) {
  TWinControl::SetVisible(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320 + kFormFrameWidth, 240 + kFormFrameHeight);
}

TForm::~TForm() {
  // Components go while the form is still a form: their partners may ask it.
  DestroyComponents();
}

void TForm::BeforeDestruction() {
  if (destroyFired_) return;
  destroyFired_ = true;
  if (OnDestroy) OnDestroy(this);
}

void TForm::SetCaption(const std::string& value) {
  if (value == caption_) return;
  caption_ = value;
  PeerStateChanged();
}

void TForm::SetPixelsPerInch(int value) {
  if (value > 0) pixelsPerInch_ = value;
}

int TForm::ClientWidth() const {
  return std::max(Width() - frameWidth_, 0);
}
int TForm::ClientHeight() const {
  return std::max(Height() - frameHeight_, 0);
}
void TForm::SetClientWidth(int value) {
  SetWidth(SaturatedSum(value, frameWidth_));
}
void TForm::SetClientHeight(int value) {
  SetHeight(SaturatedSum(value, frameHeight_));
}

void TForm::SetFrameSize(int width, int height) {
  const int cw = ClientWidth(), ch = ClientHeight();
  frameWidth_ = std::max(width, 0);
  frameHeight_ = std::max(height, 0);
  SetBounds(Left(), Top(), SaturatedSum(cw, frameWidth_), SaturatedSum(ch, frameHeight_));
}

void TForm::SetVisible(bool value) {
  if (IsLoading()) {
    showAfterLoad_ = value;
    return;
  }
  if (value == Visible()) return;
  TApplicationServices& services = Application().Services();
  if (value) {
    TWinControl::SetVisible(true);
    services.RealizeForm(*this);
    if (OnShow) OnShow(this);
    if (Visible()) services.ShowForm(*this);
  } else {
    if (OnHide) OnHide(this);
    TWinControl::SetVisible(false);
    services.HideForm(*this);
  }
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  if (OnClose) OnClose(this, action);
  if (action == caNone) return;
  TApplication& app = Application();
  if (app.MainForm() == this) {
    app.Terminate();
  } else if (action == caHide || action == caMinimize) {
    Hide();
  } else {
    Hide();
    app.ReleaseForm(*this);
  }
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::LayoutLoaded() {
  TCustomControl::LayoutLoaded();
  if (showAfterLoad_) {
    showAfterLoad_ = false;
    SetVisible(true);
  }
}

// ---- TPanel ----

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetCaption(const std::string& value) {
  if (value == caption_) return;
  caption_ = value;
  Invalidate();
  PeerStateChanged();
}

void TPanel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut value) {
  if (value == bevelInner_) return;
  bevelInner_ = value;
  Invalidate();
  PeerStateChanged();
}

void TPanel::SetBevelOuter(TBevelCut value) {
  if (value == bevelOuter_) return;
  bevelOuter_ = value;
  Invalidate();
  PeerStateChanged();
}

void TPanel::SetBevelWidth(int value) {
  value = std::max(value, 1);
  if (value == bevelWidth_) return;
  bevelWidth_ = value;
  Invalidate();
}

void TPanel::SetBorderWidth(int value) {
  value = std::max(value, 0);
  if (value == borderWidth_) return;
  borderWidth_ = value;
  Invalidate();
}

namespace {
void Frame3D(TCanvas& c, TRect& r, TColor topLeft, TColor bottomRight, int width) {
  for (int i = 0; i < width && r.Width() > 0 && r.Height() > 0; ++i) {
    c.Pen().SetColor(topLeft);
    c.MoveTo(r.Left, r.Bottom - 1);
    c.LineTo(r.Left, r.Top);
    c.LineTo(r.Right - 1, r.Top);
    c.Pen().SetColor(bottomRight);
    c.LineTo(r.Right - 1, r.Bottom - 1);
    c.LineTo(r.Left - 1, r.Bottom - 1);
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  }
}

void Bevel(TCanvas& c, TRect& r, TBevelCut cut, int width) {
  if (cut == bvNone) return;
  if (cut == bvSpace) {
    r = Rect(r.Left + width, r.Top + width, r.Right - width, r.Bottom - width);
    return;
  }
  const bool raised = cut == bvRaised;
  Frame3D(c, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight,
          width);
}
}  // namespace

void TPanel::Paint() {
  TCanvas& c = Canvas();
  TRect r = ClientRect();
  c.Pen().SetStyle(psSolid);
  c.Pen().SetWidth(1);
  Bevel(c, r, bevelOuter_, bevelWidth_);
  r = Rect(r.Left + borderWidth_, r.Top + borderWidth_, r.Right - borderWidth_,
           r.Bottom - borderWidth_);
  Bevel(c, r, bevelInner_, bevelWidth_);
  if (caption_.empty()) return;
  c.SetFont(Font());
  c.Brush().SetStyle(bsClear);
  const int w = c.TextWidth(caption_);
  const int h = c.TextHeight(caption_);
  int x = r.Left + (r.Width() - w) / 2;
  if (alignment_ == taLeftJustify) x = r.Left;
  if (alignment_ == taRightJustify) x = r.Right - w;
  c.TextOut(x, r.Top + (r.Height() - h) / 2, caption_);
}

// ---- TScrollBar ----

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetTabStop(true);
  SetBounds(0, 0, 121, 17);
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (value == kind_) return;
  kind_ = value;
  if (!IsLoading()) SetBounds(Left(), Top(), Height(), Width());
  PeerStateChanged();
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
  if (AMax < AMin || static_cast<long long>(pageSize_) > static_cast<long long>(AMax) - AMin + 1)
    throw EInvalidOperation("Scroll bar property out of range");
  APosition = std::clamp(APosition, AMin, AMax);
  const bool moved = APosition != position_;
  const bool ranged = AMin != min_ || AMax != max_;
  min_ = AMin;
  max_ = AMax;
  position_ = APosition;
  if (moved || ranged) PeerStateChanged();
  // While a layout loads, handlers may refer to components not yet created.
  if (moved && !IsLoading() && OnChange) OnChange(this);
}

void TScrollBar::SetPageSize(int value) {
  if (value == pageSize_) return;
  if (value < 0 || static_cast<long long>(value) > static_cast<long long>(max_) - min_ + 1)
    throw EInvalidOperation("Scroll bar property out of range");
  pageSize_ = value;
  PeerStateChanged();
}

void TScrollBar::Scroll(TScrollCode code, int position) {
  if (OnScroll) OnScroll(this, code, position);
  SetPosition(position);
}

// ---- TBitBtn ----

TBitBtn::TBitBtn(TComponent* AOwner) : TWinControl(AOwner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
  glyph_.OnChange = [this] { PeerStateChanged(); };
}

void TBitBtn::SetCaption(const std::string& value) {
  if (value == caption_) return;
  caption_ = value;
  PeerStateChanged();
}

void TBitBtn::SetGlyph(const TBitmap& value) {
  glyph_.Assign(value);
  PeerStateChanged();
}

void TBitBtn::SetNumGlyphs(int value) {
  value = std::clamp(value, 1, 4);
  if (value == numGlyphs_) return;
  numGlyphs_ = value;
  PeerStateChanged();
}

void TBitBtn::SetLayout(TButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  PeerStateChanged();
}

void TBitBtn::SetMargin(int value) {
  value = std::max(value, -1);
  if (value == margin_) return;
  margin_ = value;
  PeerStateChanged();
}

void TBitBtn::SetSpacing(int value) {
  if (value == spacing_) return;
  spacing_ = value;
  PeerStateChanged();
}

void TBitBtn::Click() {
  TWinControl::Click();
}

}  // namespace zarn
