#include <algorithm>

#include "platform/control.h"

namespace zarn {

// ---- TSizeConstraints ----

void TSizeConstraints::Assign(const TPersistent& source) {
  if (auto* s = dynamic_cast<const TSizeConstraints*>(&source)) {
    minWidth_ = s->minWidth_;
    minHeight_ = s->minHeight_;
    maxWidth_ = s->maxWidth_;
    maxHeight_ = s->maxHeight_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TSizeConstraints::SetMinWidth(int value) {
  value = std::max(value, 0);
  if (value == minWidth_) return;
  minWidth_ = value;
  if (maxWidth_ > 0 && maxWidth_ < value) maxWidth_ = value;
  Changed();
}
void TSizeConstraints::SetMinHeight(int value) {
  value = std::max(value, 0);
  if (value == minHeight_) return;
  minHeight_ = value;
  if (maxHeight_ > 0 && maxHeight_ < value) maxHeight_ = value;
  Changed();
}
void TSizeConstraints::SetMaxWidth(int value) {
  value = std::max(value, 0);
  if (value == maxWidth_) return;
  maxWidth_ = value;
  if (value > 0 && minWidth_ > value) minWidth_ = value;
  Changed();
}
void TSizeConstraints::SetMaxHeight(int value) {
  value = std::max(value, 0);
  if (value == maxHeight_) return;
  maxHeight_ = value;
  if (value > 0 && minHeight_ > value) minHeight_ = value;
  Changed();
}
int TSizeConstraints::ConstrainWidth(int w) const {
  if (maxWidth_ > 0) w = std::min(w, maxWidth_);
  return std::max(w, minWidth_);
}
int TSizeConstraints::ConstrainHeight(int h) const {
  if (maxHeight_ > 0) h = std::min(h, maxHeight_);
  return std::max(h, minHeight_);
}

// ---- TControl ----

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  font_.OnChange = [this] {
    if (!copyingFont_) parentFont_ = false;
    FontChanged();
  };
  constraints_.OnChange = [this] { SetBounds(left_, top_, width_, height_); };
}

TControl::~TControl() {
  font_.OnChange = nullptr;
  constraints_.OnChange = nullptr;
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
}

void TControl::SetParent(TWinControl* value) {
  if (value == parent_) return;
  for (TWinControl* p = value; p; p = p->Parent())
    if (p == this) throw EComponentError("A control cannot have itself as its parent");
  const int oldScale = DeviceScale();
  if (parent_) parent_->RemoveControl(this);
  parent_ = value;
  if (parent_) {
    if (parentFont_) CopyParentFont();
    if (parentColor_) CopyParentColor();
    if (parentShowHint_) showHint_ = parent_->ShowHint();
  }
  ParentChanged();
  if (DeviceScale() != oldScale) DeviceScaleChanged();
  if (parent_) parent_->InsertControl(this);
}

int TControl::DeviceScale() const {
  const TControl* top = this;
  while (top->parent_)
    top = top->parent_;
  return top->deviceScale_;
}

void TControl::DeviceScaleChanged() {
  Invalidate();
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(constraints_.ConstrainWidth(AWidth), 0);
  AHeight = std::max(constraints_.ConstrainHeight(AHeight), 0);
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  const bool sizeChanged = AWidth != width_ || AHeight != height_;
  if (parent_ && !dynamic_cast<TWinControl*>(this)) parent_->InvalidateRect(BoundsRect());
  left_ = ALeft;
  top_ = ATop;
  width_ = AWidth;
  height_ = AHeight;
  BoundsChanged(sizeChanged);
  if (sizeChanged && !IsLoading()) Resize();
  if (parent_ && align_ != alNone && !parent_->aligning_) parent_->Realign();
}

void TControl::BoundsChanged(bool /*sizeChanged*/) {}

void TControl::SetAlign(TAlign value) {
  if (value == align_) return;
  align_ = value;
  if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  if (parent_) {
    if (align_ != alNone) parent_->Realign();
    parent_->InvalidateRect(BoundsRect());
  }
}

bool TControl::Showing() const {
  if (!visible_) return false;
  return parent_ ? parent_->Showing() : true;
}

void TControl::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  if (!value) pressed_ = false;
  Invalidate();
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value && parent_) CopyParentFont();
}

void TControl::CopyParentFont() {
  copyingFont_ = true;
  try {
    font_.Assign(parent_->Font());
  } catch (...) {
    copyingFont_ = false;
    throw;
  }
  copyingFont_ = false;
}

void TControl::FontChanged() {
  Invalidate();
}

void TControl::SetColor(TColor value) {
  parentColor_ = false;
  if (value == color_) return;
  color_ = value;
  Invalidate();
}

void TControl::CopyParentColor() {
  if (color_ == parent_->Color()) return;
  color_ = parent_->Color();
  Invalidate();
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  if (value && parent_) CopyParentColor();
}

