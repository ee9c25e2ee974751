#include "ui/win32/module1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command*/, int show) {
  return kalvenor::ui::win32::Module1Main(instance, show);
}
