// The baseline of start-up: a Qt Widgets program that opens an empty window,
// lets it be drawn once and exits.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(553, 380);
  window.show();
  QTimer::singleShot(0, &app, &QApplication::quit);
  return app.exec();
}
