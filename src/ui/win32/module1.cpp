// The start routine on Windows: shows the one window, then runs its
// messages until End_Rtn destroys it.
#include <windows.h>

#include "ui/win32/form1_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command*/, int show) {
  ui::win32::Form1Window form1(instance);
  form1.Show(show);
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (form1.HandleDialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
