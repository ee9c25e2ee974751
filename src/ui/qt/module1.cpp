// The start routine: shows the one window, then the program runs on its
// events until End_Rtn leaves the event loop.
#include <QApplication>

#include "ui/qt/exit_when_idle.h"
#include "ui/qt/look.h"
#include "ui/qt/qt_toolkit.h"
#include "ui/qt/quiet_start.h"

int main(int argc, char** argv) {
  ui::qt::HoldStartMessages();
  QApplication app(argc, argv);
  ui::qt::ReleaseStartMessages();
  ui::qt::ApplyLook(app);
  ui::qt::QtToolkit form1;
  form1.Show();
  // Lets bench/startup time the start as a whole process.
  ui::qt::ExitWhenIdleIfAsked();
  return QApplication::exec();
}
