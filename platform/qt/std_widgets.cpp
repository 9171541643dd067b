#include <QGuiApplication>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>
#include <cstdint>

#include "platform/qt/qt_internal.h"

namespace zarn::qtimpl {

// ---- scroll bar ----

namespace {
TScrollCode CodeOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
      return scLineDown;
    case QAbstractSlider::SliderSingleStepSub:
      return scLineUp;
    case QAbstractSlider::SliderPageStepAdd:
      return scPageDown;
    case QAbstractSlider::SliderPageStepSub:
      return scPageUp;
    case QAbstractSlider::SliderToMinimum:
      return scTop;
    case QAbstractSlider::SliderToMaximum:
      return scBottom;
    case QAbstractSlider::SliderMove:
      return scTrack;
    default:
      return scPosition;
  }
}

// Qt's styles add the page step to the range in 32 bits, some unsigned: a
// range near the whole of int wraps and divides by zero. Wider ranges are
// shown scaled down, steps are kept below this too.
constexpr std::int64_t kQtSpan = std::int64_t{1} << 29;

// Positions as Qt sees them: the same numbers where the range is narrow
// enough, else counted from Min in steps of Factor.
struct TSliderScale {
  std::int64_t Low = 0;  // Min and the last position in the bar's own terms
  std::int64_t High = 0;
  std::int64_t Origin = 0;
  std::int64_t Factor = 1;

  explicit TSliderScale(const TScrollBar& bar) : Low(bar.Min()), High(bar.Max()) {
    // With a page (thumb) size the last position is the one that shows the
    // last page.
    if (bar.PageSize() > 0) High = std::max(Low, High - bar.PageSize() + 1);
    if (High - Low > kQtSpan) {
      Origin = Low;
      Factor = (High - Low + kQtSpan - 1) / kQtSpan;
    }
  }
  int ToQt(std::int64_t position) const { return static_cast<int>((position - Origin) / Factor); }
  int FromQt(int value) const {
    if (value >= ToQt(High)) return static_cast<int>(High);  // the last step may be short
    return static_cast<int>(std::clamp(Origin + value * Factor, Low, High));
  }
  int Step(int change) const {
    return static_cast<int>(std::clamp<std::int64_t>(change / Factor, 1, kQtSpan));
  }
};

}  // namespace

TScrollBarWidget::TScrollBarWidget(TScrollBar& control, QWidget* parent)
    : QScrollBar(parent), TControlWidget(control) {
  // actionTriggered comes before the value it produces.
  connect(this, &QAbstractSlider::actionTriggered, this,
          [this](int action) { lastAction_ = action; });
  connect(this, &QAbstractSlider::valueChanged, this, [this](int value) { ValueChanged(value); });
  connect(this, &QAbstractSlider::sliderReleased, this, [this] {
    if (control_) Bar().Scroll(scPosition, TSliderScale(Bar()).FromQt(value()));
  });
}

bool TScrollBarWidget::event(QEvent* e) {
  QPointer<QWidget> alive(this);
  // A held arrow repeats on a timer.
  const bool input = IsInputEvent(e->type()) || e->type() == QEvent::Timer;
  const bool result = QScrollBar::event(e);
  if (input && alive) RefreshSurfaces(this);
  return result;
}

void TScrollBarWidget::SyncState() {
  if (!control_) return;
  const TScrollBar& bar = Bar();
  syncing_ = true;
  setOrientation(bar.Kind() == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
  const TSliderScale scale(bar);
  setRange(scale.ToQt(scale.Low), scale.ToQt(scale.High));
  setSingleStep(scale.Step(bar.SmallChange()));
  setPageStep(scale.Step(bar.LargeChange()));
  setValue(scale.ToQt(bar.Position()));
  setFocusPolicy(bar.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  syncing_ = false;
}

void TScrollBarWidget::ValueChanged(int value) {
  if (syncing_ || !control_) return;
  const TScrollCode code = CodeOf(lastAction_);
  lastAction_ = SliderNoAction;
  QPointer<QWidget> alive(this);
  Bar().Scroll(code, TSliderScale(Bar()).FromQt(value));  // OnScroll may move it; OnChange once
  if (alive && control_ && TSliderScale(Bar()).ToQt(Bar().Position()) != this->value()) SyncState();
}

void TScrollBarWidget::keyPressEvent(QKeyEvent* e) {
  if (!control_) return QScrollBar::keyPressEvent(e);
  const TWord original = VirtualKeyOf(e->key());
  TWord key = original;
  QPointer<QWidget> alive(this);
  if (key != 0)
    control_->DispatchKeyDown(key, ShiftOf(e->modifiers(), QGuiApplication::mouseButtons()));
  if (!alive || !control_) return;
  if (original != 0 && key == 0) return;  // the handler took the key
  SliderAction action = SliderNoAction;
  switch (e->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
      action = SliderSingleStepAdd;
      break;
    case Qt::Key_Left:
    case Qt::Key_Up:
      action = SliderSingleStepSub;
      break;
    case Qt::Key_PageDown:
      action = SliderPageStepAdd;
      break;
    case Qt::Key_PageUp:
      action = SliderPageStepSub;
      break;
    case Qt::Key_Home:
      action = SliderToMinimum;
      break;
    case Qt::Key_End:
      action = SliderToMaximum;
      break;
    default:
      return QScrollBar::keyPressEvent(e);
  }
  triggerAction(action);
  e->accept();
}

// ---- push button with glyph ----

TButtonWidget::TButtonWidget(TBitBtn& control, QWidget* parent)
    : QPushButton(parent), TControlWidget(control) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] {
    if (control_) Button().Click();
  });
}

