// kalvenor's own start routine on Windows, quitting once its window is
// shown and idle.
#include "exit_when_idle.h"
#include "ui/win32/run_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command*/, int show) {
  return kalvenor::ui::win32::RunWindow(instance, show, kalvenor::bench::ExitWhenIdle);
}
