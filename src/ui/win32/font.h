// The window's font: the first installed of the Japanese user-interface
// faces at 9 pt, else the system's message font; and caption widths
// measured with it.
#pragma once

#include <windows.h>

#include <string_view>

namespace kalvenor::ui::win32 {

// The caller owns the font (DeleteObject).
HFONT CreateUiFont(UINT dpi);

// The width in pixels of text drawn in font.
int TextWidth(HFONT font, std::wstring_view text);

}  // namespace kalvenor::ui::win32
