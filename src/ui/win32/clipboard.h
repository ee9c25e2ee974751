// Text onto the clipboard, for the display labels, which Windows cannot
// select and copy by themselves.
#pragma once

#include <windows.h>

#include <string>

namespace kalvenor::ui::win32 {

// Offers "copy" at the screen point where a label was right-clicked (or at
// the label itself from the keyboard) and copies its text when chosen.
void OfferCopy(HWND owner, HWND label, LPARAM where);

// Puts text on the clipboard, owner's while it is there.
void CopyText(HWND owner, const std::wstring& text);

}  // namespace kalvenor::ui::win32
