#include "ui/qt/run_window.h"

#include <QApplication>

#include "ui/qt/look.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/quiet_start.h"

namespace kalvenor::ui::qt {

int RunWindow(int argc, char** argv, void (*whenShown)()) {
  HoldStartMessages();
  QApplication app(argc, argv);
  ReleaseStartMessages();
  ApplyLook(app);
  QtBackend backend;
  backend.Host().Show();
  if (whenShown != nullptr) whenShown();
  return QApplication::exec();
}

}  // namespace kalvenor::ui::qt
