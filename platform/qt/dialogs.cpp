#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>

#include "platform/qt/qt_internal.h"

namespace zarn {
namespace {

// "Text (*.png)|*.png|Any|*.a;*.b" as Qt's name filters: "Text (*.png)", "Any (*.a *.b)".
QStringList NameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = QString(parts[i + 1]).replace(';', ' ');
    result << (parts[i].contains('(') ? parts[i] : parts[i] + " (" + patterns + ")");
  }
  return result;
}

// "png" from a name filter "PNG picture (*.png)"; empty for "*" or "*.*".
QString SuffixOf(const QString& nameFilter) {
  const QString first = nameFilter.section('(', 1).section(')', 0, 0).section(' ', 0, 0);
  return first.startsWith("*.") && first.indexOf('*', 2) < 0 ? first.mid(2) : QString();
}

}  // namespace

bool TQtServices::InputQuery(const std::string& caption, const std::string& prompt,
                             std::string& value) {
  if (MessageRecorder) return MessageRecorder->InputQuery(caption, prompt, value);
  if (!QApplication::instance()) return false;
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(QString::fromStdString(caption));
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setTextValue(QString::fromStdString(value));
  if (dialog.exec() != QDialog::Accepted) return false;
  value = dialog.textValue().toStdString();
  return true;
}

bool TQtServices::SaveDialog(TSaveDialog& dialog) {
  if (MessageRecorder) return MessageRecorder->SaveDialog(dialog);
  if (!QApplication::instance()) return false;
  QFileDialog shown(QApplication::activeWindow(), QString::fromStdString(dialog.Title()));
  shown.setAcceptMode(QFileDialog::AcceptSave);
  const QStringList filters = NameFilters(dialog.Filter());
  if (!filters.isEmpty()) {
    shown.setNameFilters(filters);
    shown.selectNameFilter(filters.value(dialog.FilterIndex() - 1, filters.front()));
  }
  // The extension follows the kind of file chosen.
  const QString fallback = QString::fromStdString(dialog.DefaultExt());
  const auto followFilter = [&shown, fallback](const QString& filter) {
    const QString suffix = SuffixOf(filter);
    shown.setDefaultSuffix(suffix.isEmpty() ? fallback : suffix);
  };
  followFilter(shown.selectedNameFilter());
  QObject::connect(&shown, &QFileDialog::filterSelected, followFilter);
  if (!dialog.FileName().empty()) shown.selectFile(QString::fromStdString(dialog.FileName()));
  if (shown.exec() != QDialog::Accepted || shown.selectedFiles().isEmpty()) return false;
  dialog.SetFileName(shown.selectedFiles().front().toStdString());
  if (!filters.isEmpty())
    dialog.SetFilterIndex(static_cast<int>(filters.indexOf(shown.selectedNameFilter())) + 1);
  return true;
}

}  // namespace zarn
