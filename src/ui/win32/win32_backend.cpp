#include "ui/win32/win32_backend.h"

#include "ui/layout.h"
#include "ui/texts.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/controls.h"
#include "ui/win32/wide.h"

namespace kalvenor::ui::win32 {
namespace {

// A message box breaks lines at CR LF; a lone CR becomes one.
std::wstring WindowsLineBreaks(std::u16string_view text) {
  std::wstring lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    lines += static_cast<wchar_t>(text[i]);
    if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')) lines += L'\n';
  }
  return lines;
}

void SetStyleBit(HWND window, LONG_PTR bit, bool on) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, on ? style | bit : style & ~bit);
}

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance, int show) : window_(instance, host_), show_(show) {}

int Win32Backend::Dpi() const { return static_cast<int>(window_.Dpi()); }

void Win32Backend::Move(Control control, const PixelRect& rect) {
  POINT at{rect.left, rect.top};
  // Option buttons are children of the window laid over their frame, so
  // that the dialog keys walk and group them with the rest.
  if (const auto frame = layout::RowOf(control).container) {
    RECT container{};
    GetWindowRect(window_.Child(*frame), &container);
    MapWindowPoints(nullptr, window_.Handle(), reinterpret_cast<POINT*>(&container), 2);
    at.x += container.left;
    at.y += container.top;
  }
  SetWindowPos(window_.Child(control), nullptr, at.x, at.y, rect.width, rect.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32Backend::CaptionWidth(Control control) const {
  return win32::CaptionWidth(layout::RowOf(control).kind, window_.Font(),
                             WindowText(window_.Child(control)), window_.Dpi());
}

std::u16string Win32Backend::Text(Control control) const {
  return Utf16(WindowText(window_.Child(control)));
}

void Win32Backend::SetText(Control control, const std::u16string& text) {
  SetWindowTextW(window_.Child(control), Wide(text).c_str());
}

void Win32Backend::SetEnabled(Control control, bool enabled) {
  HWND child = window_.Child(control);
  if (layout::RowOf(control).kind != layout::Kind::TextBox) {
    EnableWindow(child, enabled ? TRUE : FALSE);
    return;
  }
  // A disabled box would grey its text out; a read-only box out of the Tab
  // order keeps a result readable and copyable, and still looks inactive.
  if (!enabled && GetFocus() == child) window_.MoveFocusOn();
  SendMessageW(child, EM_SETREADONLY, enabled ? FALSE : TRUE, 0);
  SetStyleBit(child, WS_TABSTOP, enabled);
}

bool Win32Backend::IsChecked(Control option) const {
  return SendMessageW(window_.Child(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Backend::SetChecked(Control option, bool checked) {
  HWND child = window_.Child(option);
  SendMessageW(child, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  // Tab reaches an option group at its checked member alone.
  SetStyleBit(child, WS_TABSTOP, checked);
}

void Win32Backend::PostTab() { window_.PostMoveFocusOn(); }

void Win32Backend::CopyText(const std::u16string& text) {
  win32::CopyText(window_.Handle(), Wide(text));
}

void Win32Backend::ShowMessage(const std::u16string& text, MessageIcon icon) {
  const UINT style = MB_OK | (icon == MessageIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
  MessageBoxW(window_.Handle(), WindowsLineBreaks(text).c_str(), Wide(texts::kTitle).c_str(),
              style);
}

RECT Win32Backend::Monitor() const {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window_.Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  return monitor.rcMonitor;
}

PixelSize Win32Backend::ScreenSize() const {
  const RECT screen = Monitor();
  return {screen.right - screen.left, screen.bottom - screen.top};
}

PixelSize Win32Backend::WindowSize() const {
  RECT outer{};
  GetWindowRect(window_.Handle(), &outer);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

void Win32Backend::MoveWindow(int left, int top) {
  const RECT screen = Monitor();
  SetWindowPos(window_.Handle(), nullptr, screen.left + left, screen.top + top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Backend::SizeClient(PixelSize size) { window_.SizeClientArea(size.width, size.height); }

void Win32Backend::SetTitle(const std::u16string& title) {
  SetWindowTextW(window_.Handle(), Wide(title).c_str());
}

std::uintptr_t Win32Backend::WindowHandle() const {
  return reinterpret_cast<std::uintptr_t>(window_.Handle());
}

void Win32Backend::ProcessEvents() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE) {
    if (msg.message == WM_QUIT) {
      // Left for the main loop, which ends on it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (window_.HandleDialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32Backend::ShowWindow() { window_.Show(show_); }

void Win32Backend::Close() { window_.Destroy(); }

}  // namespace kalvenor::ui::win32
