// The window's controls as Windows controls: one child window per row of
// the layout table, with the class and styles of its kind, and the width
// its caption needs.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/layout.h"

namespace kalvenor::ui::win32 {

// A hidden child of parent with the identifier id, at no place yet. Option
// buttons are children of the window too, laid over their frame, so that
// the dialog keys walk and group them with the rest.
HWND CreateControl(HWND parent, const layout::ControlRow& row, int id);

// The pixels the control needs to show caption in font at the DPI, frame
// and glyph included; 0 for a kind that shows no caption.
int CaptionWidth(layout::Kind kind, HFONT font, std::wstring_view caption, UINT dpi);

// The text a control shows.
std::wstring WindowText(HWND window);

}  // namespace kalvenor::ui::win32