bool TButtonWidget::event(QEvent* e) {
  QPointer<QWidget> alive(this);
  const bool input = IsInputEvent(e->type());
  const bool result = QPushButton::event(e);
  if (input && alive) RefreshSurfaces(this);
  return result;
}

void TButtonWidget::SyncState() {
  if (!control_) return;
  const TBitBtn& b = Button();
  setText(QString::fromStdString(b.Caption()));
  glyphs_.clear();
  // A glyph is a picture of whole pixels: on a denser screen each becomes a
  // block, never a blur.
  const int scale = b.DeviceScale();
  for (int i = 0; i < b.NumGlyphs(); ++i) {
    QImage image = GlyphImage(b.Glyph(), i, b.NumGlyphs());
    if (image.isNull()) break;
    const QSize logical = image.size();
    image = image.scaled(logical * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    image.setDevicePixelRatio(scale);
    glyphs_.push_back(QPixmap::fromImage(image));
  }
  if (glyphs_.empty()) {
    setIcon(QIcon());
  } else {
    setIcon(QIcon(glyphs_.front()));
    setIconSize(glyphs_.front().deviceIndependentSize().toSize());
  }
  setDefault(b.Default());
  setFocusPolicy(b.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  update();
}

void TButtonWidget::paintEvent(QPaintEvent* /*e*/) {
  QStylePainter p(this);
  QStyleOptionButton opt;
  initStyleOption(&opt);
  p.drawControl(QStyle::CE_PushButtonBevel, opt);
  if (!control_) return;
  const TBitBtn& b = Button();

  // The disabled and pressed pictures are the strip's second and third
  // images when it has them.
  QPixmap glyph;
  if (!glyphs_.empty()) {
    if (!isEnabled())
      glyph = glyphs_.size() > 1 ? glyphs_[1]
                                 : style()->generatedIconPixmap(QIcon::Disabled, glyphs_[0], &opt);
    else if (isDown() && glyphs_.size() > 2)
      glyph = glyphs_[2];
    else
      glyph = glyphs_[0];
  }
  const QString text = QString::fromStdString(b.Caption());
  const QSize ts = text.isEmpty() ? QSize() : fontMetrics().size(Qt::TextShowMnemonic, text);
  const QSize gs = glyph.isNull() ? QSize() : glyph.deviceIndependentSize().toSize();

  const bool horizontal = b.Layout() == blGlyphLeft || b.Layout() == blGlyphRight;
  const int room = horizontal ? width() : height();
  const int gl = horizontal ? gs.width() : gs.height();
  const int tl = horizontal ? ts.width() : ts.height();
  int spacing = glyph.isNull() || text.isEmpty() ? 0 : b.Spacing();
  int margin = b.Margin();
  if (margin < 0) {
    if (spacing < 0) {
      // Glyph, text and the gaps between them and the edges share the room.
      margin = std::max((room - gl - tl) / 3, 0);
      spacing = margin;
    } else {
      margin = std::max((room - gl - spacing - tl) / 2, 0);
    }
  } else if (spacing < 0) {
    spacing = std::max((room - margin - gl - tl) / 2, 0);
  }
  // Along the layout's axis the glyph comes first (left, top) or last.
  const bool glyphFirst = b.Layout() == blGlyphLeft || b.Layout() == blGlyphTop;
  int glyphAt, textAt;
  if (glyphFirst) {
    glyphAt = margin;
    textAt = margin + gl + spacing;
  } else {
    glyphAt = room - margin - gl;
    textAt = glyphAt - spacing - tl;
  }
  QPoint gp, tp;
  if (horizontal) {
    gp = QPoint(glyphAt, (height() - gs.height()) / 2);
    tp = QPoint(textAt, (height() - ts.height()) / 2);
  } else {
    gp = QPoint((width() - gs.width()) / 2, glyphAt);
    tp = QPoint((width() - ts.width()) / 2, textAt);
  }
  if (isDown() || isChecked()) {
    gp += QPoint(1, 1);
    tp += QPoint(1, 1);
  }
  if (!glyph.isNull()) p.drawPixmap(gp, glyph);
  if (!text.isEmpty())
    style()->drawItemText(&p, QRect(tp, ts), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic,
                          palette(), isEnabled(), text, QPalette::ButtonText);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &opt, this);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace zarn::qtimpl