void TControl::SetCursor(TCursor value) {
  if (value == cursor_) return;
  cursor_ = value;
  if (TWinControl* w = WindowControl(); w && w->Peer()) w->Peer()->CursorChanged(*this);
}

void TControl::SetShowHint(bool value) {
  showHint_ = value;
  parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool value) {
  parentShowHint_ = value;
  if (value && parent_) showHint_ = parent_->ShowHint();
}

void TControl::SetPopupMenu(TPopupMenu* value) {
  if (value == popupMenu_) return;
  popupMenu_ = value;
  if (value) value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == popupMenu_) popupMenu_ = nullptr;
}

void TControl::Loaded() {
  TComponent::Loaded();
}

void TControl::Invalidate() {
  if (parent_) parent_->InvalidateRect(BoundsRect());
}

void TControl::Repaint() {
  Invalidate();
  if (parent_) parent_->Update();
}

TWinControl* TControl::WindowControl() {
  return parent_;
}

void TControl::DispatchMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!enabled_) return;
  // The release after a double click does not click.
  if (Button == mbLeft) pressed_ = !Shift.Contains(ssDouble);
  MouseDown(Button, Shift, X, Y);
}

void TControl::DispatchMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!enabled_) return;
  const bool click =
      Button == mbLeft && pressed_ && X >= 0 && Y >= 0 && X < ClientWidth() && Y < ClientHeight();
  if (Button == mbLeft) pressed_ = false;
  if (click) Click();
  MouseUp(Button, Shift, X, Y);
}

void TControl::DispatchMouseMove(TShiftState Shift, int X, int Y) {
  if (enabled_) MouseMove(Shift, X, Y);
}

void TControl::DispatchDblClick(TShiftState Shift, int X, int Y) {
  if (!enabled_) return;
  pressed_ = false;
  DblClick();
  DispatchMouseDown(mbLeft, Shift + TShiftState{ssDouble}, X, Y);
}

void TControl::DispatchMouseEnter() {
  if (enabled_) MouseEnter();
}

void TControl::DispatchMouseLeave() {
  MouseLeave();
}

bool TControl::DispatchMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (!enabled_) return false;
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  return handled;
}

bool TControl::DispatchContextPopup(TPoint MousePos) {
  if (!enabled_) return false;
  bool handled = false;
  if (OnContextPopup) OnContextPopup(this, MousePos, handled);
  if (handled) return true;
  if (!popupMenu_ || !popupMenu_->AutoPopup()) return false;
  popupMenu_->Popup(*this, MousePos);
  return true;
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}
void TControl::Click() {
  if (OnClick) OnClick(this);
}
void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}
void TControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}
void TControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}
void TControl::Resize() {
  if (OnResize) OnResize(this);
}

// ---- TWinControl ----

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

namespace {
// Children usually go in reverse order of coming: look from the back.
template <class T>
void EraseFromBack(std::vector<T*>& list, const T* item) {
  const auto it = std::find(list.rbegin(), list.rend(), item);
  if (it != list.rend()) list.erase(std::next(it).base());
}
}  // namespace

TWinControl::~TWinControl() {
  DestroyComponents();
  DetachChildren();
  // Leave the parent's tab list while still a windowed control: when
  // ~TControl takes this out of the parent it is no longer one.
  if (Parent()) EraseFromBack(Parent()->tabList_, this);
  peer_.reset();
}

void TWinControl::DetachChildren() {
  while (!controls_.empty()) {
    TControl* c = controls_.back();
    controls_.pop_back();
    c->parent_ = nullptr;
    c->ParentChanged();
  }
  tabList_.clear();
  captured_ = hovered_ = nullptr;
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) return nullptr;
  return controls_[static_cast<std::size_t>(index)];
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool windowed) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!windowed && dynamic_cast<TWinControl*>(c)) continue;
    if (!(c->Visible() || c->IsDesigning()) || !c->Enabled()) continue;
    const TRect r = c->BoundsRect();
    if (pos.X >= r.Left && pos.X < r.Right && pos.Y >= r.Top && pos.Y < r.Bottom) return c;
  }
  return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    tabList_.push_back(w);
    if (w->pendingTabOrder_ >= 0) {
      const int wanted = w->pendingTabOrder_;
      w->pendingTabOrder_ = -1;
      w->SetTabOrder(wanted);
    }
    if (handleAllocated_ && !peer_) w->CreateHandle();
  }
  if (peer_) peer_->ChildrenChanged();
  if (control->Align() != alNone) Realign();
  InvalidateRect(control->BoundsRect());
}

