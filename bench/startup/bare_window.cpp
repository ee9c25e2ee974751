// The floor for start-up: the least a Qt Widgets program can do, one window
// with one label, with the same exit-when-idle switch as kalvenor.
#include <QApplication>
#include <QLabel>

#include "ui/qt/exit_when_idle.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Kalvenor"));
  label.show();
  ui::qt::ExitWhenIdleIfAsked();
  return QApplication::exec();
}
