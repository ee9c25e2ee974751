// The Windows window: builds Form1's controls and menus from the layout
// table as Windows controls, implements the toolkit operations on them and
// delivers their messages to Form1.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/form1.h"
#include "ui/layout.h"
#include "ui/toolkit.h"

namespace kalvenor::ui::win32 {

class Form1Window final : public Toolkit {
 public:
  explicit Form1Window(HINSTANCE instance);
  ~Form1Window() override;
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  // Loads the window (Form_Load) and then shows it; show is WinMain's.
  void Show(int show);

  // Gives the dialog keys (Tab, arrows, Alt) their meaning for msg;
  // true when msg was handled.
  bool HandleDialogKeys(MSG& msg);

  void ShowMessage(const std::u16string& text, MessageIcon icon) override;
  std::u16string Text(Control control) const override;
  void SetText(Control control, const std::u16string& text) override;
  void SetEnabled(Control control, bool enabled) override;
  void SetTop(Control control, Twips top) override;
  void SetWidth(Control control, Twips width) override;
  bool IsSelected(OptionArray array, int index) const override;
  void Select(OptionArray array, int index) override;
  void PostTab() override;
  TwipsSize ScreenSize() const override;
  TwipsSize WindowSize() const override;
  void SetWindowPosition(float left, float top) override;
  void SetTitle(const std::u16string& title) override;
  std::uintptr_t WindowHandle() const override;
  void ProcessEvents() override;
  void EndProgram() override;

 private:
  // A control as it stands now: its row of the layout table, and the Top
  // and Width the program may have changed.
  struct Placed {
    const layout::ControlSpec* spec;
    HWND window;
    Twips top;
    Twips width;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnBoxChar(HWND box, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id);
  void OnOptionClicked(OptionArray array, int index);
  void MarkSelected(OptionArray array, int index);
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  void OnActivate(bool active);
  void MoveToNextControl();

  void CreateMainWindow(HINSTANCE instance);
  void BuildControls();
  void BuildMenus();
  void UseFont();
  void Place(Placed& control);
  void SizeClientArea();

  Placed& At(const layout::ControlSpec& spec);
  const Placed& At(const layout::ControlSpec& spec) const;
  Placed& At(Control control) { return At(layout::Spec(control)); }
  const Placed& At(Control control) const { return At(layout::Spec(control)); }
  HWND Option(OptionArray array, int index) const;

  // Hands one event to Form1, unless the program has ended.
  template <typename Event>
  void Deliver(Event&& event) {
    if (!ended_) event(form_);
  }

  Form1 form_{*this};
  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  UINT dpi_ = 96;
  std::vector<Placed> controls_;
  // The option of each array whose Click was last delivered.
  int selected_[2] = {-1, 0};
  HWND lastFocus_ = nullptr;
  bool ended_ = false;
};

}  // namespace kalvenor::ui::win32
