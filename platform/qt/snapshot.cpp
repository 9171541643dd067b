#include <QApplication>
#include <QBuffer>
#include <QWidget>

#include "platform/qt/qt_internal.h"

namespace zarn {

namespace {

QImage Grab(QWidget& w) {
  QCoreApplication::sendPostedEvents();
  const bool shown = w.isVisible();
  if (!shown) {
    // Rendered as if shown, but no window appears.
    w.setAttribute(Qt::WA_DontShowOnScreen, true);
    w.show();
  }
  QImage image = w.grab().toImage();
  if (!shown) {
    w.hide();
    w.setAttribute(Qt::WA_DontShowOnScreen, false);
  }
  return image;
}

}  // namespace

void SaveFormSnapshot(TForm& form, const std::string& path) {
  if (!QApplication::instance()) throw EFileError(path, "Qt is not running");
  if (std::string why = UndrawableSize(form.ClientWidth(), form.ClientHeight()); !why.empty())
    throw EFileError(path, why);
  if (!WidgetOf(form)) RealizeQtForm(form);
  QWidget* w = WidgetOf(form);
  if (!w) throw EFileError(path, "the window has no widget to draw");
  // A window is opaque: without an alpha channel the file is smaller and
  // quicker to write.
  const QImage image = Grab(*w).convertToFormat(QImage::Format_RGB32);
  QByteArray png;
  QBuffer buffer(&png);
  if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
    throw EFileError(path, "the window could not be drawn");
  WriteFileWhole(path, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

}  // namespace zarn
