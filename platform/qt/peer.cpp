#include <QWidget>
#include <algorithm>
#include <memory>

#include "platform/qt/qt_internal.h"

namespace zarn::qtimpl {

TQtPeer::TQtPeer(TWinControl& control, QWidget* widget, TControlWidget* face)
    : control_(control), widget_(widget), face_(face) {}

TQtPeer::~TQtPeer() {
  if (!widget_) return;
  // The control is going: the widget must not call back into it, not even
  // from the events its own destruction sends.
  face_->Detach();
  std::unique_ptr<QWidget> doomed(widget_.data());
}

void TQtPeer::Invalidate(const TRect& rect) {
  if (widget_) widget_->update(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()));
}

void TQtPeer::SurfaceChanged() {
  if (widget_) widget_->update();
}

void TQtPeer::SurfaceAreaChanged(const TRect& rect) {
  Invalidate(rect);
}

void TQtPeer::BoundsChanged() {
  SyncGeometry();
}

void TQtPeer::VisibleChanged() {
  // A form's visibility goes through ShowForm and HideForm.
  if (widget_ && !widget_->isWindow()) widget_->setVisible(control_.Visible());
}

void TQtPeer::EnabledChanged() {
  if (widget_) widget_->setEnabled(control_.Enabled());
}

void TQtPeer::StateChanged() {
  if (!widget_) return;
  widget_->setFont(ToQFont(control_.Font()));
  face_->SyncState();
}

void TQtPeer::CursorChanged(TControl& /*control*/) {
  if (widget_) face_->SyncCursor();
}

void TQtPeer::ChildrenChanged() {
  if (!widget_) return;
  // Children that went elsewhere stop showing here.
  for (QObject* o : widget_->children()) {
    auto* child = dynamic_cast<TControlWidget*>(o);
    if (child && child->Control() && child->Control()->Parent() != &control_)
      static_cast<QWidget*>(o)->hide();
  }
  RealizeTree(control_, widget_->parentWidget());
  TWinControl* root = &control_;
  while (root->Parent())
    root = root->Parent();
  ApplyTabOrder(*root);
}

void TQtPeer::FocusNext(bool forward) {
  if (!widget_) return;
  QWidget* window = widget_->window();
  QWidget* w = widget_;
  // Around the window's focus chain to the first widget Tab would stop at.
  while ((w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) != widget_) {
    if (w->window() == window && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
        w->isVisibleTo(window)) {
      w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return;
    }
  }
}

namespace {
// Qt adds positions and sizes in int, and its styles cache pictures of a
// widget's size: positions stay within Qt's widget limit, sizes within what
// a surface can hold (no window shows more), so neither overflows.
int QtCoordinate(int v) {
  return std::clamp(v, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}
int QtExtent(int v) {
  return std::clamp(v, 0, kMaxBitmapSide);
}
}  // namespace

void TQtPeer::SyncGeometry() {
  if (!widget_) return;
  const QPoint pos(QtCoordinate(control_.Left()), QtCoordinate(control_.Top()));
  if (widget_->isWindow()) {
    if (widget_->pos() != pos) widget_->move(pos);
    const QSize size(QtExtent(control_.ClientWidth()), QtExtent(control_.ClientHeight()));
    if (widget_->size() != size) widget_->resize(size);
  } else {
    const QRect r(pos, QSize(QtExtent(control_.Width()), QtExtent(control_.Height())));
    if (widget_->geometry() != r) widget_->setGeometry(r);
  }
}

void TQtPeer::SyncAll() {
  if (!widget_) return;
  SyncGeometry();
  widget_->setEnabled(control_.Enabled());
  widget_->setFont(ToQFont(control_.Font()));
  face_->SyncState();
  face_->SyncCursor();
  if (!widget_->isWindow()) widget_->setVisible(control_.Visible());
}

bool IsInputEvent(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ShortcutOverride:
      return true;
    default:
      return false;
  }
}

