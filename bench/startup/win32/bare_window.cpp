// The floor for start-up on Windows: the least a Win32 program can do, one
// window with one STATIC label, quitting once shown and idle like
// kalvenor_startup.
#include <windows.h>

#include "exit_when_idle.h"

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command*/, int show) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = L"BareWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"BareWindow", L"Kalvenor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 240, 120, nullptr, nullptr, instance, nullptr);
  CreateWindowExW(0, L"STATIC", L"Kalvenor", WS_CHILD | WS_VISIBLE, 10, 10, 200, 20, window,
                  nullptr, instance, nullptr);
  ShowWindow(window, show);
  UpdateWindow(window);
  // The same loop as kalvenor's start routine with its idle hook.
  MSG msg{};
  for (;;) {
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) == FALSE) kalvenor::bench::ExitWhenIdle();
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
