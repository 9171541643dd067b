#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/qt/qt_internal.h"

namespace zarn::qtimpl {

namespace {
QCursor CursorOf(TCursor cursor, const QWidget& widget) {
  if (TQtServices* services = CurrentServices())
    return services->CursorFor(cursor, DeviceScaleOf(widget));
  return QCursor(ShapeOf(cursor));
}

// The dialog-code bit that brings a key to the control instead of moving the
// focus; 0 for keys that always reach it.
int DialogBitOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return DLGC_WANTTAB;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      return DLGC_WANTARROWS;
    default:
      return 0;
  }
}

TWinControl* TopLevel(TControl& control) {
  TControl* top = &control;
  while (top->Parent())
    top = top->Parent();
  return dynamic_cast<TWinControl*>(top);
}

bool HandlesKeys(TWinControl& control) {
  return control.DlgCode() != 0 || control.OnKeyDown || control.OnKeyUp || control.OnKeyPress;
}
}  // namespace

TSurfaceWidget::TSurfaceWidget(TWinControl& control, QWidget* parent)
    : QFrame(parent), TControlWidget(control) {
  // The surface covers every pixel; nothing needs erasing first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFrameShape(QFrame::NoFrame);
}

void TSurfaceWidget::SyncState() {
  if (!control_) return;
  if (auto* form = dynamic_cast<TForm*>(control_)) {
    setWindowTitle(QString::fromStdString(form->Caption()));
  } else if (auto* panel = dynamic_cast<TPanel*>(control_)) {
    switch (panel->BevelOuter()) {
      case bvRaised:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
      case bvLowered:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
      default:
        setFrameStyle(QFrame::NoFrame);
        break;
    }
    setLineWidth(panel->BevelWidth());
  }
  // A control that handles keys takes the focus by click and by Tab.
  if (!isWindow())
    setFocusPolicy(control_->TabStop() || HandlesKeys(*control_) ? Qt::StrongFocus : Qt::NoFocus);
  update();
}

TCursor TSurfaceWidget::CursorAt(QPoint pos) const {
  if (!control_) return crDefault;
  if (TControl* hit = control_->ControlAtPos(Point(pos.x(), pos.y())))
    if (hit->Cursor() != crDefault) return hit->Cursor();
  return control_->Cursor();
}

void TSurfaceWidget::SyncCursor() {
  const TCursor c = CursorAt(lastPos_);
  if (c == crDefault)
    unsetCursor();
  else
    setCursor(CursorOf(c, *this));
}

bool TSurfaceWidget::event(QEvent* e) {
  QPointer<QWidget> alive(this);
  if (e->type() == QEvent::KeyPress && control_ && !isWindow() &&
      DialogKey(static_cast<QKeyEvent*>(e))) {
    if (alive) RefreshSurfaces(this);
    return true;
  }
  const bool input = IsInputEvent(e->type());
  const bool result = QFrame::event(e);
  if (input && alive) RefreshSurfaces(this);
  return result;
}

bool TSurfaceWidget::DialogKey(QKeyEvent* k) {
  const int bit = DialogBitOf(k->key());
  if (bit == 0) return false;
  if (control_->DlgCode() & (bit | DLGC_WANTALLKEYS)) {
    keyPressEvent(k);
    return true;
  }
  if (bit == DLGC_WANTTAB) return false;  // QWidget moves the focus itself
  focusNextPrevChild(k->key() == Qt::Key_Right || k->key() == Qt::Key_Down);
  return true;
}

void TSurfaceWidget::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  if (!control_) {
    p.fillRect(e->rect(), palette().window());
    return;
  }
  // A window takes its screen's density when any of its controls paints
  // (the form itself may be covered by them): first shown, or moved to
  // another screen.
  if (TWinControl* top = TopLevel(*control_)) top->SetDeviceScale(DeviceScaleOf(*this));
  if (control_->HandleAllocated() && control_->NeedsPaint()) control_->PaintWindow();
  const TBitmap* surface = control_->SurfaceBitmap();
  const QRect area = e->rect();
  if (surface && !surface->Empty()) {
    const int s = surface->Scale();
    const QRect bounds(0, 0, surface->CanvasWidth(), surface->CanvasHeight());
    // Only what changed: a crosshair's strips, not the whole control.
    for (const QRect& r : e->region()) {
      const QRect shown = r & bounds;
      if (shown.isEmpty()) continue;
      QImage image = SurfaceArea(*surface, QRect(shown.topLeft() * s, shown.size() * s));
      image.setDevicePixelRatio(s);
      p.drawImage(shown.topLeft(), image);
    }
    // Outside the surface (a size change not yet painted) the control's colour.
    const QRegion rest = e->region() - QRegion(bounds);
    for (const QRect& r : rest)
      p.fillRect(r, ToQColor(control_->Color()));
  } else {
    p.fillRect(area, ToQColor(control_->Color()));
  }
  if (frameShape() != QFrame::NoFrame) drawFrame(&p);
  // A partial paint leaves the rest of a direct drawing still to show.
  const TRect& drawn = control_->SurfaceDrawnArea();
  if ((QRegion(drawn.Left, drawn.Top, drawn.Width(), drawn.Height()) - e->region()).isEmpty())
    control_->SurfaceShown();
}

