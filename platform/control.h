#pragma once
// Controls: rectangles on a parent with alignment, visibility, font, colour,
// cursor and mouse and key events. Windowed controls (TWinControl) hold
// children and, when a backend shows them, a peer; custom controls
// (TCustomControl) paint into a surface of their own; graphic controls
// (TGraphicControl) paint onto their parent's surface.

#include <memory>
#include <string>
#include <vector>

#include "platform/component.h"
#include "platform/menu.h"
#include "platform/types.h"
#include "surface/zarn_bitmap.h"
#include "surface/zarn_canvas.h"
#include "surface/zarn_graphics.h"

namespace zarn {

class TControl;
class TWinControl;

// The backend's side of a windowed control. Headless controls have none; the
// backend creates one per windowed control (TWinControl::SetPeer) and forwards
// input to the control's Deliver* / Dispatch* entry points and paint requests
// to PaintWindow.
class TControlPeer {
 public:
  virtual ~TControlPeer() = default;
  // Part of the client area (client coordinates) must be painted again: the
  // backend calls PaintWindow later, then shows the surface.
  virtual void Invalidate(const TRect& /*rect*/) {}
  // The surface was painted now (Repaint, Update): show it.
  virtual void SurfaceChanged() {}
  // Only this part of it (client coordinates) was painted now: show that part.
  virtual void SurfaceAreaChanged(const TRect& /*rect*/) { SurfaceChanged(); }
  virtual void BoundsChanged() {}
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() {}
  // Caption, colour, font, range, position, glyph or another control-specific value.
  virtual void StateChanged() {}
  // The cursor of this control or of one of its graphic children changed.
  virtual void CursorChanged(TControl& /*control*/) {}
  // A child was inserted or removed, or the tab order changed.
  virtual void ChildrenChanged() {}
  // The keyboard focus goes to the next (or previous) control in Tab order.
  virtual void FocusNext(bool /*forward*/) {}
};

// Minimum and maximum size; 0 means no limit.
class TSizeConstraints : public TPersistent {
 public:
  TSizeConstraints() = default;
  TSizeConstraints(const TSizeConstraints&) = delete;
  TSizeConstraints& operator=(const TSizeConstraints&) = delete;
  std::string_view ClassName() const override { return "TSizeConstraints"; }
  void Assign(const TPersistent& source) override;

  int MinWidth() const { return minWidth_; }
  int MinHeight() const { return minHeight_; }
  int MaxWidth() const { return maxWidth_; }
  int MaxHeight() const { return maxHeight_; }
  // Negative values are taken as 0; a minimum above the maximum lifts the maximum.
  void SetMinWidth(int value);
  void SetMinHeight(int value);
  void SetMaxWidth(int value);
  void SetMaxHeight(int value);

  int ConstrainWidth(int w) const;
  int ConstrainHeight(int h) const;

  std::function<void()> OnChange;