void TWinControl::RemoveControl(TControl* control) {
  EraseFromBack(controls_, control);
  if (auto* w = dynamic_cast<TWinControl*>(control)) EraseFromBack(tabList_, w);
  if (captured_ == control) captured_ = nullptr;
  if (hovered_ == control) hovered_ = nullptr;
  if (IsDestroying()) return;
  // A child being destroyed has taken its window with it already.
  if (peer_ && !control->IsDestroying()) peer_->ChildrenChanged();
  if (control->Align() != alNone) Realign();
  InvalidateRect(control->BoundsRect());
}

int TWinControl::TabOrder() const {
  TWinControl* p = Parent();
  if (!p) return pendingTabOrder_;
  auto it = std::find(p->tabList_.begin(), p->tabList_.end(), this);
  return it == p->tabList_.end() ? -1 : static_cast<int>(it - p->tabList_.begin());
}

void TWinControl::SetTabOrder(int value) {
  TWinControl* p = Parent();
  if (!p) {
    pendingTabOrder_ = value;
    return;
  }
  auto& list = p->tabList_;
  const int count = static_cast<int>(list.size());
  if (value < 0 || value >= count) value = count - 1;
  const int current = TabOrder();
  if (current < 0 || current == value) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + value, this);
  if (p->peer_) p->peer_->ChildrenChanged();
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::Realign() {
  if (IsLoading() || alignDisabled_ > 0 || aligning_ || IsDestroying()) return;
  AlignControls();
}

void TWinControl::AlignControls() {
  aligning_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{aligning_};
  TRect r = ClientRect();
  for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> list;
    for (TControl* c : controls_)
      if (c->Align() == kind && (c->Visible() || c->IsDesigning())) list.push_back(c);
    auto key = [kind](const TControl* c) -> std::int64_t {
      switch (kind) {
        case alTop:
          return c->Top();
        case alBottom:
          return -(std::int64_t{c->Top()} + c->Height());
        case alLeft:
          return c->Left();
        case alRight:
          return -(std::int64_t{c->Left()} + c->Width());
        default:
          return 0;
      }
    };
    std::stable_sort(list.begin(), list.end(),
                     [&](const TControl* a, const TControl* b) { return key(a) < key(b); });
    for (TControl* c : list) {
      const int w = std::max(SaturatedSum(r.Right, -r.Left), 0);
      const int h = std::max(SaturatedSum(r.Bottom, -r.Top), 0);
      switch (kind) {
        case alTop:
          c->SetBounds(r.Left, r.Top, w, c->Height());
          r.Top = SaturatedSum(r.Top, c->Height());
          break;
        case alBottom:
          r.Bottom = SaturatedSum(r.Bottom, -c->Height());
          c->SetBounds(r.Left, r.Bottom, w, c->Height());
          break;
        case alLeft:
          c->SetBounds(r.Left, r.Top, c->Width(), h);
          r.Left = SaturatedSum(r.Left, c->Width());
          break;
        case alRight:
          r.Right = SaturatedSum(r.Right, -c->Width());
          c->SetBounds(r.Right, r.Top, c->Width(), h);
          break;
        default:
          c->SetBounds(r.Left, r.Top, w, h);
          break;
      }
    }
  }
}

void TWinControl::AdjustAnchors(int dw, int dh) {
  if (dw == 0 && dh == 0) return;
  const std::vector<TControl*> list = controls_;
  for (TControl* c : list) {
    if (c->Align() != alNone) continue;
    int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
    const TAnchors a = c->Anchors();
    if (a.Contains(akRight)) {
      if (a.Contains(akLeft))
        w = SaturatedSum(w, dw);
      else
        l = SaturatedSum(l, dw);
    } else if (!a.Contains(akLeft)) {
      l = SaturatedSum(l, dw / 2);
    }
    if (a.Contains(akBottom)) {
      if (a.Contains(akTop))
        h = SaturatedSum(h, dh);
      else
        t = SaturatedSum(t, dh);
    } else if (!a.Contains(akTop)) {
      t = SaturatedSum(t, dh / 2);
    }
    c->SetBounds(l, t, w, h);
  }
}

void TWinControl::BoundsChanged(bool sizeChanged) {
  if (sizeChanged) {
    const int cw = ClientWidth(), ch = ClientHeight();
    if (surface_) FitSurface();
    if (!IsLoading() && !aligning_) AdjustAnchors(cw - oldClientWidth_, ch - oldClientHeight_);
    oldClientWidth_ = cw;
    oldClientHeight_ = ch;
    Realign();
    InvalidateRect(ClientRect());
  }
  if (peer_) peer_->BoundsChanged();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  oldClientWidth_ = ClientWidth();
  oldClientHeight_ = ClientHeight();
  Realign();
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (TControl* c : std::vector<TControl*>(controls_))
    if (c->ParentFont()) c->CopyParentFont();
  PeerStateChanged();
}

void TWinControl::SetColor(TColor value) {
  TControl::SetColor(value);
  for (TControl* c : std::vector<TControl*>(controls_))
    if (c->ParentColor()) c->CopyParentColor();
  PeerStateChanged();
}

