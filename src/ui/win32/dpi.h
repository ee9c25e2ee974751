// A window's DPI, and the outer size a window needs at it.
#pragma once

#include <windows.h>

namespace kalvenor::ui::win32 {

// The window's DPI; 96 where the system predates per-monitor DPI.
UINT DpiOf(HWND window);

// The outer rectangle a window needs around a client area, at the DPI.
RECT OuterRect(RECT client, DWORD style, bool menu, UINT dpi);

}  // namespace kalvenor::ui::win32
