// What the window's logic needs of a window toolkit, and nothing more, in
// two parts: what any toolkit does as it is (WindowBasics, which every
// backend implements), and what the form host adds its rules to (Toolkit,
// implemented once by form_host.h). Positions and sizes are twips (1440 to
// the inch).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kalvenor::ui {

// The calculator form's controls, by what each is for. The layout table
// gives each its historical object name (Text1, Label4, Option1(0) ...).
enum class Control {
  Date1Box,
  Date2Box,
  DaysBox,
  Date1Caption,
  Date2Caption,
  DaysCaption,
  Date1Display,
  Date2Display,
  TopLine,
  ModeFrame,
  StyleFrame,
  CalculateButton,
  QuitButton,
  DifferenceOption,
  AdditionOption,
  EraOption,
  WesternOption,
};
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::WesternOption) + 1;

inline constexpr std::size_t IndexOf(Control control) { return static_cast<std::size_t>(control); }

// The menu bar: Quit is a command on the bar, Help the drop-down that holds
// HelpDocument and About.
enum class Menu { Quit, Help, HelpDocument, About };

enum class MessageIcon { Warning, Information };

using Twips = std::int32_t;

struct TwipsSize {
  Twips width = 0;
  Twips height = 0;
};

class WindowBasics {
 public:
  virtual ~WindowBasics() = default;

  // A modal box with one OK button and the title "Kalvenor"; returns when it
  // is closed. A carriage return in text is a line break.
  virtual void ShowMessage(const std::u16string& text, MessageIcon icon) = 0;

  // The text of a box or the caption of a label, button or frame.
  virtual std::u16string Text(Control control) const = 0;

  virtual void SetTitle(const std::u16string& title) = 0;

  // The window as the platform knows it (an HWND on Windows), the owner of a
  // shell request; 0 where the platform needs none.
  virtual std::uintptr_t WindowHandle() const = 0;

  // Handles the events that are pending and returns when none are left.
  virtual void ProcessEvents() = 0;

  // Queues one Tab keystroke; it moves the focus after the running handler
  // has returned, to the next control in tab order that can take it.
  virtual void PostTab() = 0;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Shows at once.
  virtual void SetText(Control control, const std::u16string& text) = 0;

  // A disabled box takes no typing and no Tab: Tab skips it and its key
  // events do not reach the form.
  virtual void SetEnabled(Control control, bool enabled) = 0;

  // Relative to the control's container; Left and Height never change.
  virtual void SetTop(Control control, Twips top) = 0;
  virtual void SetWidth(Control control, Twips width) = 0;

  // Selecting an option button clears the others of its frame and, when
  // the selection changes, delivers the option's Click.
  virtual bool IsSelected(Control option) const = 0;
  virtual void Select(Control option) = 0;

  // The outer rectangle of the window: borders, title bar and menu bar
  // included.
  virtual TwipsSize ScreenSize() const = 0;
  virtual TwipsSize WindowSize() const = 0;
  virtual void SetWindowPosition(float left, float top) = 0;

  // Ends the program at once: the window goes, no further handler runs.
  virtual void EndProgram() = 0;
};

}  // namespace kalvenor::ui
