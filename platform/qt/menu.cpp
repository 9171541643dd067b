#include <QMenu>

#include "platform/qt/qt_internal.h"

namespace zarn {
namespace {

// The item is clicked only while it still exists; what it draws is shown at
// once, as after any input the window takes itself.
void ClickLater(QAction& action, TMenuItem& item, QWidget* window) {
  QObject::connect(&action, &QAction::triggered,
                   [life = item.Lifetime(), target = &item, shown = QPointer<QWidget>(window)] {
                     if (life.expired()) return;
                     target->Click();
                     if (shown) qtimpl::RefreshSurfaces(shown);
                   });
}

void AddItems(QMenu& menu, const TMenuItem& parent, QWidget* window) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem& item = parent.Items(i);
    const QString caption = QString::fromStdString(item.Caption());
    if (item.IsLine()) {
      menu.addSeparator();
    } else if (item.Count() > 0) {
      QMenu* sub = menu.addMenu(caption);
      sub->setEnabled(item.Enabled());
      AddItems(*sub, item, window);
    } else {
      QAction* action = menu.addAction(caption);
      action->setEnabled(item.Enabled());
      ClickLater(*action, item, window);
    }
  }
}

}  // namespace

void TQtServices::PopupMenu(TPopupMenu& menu, TControl& control, TPoint pos) {
  QWidget* widget = WidgetOf(control);
  if (!widget || menu.Items().Count() == 0) return;
  // A graphic control's point is on its parent's widget.
  if (control.WindowControl() != &control)
    pos = Point(pos.X + control.Left(), pos.Y + control.Top());
  auto* shown = new QMenu(widget);  // freed by Qt when it closes
  shown->setAttribute(Qt::WA_DeleteOnClose);
  AddItems(*shown, menu.Items(), widget->window());
  shown->popup(widget->mapToGlobal(QPoint(pos.X, pos.Y)));
}

}  // namespace zarn
