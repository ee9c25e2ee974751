// The Windows window: the calculator form's controls and menus created from
// the layout table as Windows controls, its own dialog keys and focus
// rules, and its messages reported as they come to the form host. The
// backend (win32_backend.h) reads and moves the controls for the host.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "ui/toolkit.h"
#include "ui/win32/handles.h"
#include "ui/window_events.h"

namespace kalvenor::ui::win32 {

class CalculatorWindow {
 public:
  CalculatorWindow(HINSTANCE instance, WindowEvents& events);
  CalculatorWindow(const CalculatorWindow&) = delete;
  CalculatorWindow& operator=(const CalculatorWindow&) = delete;

  // The main window; null once it has been destroyed.
  HWND Handle() const { return window_.get(); }
  HWND Child(Control control) const { return controls_.at(IndexOf(control)); }
  UINT Dpi() const { return dpi_; }
  HFONT Font() const { return font_.get(); }

  // Reports a key going down in the window to the host, then gives the
  // dialog keys (Tab, arrows, Alt) their meaning; true when msg was handled.
  bool HandleDialogKeys(MSG& msg);

  // Moves the focus on as Tab does: now, or once the running handler has
  // returned.
  void MoveFocusOn();
  void PostMoveFocusOn();

  // Sizes the window around a client area of the size.
  void SizeClientArea(int width, int height);

  // Shows the window with the focus in the first box.
  void Show(int show);
  void Destroy();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnBoxChar(HWND box, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id);
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  void OnActivate(bool active);
  bool OnContextMenu(HWND target, LPARAM where);
  bool OnKey(const MSG& msg);
  std::optional<Control> ControlOf(HWND child) const;

  void CreateMainWindow(HINSTANCE instance);
  void BuildControls();
  void BuildMenus();
  void UseFont();

  WindowEvents& events_;
  OwnedWindow window_;
  OwnedFont font_;
  UINT dpi_ = 96;
  // Children of the main window, destroyed with it.
  std::array<HWND, kControlCount> controls_{};
  HWND lastFocus_ = nullptr;
  // Sizes change while the window is built; the form hears of them after.
  bool built_ = false;
};

}  // namespace kalvenor::ui::win32
