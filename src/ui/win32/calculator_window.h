// The Windows window: CalculatorForm's controls and menus created from the layout
// table as Windows controls, the window's own keyboard and focus rules,
// and its messages reported to the form host. The backend
// (win32_backend.h) reads and moves the controls for the host.
#pragma once

#include <windows.h>

#include <array>

#include "ui/form_host.h"
#include "ui/toolkit.h"
#include "ui/win32/handles.h"

namespace kalvenor::ui::win32 {

class CalculatorWindow {
 public:
  CalculatorWindow(HINSTANCE instance, FormHost& host);
  CalculatorWindow(const CalculatorWindow&) = delete;
  CalculatorWindow& operator=(const CalculatorWindow&) = delete;

  // The main window; null once it has been destroyed.
  HWND Handle() const { return window_.get(); }
  HWND Child(Control control) const { return controls_.at(IndexOf(control)); }
  UINT Dpi() const { return dpi_; }
  HFONT Font() const { return font_.get(); }

  // Gives the dialog keys (Tab, arrows, Alt) and the window's own (F1,
  // Ctrl+C) their meaning for msg; true when msg was handled.
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

  void CreateMainWindow(HINSTANCE instance);
  void BuildControls();
  void BuildMenus();
  void UseFont();

  FormHost& host_;
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
