#include "ui/win32/run_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command*/, int show) {
  return kalvenor::ui::win32::RunWindow(instance, show);
}