void TSurfaceWidget::mousePressEvent(QMouseEvent* e) {
  TMouseButton button;
  if (!control_ || !ButtonOf(e->button(), button)) return QFrame::mousePressEvent(e);
  const QPoint p = e->position().toPoint();
  control_->DeliverMouseDown(button, ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TSurfaceWidget::mouseReleaseEvent(QMouseEvent* e) {
  TMouseButton button;
  if (!control_ || !ButtonOf(e->button(), button)) return QFrame::mouseReleaseEvent(e);
  const QPoint p = e->position().toPoint();
  control_->DeliverMouseUp(button, ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TSurfaceWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  TMouseButton button;
  if (!control_ || !ButtonOf(e->button(), button)) return QFrame::mouseDoubleClickEvent(e);
  const QPoint p = e->position().toPoint();
  const TShiftState shift = ShiftOf(e->modifiers(), e->buttons());
  // Only the left button double-clicks; a quick second press of another
  // button is an ordinary press.
  if (button == mbLeft)
    control_->DeliverDblClick(shift, p.x(), p.y());
  else
    control_->DeliverMouseDown(button, shift, p.x(), p.y());
}

void TSurfaceWidget::mouseMoveEvent(QMouseEvent* e) {
  if (!control_) return QFrame::mouseMoveEvent(e);
  const QPoint p = e->position().toPoint();
  lastPos_ = p;
  QPointer<QWidget> alive(this);
  control_->DeliverMouseMove(ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
  if (alive) SyncCursor();
}

void TSurfaceWidget::enterEvent(QEnterEvent* e) {
  if (!control_) return QFrame::enterEvent(e);
  lastPos_ = e->position().toPoint();
  control_->DeliverMouseEnter();
}

void TSurfaceWidget::leaveEvent(QEvent* e) {
  if (!control_) return QFrame::leaveEvent(e);
  control_->DeliverMouseLeave();
}

void TSurfaceWidget::wheelEvent(QWheelEvent* e) {
  if (!control_) return QFrame::wheelEvent(e);
  const QPoint p = e->position().toPoint();
  const QPoint angle = e->angleDelta();
  const int delta = angle.y() != 0 ? angle.y() : angle.x();
  // A turn the control does not take goes on to the parent.
  if (delta != 0 && control_->DispatchMouseWheel(ShiftOf(e->modifiers(), e->buttons()), delta,
                                                 Point(p.x(), p.y())))
    e->accept();
  else
    e->ignore();
}

void TSurfaceWidget::contextMenuEvent(QContextMenuEvent* e) {
  // Not taken here: Qt offers it to the parent widget.
  if (control_ && control_->DeliverContextPopup(e->pos().x(), e->pos().y()))
    e->accept();
  else
    e->ignore();
}

void TSurfaceWidget::keyPressEvent(QKeyEvent* e) {
  if (!control_) return QFrame::keyPressEvent(e);
  const TShiftState shift = ShiftOf(e->modifiers(), QGuiApplication::mouseButtons());
  TWord key = VirtualKeyOf(e->key());
  QPointer<QWidget> alive(this);
  if (key != 0) control_->DispatchKeyDown(key, shift);
  if (!alive || !control_) return;
  const QString text = e->text();
  if (text.size() == 1 && text[0].unicode() < 256) {
    char c = static_cast<char>(static_cast<unsigned char>(text[0].unicode()));
    control_->DispatchKeyPress(c);
  }
}

void TSurfaceWidget::keyReleaseEvent(QKeyEvent* e) {
  if (!control_) return QFrame::keyReleaseEvent(e);
  TWord key = VirtualKeyOf(e->key());
  if (key != 0)
    control_->DispatchKeyUp(key, ShiftOf(e->modifiers(), QGuiApplication::mouseButtons()));
}

void TSurfaceWidget::resizeEvent(QResizeEvent* e) {
  QFrame::resizeEvent(e);
  // A window resized by the user or the window manager; children are placed
  // by the neutral side, which sets their geometry.
  if (!control_ || !isWindow()) return;
  const int cw = width(), ch = height();
  if (cw == control_->ClientWidth() && ch == control_->ClientHeight()) return;
  const int fw = control_->Width() - control_->ClientWidth();
  const int fh = control_->Height() - control_->ClientHeight();
  control_->SetBounds(control_->Left(), control_->Top(), cw + fw, ch + fh);
}

void TSurfaceWidget::moveEvent(QMoveEvent* e) {
  QFrame::moveEvent(e);
  if (!control_ || !isWindow()) return;
  const QPoint p = pos();
  if (p.x() != control_->Left() || p.y() != control_->Top())
    control_->SetBounds(p.x(), p.y(), control_->Width(), control_->Height());
}

void TSurfaceWidget::closeEvent(QCloseEvent* e) {
  // The neutral form decides (CloseQuery, OnClose, ending the application);
  // it hides the window itself when it should go.
  e->ignore();
  if (auto* form = dynamic_cast<TForm*>(control_)) form->Close();
}

}  // namespace zarn::qtimpl
