#include <QApplication>
#include <QMessageBox>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <cstring>
#include <string_view>

#include "platform/qt/qt_internal.h"

namespace zarn {

using qtimpl::FromQColor;
using qtimpl::PeerOf;

namespace qtimpl {
TQtServices* CurrentServices() {
  return dynamic_cast<TQtServices*>(&Application().Services());
}
}  // namespace qtimpl

// ---- services ----

TQtServices::TQtServices() = default;

TQtServices::~TQtServices() {
  if (overrideActive_ && QGuiApplication::instance()) QGuiApplication::restoreOverrideCursor();
}

void TQtServices::ApplySystemColors() {
  ResetSysColors();
  if (!QGuiApplication::instance()) return;
  const QPalette pal = QGuiApplication::palette();
  struct Entry {
    TColor Color;
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
  };
  const Entry table[] = {
      {clScrollBar, QPalette::Active, QPalette::Midlight},
      {clBackground, QPalette::Active, QPalette::Window},
      {clActiveCaption, QPalette::Active, QPalette::Highlight},
      {clInactiveCaption, QPalette::Inactive, QPalette::Mid},
      {clMenu, QPalette::Active, QPalette::Window},
      {clWindow, QPalette::Active, QPalette::Base},
      {clWindowFrame, QPalette::Active, QPalette::Shadow},
      {clMenuText, QPalette::Active, QPalette::WindowText},
      {clWindowText, QPalette::Active, QPalette::Text},
      {clCaptionText, QPalette::Active, QPalette::HighlightedText},
      {clActiveBorder, QPalette::Active, QPalette::Button},
      {clInactiveBorder, QPalette::Inactive, QPalette::Button},
      {clAppWorkSpace, QPalette::Active, QPalette::Mid},
      {clHighlight, QPalette::Active, QPalette::Highlight},
      {clHighlightText, QPalette::Active, QPalette::HighlightedText},
      {clBtnFace, QPalette::Active, QPalette::Button},
      {clBtnShadow, QPalette::Active, QPalette::Dark},
      {clGrayText, QPalette::Disabled, QPalette::Text},
      {clBtnText, QPalette::Active, QPalette::ButtonText},
      {clInactiveCaptionText, QPalette::Inactive, QPalette::WindowText},
      {clBtnHighlight, QPalette::Active, QPalette::Light},
      {cl3DDkShadow, QPalette::Active, QPalette::Shadow},
      {cl3DLight, QPalette::Active, QPalette::Midlight},
      {clInfoText, QPalette::Active, QPalette::ToolTipText},
      {clInfoBk, QPalette::Active, QPalette::ToolTipBase},
  };
  for (const Entry& e : table)
    SetSysColor(static_cast<int>(e.Color & 0xFF), FromQColor(pal.color(e.Group, e.Role)));
}

int TQtServices::MessageBox(const std::string& text, const std::string& caption, int flags) {
  if (MessageRecorder) return MessageRecorder->MessageBox(text, caption, flags);
  if (!QApplication::instance()) return IDCANCEL;
  QMessageBox box(QApplication::activeWindow());
  switch (flags & 0xF0) {
    case MB_ICONERROR:
      box.setIcon(QMessageBox::Critical);
      break;
    case MB_ICONQUESTION:
      box.setIcon(QMessageBox::Question);
      break;
    case MB_ICONWARNING:
      box.setIcon(QMessageBox::Warning);
      break;
    case MB_ICONINFORMATION:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  if ((flags & 0x0F) == MB_OKCANCEL)
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  else
    box.setStandardButtons(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.setWindowTitle(caption.empty() ? QCoreApplication::applicationName()
                                     : QString::fromStdString(caption));
  box.setText(QString::fromStdString(text));
  return box.exec() == QMessageBox::Cancel ? IDCANCEL : IDOK;
}

QCursor TQtServices::CursorFor(TCursor cursor, int scale) const {
  if (cursor <= 0) return QCursor(qtimpl::ShapeOf(cursor));
  HCURSOR handle = Screen().Cursors(cursor);
  if (!handle) return QCursor(Qt::ArrowCursor);
  auto& cache = const_cast<decltype(registered_)&>(registered_);
  const std::pair key{static_cast<int>(cursor), scale};
  auto it = cache.find(key);
  if (it == cache.end())
    it = cache.emplace(key, std::make_unique<QCursor>(qtimpl::CursorFromImage(*handle, scale)))
             .first;
  return *it->second;
}

void TQtServices::CursorRegistered(int index, HCURSOR /*cursor*/) {
  // Built again from the new picture when next shown.
  std::erase_if(registered_, [index](const auto& entry) { return entry.first.first == index; });
}

void TQtServices::ScreenCursorChanged(TCursor cursor) {
  if (!QGuiApplication::instance()) return;
  if (cursor == crDefault) {
    if (overrideActive_) QGuiApplication::restoreOverrideCursor();
    overrideActive_ = false;
    return;
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QCursor shown =
      CursorFor(cursor, screen ? qtimpl::DeviceScaleFor(screen->devicePixelRatio()) : 1);
  if (overrideActive_) {
    QGuiApplication::changeOverrideCursor(shown);
  } else {
    QGuiApplication::setOverrideCursor(shown);
    overrideActive_ = true;
  }
}

void TQtServices::RealizeForm(TForm& form) {
  RealizeQtForm(form);
}

void TQtServices::ShowForm(TForm& form) {
  QWidget* w = WidgetOf(form);
  if (!w) return;
  if (form.Position() == poScreenCenter || form.Position() == poDesktopCenter) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      form.SetBounds(area.x() + (area.width() - form.Width()) / 2,
                     area.y() + (area.height() - form.Height()) / 2, form.Width(), form.Height());
    }
  }
  w->show();
  // The offscreen platform has no stacking and says so on every call.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
    w->raise();
    w->activateWindow();
  }
}

void TQtServices::HideForm(TForm& form) {
  if (QWidget* w = WidgetOf(form)) w->hide();
  // A form closed with caFree is released right after this; free it once
  // the event that closed it is handled.
  if (QCoreApplication::instance())
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { Application().FreeReleasedForms(); },
        Qt::QueuedConnection);
}

