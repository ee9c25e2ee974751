#include "ui/win32/clipboard.h"

#include <windowsx.h>

#include <cstring>
#include <string>

#include "ui/texts.h"
#include "ui/win32/controls.h"
#include "ui/win32/wide.h"

namespace kalvenor::ui::win32 {
namespace {

constexpr UINT kCopy = 1;

}  // namespace

void CopyText(HWND owner, const std::wstring& text) {
  if (OpenClipboard(owner) == FALSE) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  void* target = memory != nullptr ? GlobalLock(memory) : nullptr;
  if (target != nullptr) {
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    // The clipboard owns the memory once it has taken it.
    if (SetClipboardData(CF_UNICODETEXT, memory) != nullptr) memory = nullptr;
  }
  if (memory != nullptr) GlobalFree(memory);
  CloseClipboard();
}

void OfferCopy(HWND owner, HWND label, LPARAM where) {
  const std::wstring text = WindowText(label);
  if (text.empty()) return;
  POINT point{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  // Shift+F10 and the menu key give no point: open the menu at the label.
  if (where == -1) {
    RECT rect{};
    GetWindowRect(label, &rect);
    point = {rect.left, rect.bottom};
  }
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kCopy, Wide(texts::kMenuCopy).c_str());
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x, point.y, 0, owner, nullptr));
  DestroyMenu(menu);
  if (chosen == kCopy) CopyText(owner, text);
}

}  // namespace kalvenor::ui::win32
