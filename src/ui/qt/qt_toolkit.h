// The Qt backend of the toolkit interface: owns the window and Form1, turns
// the toolkit operations into widget calls and the widgets' events into
// Form1's handlers.
#pragma once

#include <cstdint>
#include <string>

#include "ui/form1.h"
#include "ui/qt/form1_window.h"
#include "ui/toolkit.h"

namespace kalvenor::ui::qt {

class QtToolkit final : public Toolkit {
 public:
  QtToolkit();

  // Loads the window (Form_Load) and then shows it.
  void Show();

  // Whether the program was ended; no handler runs after that.
  bool HasEnded() const { return ended_; }

  Form1Window& Window() { return window_; }

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
  void ConnectEvents();

  // Hands one event to Form1, unless the program has ended.
  template <typename Event>
  void Deliver(Event&& event) {
    if (!ended_) event(form_);
  }

  Form1Window window_;
  Form1 form_{*this};
  bool ended_ = false;
};

}  // namespace kalvenor::ui::qt