 private:
  void Changed() const {
    if (OnChange) OnChange();
  }
  int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  std::string_view ClassName() const override { return "TControl"; }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* value);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  // The one place bounds change; sizes are limited by Constraints and by 0.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const {
    return Rect(left_, top_, SaturatedSum(left_, width_), SaturatedSum(top_, height_));
  }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }
  virtual void SetClientWidth(int value) { SetWidth(value); }
  virtual void SetClientHeight(int value) { SetHeight(value); }
  TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors value) { anchors_ = value; }
  TSizeConstraints& Constraints() { return constraints_; }
  const TSizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(const TSizeConstraints& value) { constraints_.Assign(value); }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent up to a top-level control.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);

  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& value) { font_.Assign(value); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TColor Color() const { return color_; }
  virtual void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);
  TCursor DragCursor() const { return dragCursor_; }
  void SetDragCursor(TCursor value) { dragCursor_ = value; }
  TDragKind DragKind() const { return dragKind_; }
  void SetDragKind(TDragKind value) { dragKind_ = value; }
  TDragMode DragMode() const { return dragMode_; }
  void SetDragMode(TDragMode value) { dragMode_ = value; }

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value) { hint_ = value; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);

  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* value);

  // Device pixels per logical pixel, along each side, of the screen the
  // control's window is on: its top-level control's, set by the backend.
  // Bounds, events and canvases stay in logical pixels; only surfaces hold
  // DeviceScale() times as many pixels each way.
  int DeviceScale() const;

  // Asks for a paint later (through the peer; headless, the windowed control
  // that holds the pixels is marked and painted by Update or ProcessMessages).
  virtual void Invalidate();
  // Paints now.
  virtual void Repaint();
  void Refresh() { Repaint(); }
  virtual void Paint() {}

  // The windowed control whose surface shows this control (itself or its parent).
  virtual TWinControl* WindowControl();

  // Input from the backend (client coordinates of this control). Disabled
  // controls take none. Override to see the raw message before the handling.
  virtual void DispatchMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DispatchMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DispatchMouseMove(TShiftState Shift, int X, int Y);
  // A second press of the left button in quick succession: DblClick, then the
  // press with ssDouble through DispatchMouseDown, which thus sees every press.
  virtual void DispatchDblClick(TShiftState Shift, int X, int Y);
  virtual void DispatchMouseEnter();
  virtual void DispatchMouseLeave();
  // A turn of the mouse wheel over the control; true when it took it (the
  // backend passes the rest on to the parent).
  virtual bool DispatchMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  // The context gesture at a point: OnContextPopup may take it, else the
  // PopupMenu shows when it pops up by itself. True when either did.
  virtual bool DispatchContextPopup(TPoint MousePos);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TMouseWheelEvent OnMouseWheel;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;
  TContextPopupEvent OnContextPopup;
  TDragDropEvent OnDragDrop;
  TDragOverEvent OnDragOver;
  TEndDragEvent OnEndDrag;
  TStartDragEvent OnStartDrag;

 protected:
  // The handling of each input; each fires its event.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void Click();
  virtual void DblClick();
  virtual void MouseEnter();
  virtual void MouseLeave();
  // After a size change (not while loading).
  virtual void Resize();
  // After Font changed (by itself or from the parent): repaints.
  virtual void FontChanged();
  // After the bounds were stored, before Resize.
  virtual void BoundsChanged(bool sizeChanged);
  virtual void ParentChanged() {}
  // The window moved to a screen of another density, or the control to
  // another window: repaints.
  virtual void DeviceScaleChanged();

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

 private:
  friend class TWinControl;
  void CopyParentFont();
  void CopyParentColor();

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  TAnchors anchors_{akLeft, akTop};
  TSizeConstraints constraints_;
  bool visible_ = true;
  bool enabled_ = true;
  TFont font_;
  bool parentFont_ = true;
  bool copyingFont_ = false;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  TCursor cursor_ = crDefault;
  TCursor dragCursor_ = crDrag;
  TDragKind dragKind_ = dkDrag;
  TDragMode dragMode_ = dmManual;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TPopupMenu* popupMenu_ = nullptr;
  bool pressed_ = false;  // left button went down here; the release clicks
  int deviceScale_ = 1;   // read from the top-level control only
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  std::string_view ClassName() const override { return "TWinControl"; }

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const;
  // Topmost visible, enabled child at a client point (graphic children only
  // unless windowed is set), or null.
  TControl* ControlAtPos(TPoint pos, bool windowed = false) const;

  // Position in the parent's tab list; setting moves it there (clamped).
  int TabOrder() const;
  void SetTabOrder(int value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  // Windowed children in tab order.
  const std::vector<TWinControl*>& TabList() const { return tabList_; }

  // Places aligned children in the client area: top, bottom, left, right, then client.
  void Realign();
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();

  // The surface a custom control paints into: null for other windowed
  // controls, and until the window is created or the control first paints.
  TBitmap* SurfaceBitmap() const { return surface_.get(); }
  // The part of the surface a canvas was handed out for, cleared by the
  // backend once it showed it: it presents only what was drawn on meanwhile.
  bool SurfaceDrawn() const { return surfaceDrawn_.Left < surfaceDrawn_.Right; }
  const TRect& SurfaceDrawnArea() const { return surfaceDrawn_; }
  void MarkSurfaceDrawn() { MarkSurfaceDrawn(ClientRect()); }
  void MarkSurfaceDrawn(const TRect& area);
  void SurfaceShown() { surfaceDrawn_ = {}; }
  // The same surface, allocated now if it is still missing; null for windowed
  // controls without a surface of their own.
  TBitmap* AcquireSurface() const;
  // The scale of this top-level control's window (see DeviceScale), from 1 to
  // kMaxCanvasScale; every surface below it follows.
  void SetDeviceScale(int value);

  // The backend's peer (null headless).
  TControlPeer* Peer() const { return peer_.get(); }
  void SetPeer(std::unique_ptr<TControlPeer> peer);

  // The window exists once CreateHandle ran (the backend after making its
  // peers, or a test). CreateWnd is called exactly once per window, parents
  // before children.
  bool HandleAllocated() const { return handleAllocated_; }
  void CreateHandle();
  void DestroyHandle();

  // Paints the control and, over it, its visible graphic children into the
  // surface. Called by the backend for a paint request and by Update.
  virtual void PaintWindow();
  bool NeedsPaint() const { return needsPaint_; }
  void InvalidateRect(const TRect& rect);
  // Paints now when a paint is pending.
  void Update();
  void Invalidate() override;
  void Repaint() override;
  TWinControl* WindowControl() override { return this; }
  void SetVisible(bool value) override;
  void SetEnabled(bool value) override;
  void SetColor(TColor value) override;

  // The dialog-code query: DLGC_* bits of the keys this control handles itself.
  virtual int DlgCode() { return 0; }
  virtual void DispatchKeyDown(TWord& Key, TShiftState Shift);
  virtual void DispatchKeyUp(TWord& Key, TShiftState Shift);
  virtual void DispatchKeyPress(char& Key);

  // Mouse input for the window as a whole: routed to the graphic child under
  // the pointer (or the one that took the press) in its coordinates, or to
  // this control. Graphic children get enter and leave as the pointer moves.
  void DeliverMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  void DeliverMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  void DeliverMouseMove(TShiftState Shift, int X, int Y);
  void DeliverDblClick(TShiftState Shift, int X, int Y);
  void DeliverMouseEnter();
  void DeliverMouseLeave();
  // The context gesture: the graphic child under the point, then this
  // control; false when neither took it (the backend asks the parent).
  bool DeliverContextPopup(int X, int Y);
  // Moves the keyboard focus to the next (or previous) control of the window
  // in Tab order, as Tab does where a control keeps no Tab for itself.
  void SelectNextControl(bool forward);

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  virtual void CreateWnd() {}
  virtual void DestroyWnd() {}
  virtual void KeyDown(TWord& Key, TShiftState Shift);
  virtual void KeyUp(TWord& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  void BoundsChanged(bool sizeChanged) override;
  void FontChanged() override;
  void DeviceScaleChanged() override;
  void Loaded() override;
  // Tells the peer that a control-specific value changed.
  void PeerStateChanged();
  void DetachChildren();
  // Gives the control a surface of its own (custom controls). Its pixels are
  // allocated only once they are needed, so that a control without a window
  // that draws on someone else's canvas owns none.
  void CreateSurface() { ownsSurface_ = true; }

 private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void AlignControls();
  void AdjustAnchors(int dw, int dh);
  TControl* RouteTarget(int X, int Y) const;
  void FitSurface() const;

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  int pendingTabOrder_ = -1;
  std::unique_ptr<TControlPeer> peer_;
  mutable std::unique_ptr<TBitmap> surface_;  // allocated on first use
  bool ownsSurface_ = false;
  bool handleAllocated_ = false;
  bool needsPaint_ = true;
  TRect surfaceDrawn_;
  bool tabStop_ = false;
  bool aligning_ = false;
  int alignDisabled_ = 0;
  int oldClientWidth_ = 0, oldClientHeight_ = 0;
  TControl* captured_ = nullptr;
  TControl* hovered_ = nullptr;
};

// A windowed control that paints itself into a surface the size of its client
// area; the backend shows the surface.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  std::string_view ClassName() const override { return "TCustomControl"; }

  // Reaching the canvas or the surface allocates the surface's pixels.
  TCanvas& Canvas() {
    MarkSurfaceDrawn();
    return AcquireSurface()->Canvas();
  }
  TBitmap& Surface() {
    MarkSurfaceDrawn();
    return *AcquireSurface();
  }
  const TBitmap& Surface() const { return *AcquireSurface(); }

  void PaintWindow() override;

 protected:
  // Off: PaintWindow fills the client area with Color before Paint.
  void SetOpaque(bool value) { opaque_ = value; }
  bool Opaque() const { return opaque_; }

 private:
  bool opaque_ = false;
};

// A control without a window of its own: its canvas draws on the parent's
// surface with the origin at the control's corner and clipped to its bounds.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  std::string_view ClassName() const override { return "TGraphicControl"; }

  TCanvas& Canvas() {
    if (Parent()) Parent()->MarkSurfaceDrawn(BoundsRect());
    return *canvas_;
  }
  void Invalidate() override;
  void Repaint() override;
  // Points the canvas at the parent's surface (allocating it, since drawing
  // follows) and this control's place on it.
  void PrepareCanvas();

 protected:
  void BoundsChanged(bool sizeChanged) override;
  void ParentChanged() override;
  void DeviceScaleChanged() override;

 private:
  void Retarget(TBitmap* target);
  void PlaceCanvas();
  TBitmap nowhere_;  // target while there is no parent surface
  TBitmap* target_ = nullptr;
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace zarn
