#include "app/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

#include "platform/qt/zarn_qt.h"

namespace zarn {

void CopyPictureToClipboard(TControl& control) {
  QWidget* widget = WidgetOf(control);
  if (!widget || !QGuiApplication::clipboard()) return;
  QGuiApplication::clipboard()->setImage(widget->grab().toImage());
}

}  // namespace zarn
