// Twips and pixels at a window's DPI: 1440 twips to the inch, so 15 twips
// to the pixel at 96 DPI.
#pragma once

#include <windows.h>

#include "ui/toolkit.h"

namespace kalvenor::ui::win32 {

// The window's DPI; 96 where the system predates per-monitor DPI.
UINT DpiOf(HWND window);

// Nearest whole pixel.
int ToPixels(Twips twips, UINT dpi);
Twips ToTwips(int pixels, UINT dpi);

// The outer rectangle a window needs around a client area, at the DPI.
RECT OuterRect(RECT client, DWORD style, bool menu, UINT dpi);

}  // namespace kalvenor::ui::win32
