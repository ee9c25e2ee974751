// The start routine: shows the one window, then the program runs on its
// events until End_Rtn leaves the event loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/exit_when_idle.h"
#include "ui/qt/form1_window.h"
#include "ui/qt/look.h"

namespace {

// Qt aborts with a long report when it finds no display; say it in one line.
bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fputs(
        "kalvenor: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);
  ui::qt::ApplyLook(app);
  ui::qt::Form1Window form1;
  form1.Show();
  // Lets bench/startup time the start as a whole process.
  ui::qt::ExitWhenIdleIfAsked();
  return QApplication::exec();
}
