// The floor for start-up: the least a Qt Widgets program can do, one window
// with one label, quitting once shown and idle like kalvenor_startup.
#include <QApplication>
#include <QLabel>

#include "exit_when_idle.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Kalvenor"));
  label.show();
  kalvenor::bench::ExitWhenIdle();
  return QApplication::exec();
}
