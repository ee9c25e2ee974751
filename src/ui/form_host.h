// The calculator form on any window toolkit: the host implements the
// toolkit operations that carry a rule once, over a backend that only
// creates, moves and reads its controls, and gives the backend's events
// their meaning. It keeps what the program has moved, fits captions, turns
// twips into the backend's pixels, applies the option-group rule, gives F1,
// the copy keys and typed characters their meaning, and stops delivering
// events once the program has ended.
#pragma once

#include <array>
#include <string>

#include "calendar/date.h"
#include "clock/system_clock.h"
#include "ui/calculator_form.h"
#include "ui/toolkit.h"
#include "ui/window_backend.h"
#include "ui/window_events.h"

namespace kalvenor::ui {

class FormHost final : public Toolkit, public WindowEvents {
 public:
  // today: read once per parse; tests pass a fixed date.
  explicit FormHost(WindowBackend& backend, DateParts (*today)() = SystemToday);

  // Checks the layout's option, places every control and loads the form;
  // then shows the window, unless loading ended the program.
  void Show();

  CalculatorForm& Form() { return form_; }

  // The backend's events.
  void Resized() override;
  void Closing() override;
  void DpiChanged() override;
  void Clicked(Control control) override;
  void MenuChosen(Menu item) override;
  // F1 opens the help; the copy keys with nothing selected copy the current
  // mode's result; a character typed into an enabled box reaches its
  // handler, which takes it by setting its code to 0.
  bool KeyPressed(const KeyPress& key) override;

  void SetText(Control control, const std::u16string& text) override;
  void SetEnabled(Control control, bool enabled) override;
  void SetTop(Control control, Twips top) override;
  void SetWidth(Control control, Twips width) override;
  bool IsSelected(Control option) const override;
  void Select(Control option) override;
  TwipsSize ScreenSize() const override;
  TwipsSize WindowSize() const override;
  void SetWindowPosition(float left, float top) override;
  void EndProgram() override;

 private:
  // Hands one event to the form, unless the program has ended.
  template <typename Event>
  void Deliver(Event&& event) {
    if (!ended_) event(form_);
  }

  // Sizes the client area and places every control, growing a frame that
  // is too narrow for its options' captions: at the start, and after the
  // backend's DPI or font changed.
  void PlaceAll();
  void Place(Control control);
  // Grows the frames too narrow for their options' captions and moves what
  // stands to their right; gives the pixels the client area must widen by.
  int MakeRoomForOptions(int dpi);
  TwipsSize InTwips(PixelSize size) const;
  void CopyResult();
  bool TypedIntoBox(Control box, char16_t character);

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
