// The start routine on Windows: shows the one window, then runs its
// messages until quitting destroys it.
#pragma once

#include <windows.h>

namespace kalvenor::ui::win32 {

// The program's main, with WinMain's instance and show. whenIdle, if given,
// runs each time the message queue is found empty (the start-up
// benchmark's hook).
int RunWindow(HINSTANCE instance, int show, void (*whenIdle)() = nullptr);

}  // namespace kalvenor::ui::win32
