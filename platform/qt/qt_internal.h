#pragma once
// Inside the Qt backend: conversions between the neutral types and Qt's, the
// peer that ties a windowed control to its widget, and the widget classes.

#include <QCursor>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <vector>

#include "platform/qt/zarn_qt.h"

namespace zarn::qtimpl {

// ---- conversions ----

// Wraps a surface's pixels without copying (the byte order of TColor is
// R, G, B, then an unused byte); valid while the bitmap is unchanged.
// The area (inside the bitmap) in Qt's pixel order, in a buffer that the next
// call reuses.
QImage SurfaceArea(const TBitmap& bitmap, const QRect& area);
// The device scale a widget's screen asks for: its device pixel ratio,
// rounded, from 1 to kMaxCanvasScale.
int DeviceScaleOf(const QWidget& widget);
int DeviceScaleFor(qreal devicePixelRatio);
// One image of a glyph strip (index 0 .. count - 1) with its transparent
// colour cut out.
QImage GlyphImage(const TBitmap& glyph, int index, int count);
QColor ToQColor(TColor color);  // system colours resolved
TColor FromQColor(const QColor& color);
QFont ToQFont(const TFont& font);
TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
// False for buttons the neutral model has no name for.
bool ButtonOf(Qt::MouseButton button, TMouseButton& result);
// The virtual key code of a Qt key, or 0.
TWord VirtualKeyOf(int qtKey);
Qt::CursorShape ShapeOf(TCursor cursor);
// At a device scale above 1 each pixel becomes a block, never a blur.
QCursor CursorFromImage(const TCursorImage& image, int scale = 1);

// ---- peers ----

// A widget that shows a windowed control.
class TControlWidget {
 public:
  explicit TControlWidget(TWinControl& control) : control_(&control) {}
  virtual ~TControlWidget() = default;
  TWinControl* Control() const { return control_; }
  void Detach() { control_ = nullptr; }
  // Copies the control-specific state (range, caption, glyph, frame) in.
  virtual void SyncState() {}
  // The cursor shown over the control (or its graphic children) may have changed.
  virtual void SyncCursor() {}

 protected:
  TWinControl* control_;
};

class TQtPeer : public TControlPeer {
 public:
  TQtPeer(TWinControl& control, QWidget* widget, TControlWidget* face);
  ~TQtPeer() override;

  QWidget* Widget() const { return widget_.data(); }
  TControlWidget* Face() const { return widget_ ? face_ : nullptr; }

  void Invalidate(const TRect& rect) override;
  void SurfaceChanged() override;
  void SurfaceAreaChanged(const TRect& rect) override;
  void BoundsChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void StateChanged() override;
  void CursorChanged(TControl& control) override;
  void ChildrenChanged() override;
  void FocusNext(bool forward) override;

  // Geometry, visibility, enabled state, font and the specific state.
  void SyncAll();
  void SyncGeometry();

 private:
  TWinControl& control_;
  QPointer<QWidget> widget_;
  TControlWidget* face_;
};

TQtPeer* PeerOf(const TWinControl& control);
// Creates the widgets of control and of its windowed children that have none.
void RealizeTree(TWinControl& control, QWidget* parentWidget);
// Orders the Tab key's focus chain of a whole window by the tab lists.
void ApplyTabOrder(TWinControl& root);
TQtServices* CurrentServices();

// Controls may paint their surfaces (or their parent's) directly from any
// event handler without asking for a paint. After every input event handed
// to the neutral side, the surfaces of that window drawn on since they were
// last shown are shown again.
bool IsInputEvent(QEvent::Type type);
void RefreshSurfaces(QWidget* inWindow);

// ---- widgets ----

// Forms, panels and custom controls: shows the surface, forwards paint,
// mouse, keyboard and resize.
class TSurfaceWidget : public QFrame, public TControlWidget {
 public:
  TSurfaceWidget(TWinControl& control, QWidget* parent);
  void SyncState() override;
  void SyncCursor() override;

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void moveEvent(QMoveEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  TCursor CursorAt(QPoint pos) const;
  // Tab and the arrow keys move the focus unless the control's dialog code
  // asks for them; true when the key was taken either way.
  bool DialogKey(QKeyEvent* k);
  QPoint lastPos_{-1, -1};
};

// Horizontal and vertical scroll bars. The keyboard follows desktop scroll
// bars: Right, Down and Page Down increase the position, whatever Qt's own
// inverted-controls default says.
class TScrollBarWidget : public QScrollBar, public TControlWidget {
 public:
  TScrollBarWidget(TScrollBar& control, QWidget* parent);
  void SyncState() override;

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void ValueChanged(int value);
  TScrollBar& Bar() const { return static_cast<TScrollBar&>(*control_); }
  bool syncing_ = false;
  int lastAction_ = QAbstractSlider::SliderNoAction;
};

// A push button showing its glyph next to the caption as the button's Layout,
// Margin and Spacing place it.
class TButtonWidget : public QPushButton, public TControlWidget {
 public:
  TButtonWidget(TBitBtn& control, QWidget* parent);
  void SyncState() override;

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  TBitBtn& Button() const { return static_cast<TBitBtn&>(*control_); }
  std::vector<QPixmap> glyphs_;
};

}  // namespace zarn::qtimpl
