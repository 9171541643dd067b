#include "app/picture_export.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QWidget>

#include "platform/qt/zarn_qt.h"

namespace zarn {

void CopyPictureToClipboard(TControl& control) {
  QWidget* widget = WidgetOf(control);
  if (!widget || !QGuiApplication::clipboard()) return;
  QGuiApplication::clipboard()->setImage(widget->grab().toImage());
}

std::string SavePicture(TControl& control, const std::string& path, const char* fallbackFormat) {
  QWidget* widget = WidgetOf(control);
  if (!widget) return "the picture is not shown yet";
  const QString name = QString::fromStdString(path);
  const QString suffix = QFileInfo(name).suffix().toLower();
  const QByteArray format = suffix == "bmp" ? "BMP" : suffix == "png" ? "PNG" : fallbackFormat;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(widget->grab().toImage().convertToFormat(QImage::Format_RGB32)))
    return path + ": " + writer.errorString().toStdString();
  try {
    WriteFileWhole(path,
                   std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } catch (const EFileError& e) {
    return e.what();
  }
  return {};
}

}  // namespace zarn
