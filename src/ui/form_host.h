// CalculatorForm on any window toolkit: the host implements the toolkit operations
// once, over a backend that only creates, moves and reads its controls. It
// keeps what the program has moved, fits captions, turns twips into the
// backend's pixels, applies the option-group rule and stops delivering
// events once the program has ended.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calendar/date.h"
#include "clock/system_clock.h"
#include "ui/calculator_form.h"
#include "ui/toolkit.h"
#include "ui/window_backend.h"

namespace kalvenor::ui {

class FormHost final : public Toolkit {
 public:
  // today: read once per parse; tests pass a fixed date.
  explicit FormHost(WindowBackend& backend, DateParts (*today)() = SystemToday);

  // Checks the layout's option, places every control and loads the form;
  // then shows the window, unless loading ended the program.
  void Show();

  // Sizes the client area and places every control, growing a frame that
  // is too narrow for its options' captions: at the start, and after the
  // backend's DPI or font changed.
  void PlaceAll();

  // Whether the program was ended; no event reaches CalculatorForm after that.
  bool HasEnded() const { return ended_; }

  // The backend's events.
  void Resized();
  void Closing();
  // A button was pressed, or an option button was clicked (checked or not).
  void Clicked(Control control);
  void MenuChosen(Menu item);
  // A character typed into a box; setting code to 0 discards it.
  void KeyTyped(Control box, std::int16_t& code);
  // Ctrl+C where nothing is selected: the current mode's result is copied.
  void CopyRequested();

  CalculatorForm& Form() { return form_; }

  void ShowMessage(const std::u16string& text, MessageIcon icon) override;
  std::u16string Text(Control control) const override;
  void SetText(Control control, const std::u16string& text) override;
  void SetEnabled(Control control, bool enabled) override;
  void SetTop(Control control, Twips top) override;
  void SetWidth(Control control, Twips width) override;
  bool IsSelected(Control option) const override;
  void Select(Control option) override;
  void PostTab() override;
  TwipsSize ScreenSize() const override;
  TwipsSize WindowSize() const override;
  void SetWindowPosition(float left, float top) override;
  void SetTitle(const std::u16string& title) override;
  std::uintptr_t WindowHandle() const override;
  void ProcessEvents() override;
  void EndProgram() override;

 private:
  // Hands one event to CalculatorForm, unless the program has ended.
  template <typename Event>
  void Deliver(Event&& event) {
    if (!ended_) event(form_);
  }

  void Place(Control control);
  // Grows the frames too narrow for their options' captions and moves what
  // stands to their right; gives the pixels the client area must widen by.
  int MakeRoomForOptions(int dpi);
  TwipsSize InTwips(PixelSize size) const;

  WindowBackend& backend_;
  CalculatorForm form_;
  std::array<Twips, kControlCount> tops_{};
  std::array<Twips, kControlCount> widths_{};
  std::array<bool, kControlCount> enabled_{};
  std::array<bool, kControlCount> selected_{};
  // Pixels a frame grew by for its options' captions, and pixels a control
  // moved right to make room for a frame that grew; the client area's width.
  std::array<int, kControlCount> grown_{};
  std::array<int, kControlCount> shifted_{};
  int clientWidth_ = 0;
  bool ended_ = false;
};

}  // namespace kalvenor::ui