void TWinControl::SetVisible(bool value) {
  if (value == Visible()) return;
  TControl::SetVisible(value);
  if (peer_) peer_->VisibleChanged();
}

void TWinControl::SetEnabled(bool value) {
  if (value == Enabled()) return;
  TControl::SetEnabled(value);
  if (peer_) peer_->EnabledChanged();
}

void TWinControl::PeerStateChanged() {
  if (peer_) peer_->StateChanged();
}

void TWinControl::SetPeer(std::unique_ptr<TControlPeer> peer) {
  peer_ = std::move(peer);
}

void TWinControl::CreateHandle() {
  if (!handleAllocated_) {
    handleAllocated_ = true;
    needsPaint_ = true;
    AcquireSurface();  // the backend shows it from now on
    CreateWnd();
  }
  for (TWinControl* w : std::vector<TWinControl*>(tabList_))
    w->CreateHandle();
}

void TWinControl::DestroyHandle() {
  for (TWinControl* w : std::vector<TWinControl*>(tabList_))
    w->DestroyHandle();
  if (handleAllocated_) {
    handleAllocated_ = false;
    DestroyWnd();
  }
}

void TWinControl::PaintWindow() {
  needsPaint_ = false;
  Paint();
}

void TWinControl::InvalidateRect(const TRect& rect) {
  needsPaint_ = true;
  if (peer_) peer_->Invalidate(rect);
}

void TWinControl::Invalidate() {
  InvalidateRect(ClientRect());
}

void TWinControl::Update() {
  if (!needsPaint_ || !handleAllocated_) return;
  PaintWindow();
  if (peer_) peer_->SurfaceChanged();
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::DispatchKeyDown(TWord& Key, TShiftState Shift) {
  if (Enabled()) KeyDown(Key, Shift);
}
void TWinControl::DispatchKeyUp(TWord& Key, TShiftState Shift) {
  if (Enabled()) KeyUp(Key, Shift);
}
void TWinControl::DispatchKeyPress(char& Key) {
  if (Enabled()) KeyPress(Key);
}
void TWinControl::KeyDown(TWord& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}
void TWinControl::KeyUp(TWord& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}
void TWinControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

TControl* TWinControl::RouteTarget(int X, int Y) const {
  if (captured_) return captured_;
  if (TControl* c = ControlAtPos(Point(X, Y))) return c;
  return const_cast<TWinControl*>(this);
}

namespace {
TPoint Local(const TControl* target, const TWinControl* window, int X, int Y) {
  if (target == window) return Point(X, Y);
  return Point(X - target->Left(), Y - target->Top());
}
}  // namespace

void TWinControl::DeliverMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TControl* target = RouteTarget(X, Y);
  captured_ = target == this ? nullptr : target;
  const TPoint p = Local(target, this, X, Y);
  target->DispatchMouseDown(Button, Shift, p.X, p.Y);
}

void TWinControl::DeliverMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TControl* target = RouteTarget(X, Y);
  captured_ = nullptr;
  const TPoint p = Local(target, this, X, Y);
  target->DispatchMouseUp(Button, Shift, p.X, p.Y);
}

void TWinControl::DeliverMouseMove(TShiftState Shift, int X, int Y) {
  if (!captured_) {
    TControl* hit = ControlAtPos(Point(X, Y));
    if (hit != hovered_) {
      TControl* old = hovered_;
      hovered_ = hit;
      if (old) old->DispatchMouseLeave();
      if (hit && hovered_ == hit) hit->DispatchMouseEnter();
    }
  }
  TControl* target = RouteTarget(X, Y);
  const TPoint p = Local(target, this, X, Y);
  target->DispatchMouseMove(Shift, p.X, p.Y);
}

void TWinControl::DeliverDblClick(TShiftState Shift, int X, int Y) {
  TControl* target = RouteTarget(X, Y);
  captured_ = target == this ? nullptr : target;
  const TPoint p = Local(target, this, X, Y);
  target->DispatchDblClick(Shift, p.X, p.Y);
}

void TWinControl::DeliverMouseEnter() {
  DispatchMouseEnter();
}

void TWinControl::DeliverMouseLeave() {
  if (TControl* old = hovered_) {
    hovered_ = nullptr;
    old->DispatchMouseLeave();
  }
  DispatchMouseLeave();
}

bool TWinControl::DeliverContextPopup(int X, int Y) {
  TControl* target = RouteTarget(X, Y);
  if (target != this && target->DispatchContextPopup(Local(target, this, X, Y))) return true;
  return DispatchContextPopup(Point(X, Y));
}

void TWinControl::SelectNextControl(bool forward) {
  if (peer_) peer_->FocusNext(forward);
}

}  // namespace zarn
