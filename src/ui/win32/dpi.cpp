#include "ui/win32/dpi.h"

#include "ui/units.h"

namespace kalvenor::ui::win32 {
namespace {

// Looked up at run time: Windows before 10 (1607) lacks both.
template <typename Function>
Function User32(const char* name) {
  // The cast from FARPROC is how a function found by name is called.
  return reinterpret_cast<Function>(  // NOLINT
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

UINT DpiOf(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpi = User32<GetDpiForWindowFn>("GetDpiForWindow");
  const UINT dpi = getDpi != nullptr ? getDpi(window) : 0;
  return dpi != 0 ? dpi : UINT{kBaseDpi};
}

RECT OuterRect(RECT client, DWORD style, bool menu, UINT dpi) {
  using AdjustFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = User32<AdjustFn>("AdjustWindowRectExForDpi");
  if (adjustForDpi != nullptr) {
    adjustForDpi(&client, style, menu, 0, dpi);
  } else {
    AdjustWindowRectEx(&client, style, menu, 0);
  }
  return client;
}

}  // namespace kalvenor::ui::win32
