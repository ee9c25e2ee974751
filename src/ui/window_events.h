// What a window toolkit reports to the form host: its events as they come,
// before any rule of the program. The host gives them their meaning (the
// option groups, what F1, the copy keys and Enter do, quitting).
#pragma once

#include <optional>

#include "ui/toolkit.h"

namespace kalvenor::ui {

// The keys whose meaning is the host's, as the toolkit recognises them.
enum class Key {
  F1,
  Copy,  // the platform's copy keys (Ctrl+C)
  Other,
};

// A key pressed in the window. A toolkit that reports a key going down and
// the character it types apart (Windows) reports them as two presses.
struct KeyPress {
  std::optional<Control> control;  // the control with the focus, if any
  Key key = Key::Other;
  char16_t character = 0;  // the character it types, 0 for none
  bool selection = false;  // Copy: the control has text selected
};

class WindowEvents {
 public:
  virtual ~WindowEvents() = default;

  virtual void Resized() = 0;
  virtual void Closing() = 0;
  // The pixels to the inch changed: every control is placed anew.
  virtual void DpiChanged() = 0;
  // A button was pressed, or an option button was clicked (checked or not).
  virtual void Clicked(Control control) = 0;
  virtual void MenuChosen(Menu item) = 0;
  // True when the host took the key: the toolkit then drops it.
  virtual bool KeyPressed(const KeyPress& key) = 0;
};

}  // namespace kalvenor::ui
