// kalvenor's own start routine on Windows, quitting once its window is
// shown and idle.
#include "exit_when_idle.h"
#include "ui/win32/module1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command*/, int show) {
  return kalvenor::ui::win32::Module1Main(instance, show, kalvenor::bench::ExitWhenIdle);
}