namespace {
void UpdateSurfaces(QWidget* w) {
  if (auto* face = dynamic_cast<TSurfaceWidget*>(w))
    if (face->Control() && face->Control()->SurfaceDrawn()) {
      const TRect& r = face->Control()->SurfaceDrawnArea();
      w->update(QRect(r.Left, r.Top, r.Width(), r.Height()));
    }
  for (QObject* o : w->children())
    if (o->isWidgetType()) UpdateSurfaces(static_cast<QWidget*>(o));
}
}  // namespace

void RefreshSurfaces(QWidget* inWindow) {
  if (!inWindow) return;
  QWidget* top = inWindow->window();
  if (top->isVisible()) UpdateSurfaces(top);
}

TQtPeer* PeerOf(const TWinControl& control) {
  return dynamic_cast<TQtPeer*>(control.Peer());
}

namespace {

// A child widget belongs to its Qt parent, a window to the peer.
template <class W, class C>
std::pair<QWidget*, TControlWidget*> Make(C& control, QWidget* parent) {
  auto made = std::make_unique<W>(control, parent);
  W* w = made.release();
  return {w, w};
}

std::pair<QWidget*, TControlWidget*> MakeWidget(TWinControl& control, QWidget* parent) {
  if (auto* bar = dynamic_cast<TScrollBar*>(&control)) return Make<TScrollBarWidget>(*bar, parent);
  if (auto* button = dynamic_cast<TBitBtn*>(&control)) return Make<TButtonWidget>(*button, parent);
  return Make<TSurfaceWidget>(control, parent);
}

void CollectChain(TWinControl& control, std::vector<QWidget*>& chain) {
  for (TWinControl* child : control.TabList()) {
    if (TQtPeer* peer = PeerOf(*child); peer && peer->Widget()) chain.push_back(peer->Widget());
    CollectChain(*child, chain);
  }
}

}  // namespace

void RealizeTree(TWinControl& control, QWidget* parentWidget) {
  TQtPeer* peer = PeerOf(control);
  if (!peer || !peer->Widget()) {
    // A form is a window of its own; every other control lives in its parent's widget.
    QWidget* parent = dynamic_cast<TForm*>(&control) ? nullptr : parentWidget;
    auto [widget, face] = MakeWidget(control, parent);
    auto made = std::make_unique<TQtPeer>(control, widget, face);
    peer = made.get();
    control.SetPeer(std::move(made));
    peer->SyncAll();
  } else if (!peer->Widget()->isWindow() && peer->Widget()->parentWidget() != parentWidget) {
    peer->Widget()->setParent(parentWidget);
    peer->SyncAll();
  }
  for (int i = 0; i < control.ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(control.Controls(i)))
      RealizeTree(*child, peer->Widget());
  if (control.HandleAllocated())
    for (int i = 0; i < control.ControlCount(); ++i)
      if (auto* child = dynamic_cast<TWinControl*>(control.Controls(i))) child->CreateHandle();
}

void ApplyTabOrder(TWinControl& root) {
  std::vector<QWidget*> chain;
  CollectChain(root, chain);
  for (std::size_t i = 1; i < chain.size(); ++i)
    if (chain[i - 1]->window() == chain[i]->window()) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace zarn::qtimpl

namespace zarn {

QWidget* WidgetOf(TControl& control) {
  TWinControl* w = control.WindowControl();
  if (!w) return nullptr;
  qtimpl::TQtPeer* peer = qtimpl::PeerOf(*w);
  return peer ? peer->Widget() : nullptr;
}

void RealizeQtForm(TForm& form) {
  qtimpl::RealizeTree(form, nullptr);
  if (QWidget* window = WidgetOf(form)) form.SetDeviceScale(qtimpl::DeviceScaleOf(*window));
  qtimpl::ApplyTabOrder(form);
  form.CreateHandle();
}

}  // namespace zarn