void TQtServices::RunLoop(TApplication& app) {
  if (!app.Terminated() && QCoreApplication::instance()) QApplication::exec();
}

void TQtServices::Terminate() {
  if (QCoreApplication::instance()) QCoreApplication::exit(0);
}

void TQtServices::ProcessMessages(TApplication& /*app*/) {
  if (!QCoreApplication::instance()) return;
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

// ---- backend ----

namespace {

// The scales --scale accepts: whole device pixels per logical pixel.
bool IsScale(std::string_view text) {
  return text.size() == 1 && text[0] >= '1' && text[0] <= '4';
}

}  // namespace

TQtBackend::TQtBackend(int& argc, char** argv) {
  // Our own options first, so that Qt never sees them.
  int out = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--snapshot") == 0 && i + 1 < argc) {
      snapshotFile_ = argv[++i];
    } else if (std::strncmp(argv[i], "--snapshot=", 11) == 0) {
      snapshotFile_ = argv[i] + 11;
    } else if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc && IsScale(argv[i + 1])) {
      qputenv("QT_SCALE_FACTOR", argv[++i]);
    } else if (std::strncmp(argv[i], "--scale=", 8) == 0 && IsScale(argv[i] + 8)) {
      qputenv("QT_SCALE_FACTOR", argv[i] + 8);
    } else {
      argv[out++] = argv[i];
    }
  }
  if (argc > 0) {
    argc = out;
    argv[argc] = nullptr;
  }
  if (!QApplication::instance()) {
    // Forms keep their layout in logical pixels and draw at a whole number
    // of device pixels per logical one: 1.25 stays sharp at 1, 1.5 goes to 2.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // One style on every desktop: the standard controls look, and repaint on
    // hover, the same whatever the user's environment prefers.
    qunsetenv("QT_STYLE_OVERRIDE");
    argc_ = argc;
    ownApp_ = std::make_unique<QApplication>(argc_, argv);
    argc = argc_;
    QApplication::setStyle(QStringLiteral("Fusion"));
  }
  // Only the neutral side ends the program (closing the main form).
  QApplication::setQuitOnLastWindowClosed(false);
  Install();
}

TQtBackend::~TQtBackend() {
  TApplication& app = Application();
  // Forms own widgets: they go before the QApplication does.
  app.DestroyComponents();
  app.SetServices(nullptr);
  ownApp_.reset();
}

TQtServices& TQtBackend::Install() {
  auto services = std::make_unique<TQtServices>();
  TQtServices& ref = *services;
  Application().SetServices(std::move(services));
  return ref;
}

TQtServices& TQtBackend::Services() {
  if (TQtServices* s = qtimpl::CurrentServices()) return *s;
  return Install();
}

int TQtBackend::Run() {
  TApplication& app = Application();
  snapshotError_.clear();
  if (!snapshotFile_.empty()) {
    // Runs once the loop has started, after the main form was shown.
    const std::string file = snapshotFile_;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this, file, &app] {
          try {
            TForm* form = app.MainForm();
            if (!form) throw EFileError(file, "there is no window to take a picture of");
            SaveFormSnapshot(*form, file);
          } catch (const EFileError& e) {
            snapshotError_ = e.Path() + ": cannot write the snapshot: " + e.Reason();
            app.SetExitCode(1);
          }
          app.Terminate();
        },
        Qt::QueuedConnection);
  }
  return app.Run();
}

}  // namespace zarn
