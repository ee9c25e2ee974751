#include "ui/win32/run_window.h"

#include "ui/win32/win32_backend.h"

namespace kalvenor::ui::win32 {

int RunWindow(HINSTANCE instance, int show, void (*whenIdle)()) {
  Win32Backend backend(instance, show);
  backend.Host().Show();
  MSG msg{};
  for (;;) {
    if (whenIdle != nullptr && PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) == FALSE) whenIdle();
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
    if (backend.Window().HandleDialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace kalvenor::ui::win32
