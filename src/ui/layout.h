// The window's controls and menus in one table: where each stands, what it
// says, and the order Tab walks them in. Twips, relative to the container.
// Every backend builds its window from here, and the form host places the
// controls from here.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "ui/toolkit.h"

namespace kalvenor::ui::layout {

enum class Kind { TextBox, Line, Frame, Button, OptionButton, Label };

struct ControlRow {
  std::string_view name;  // the object name: accessibility tree and window tests
  Control id;
  Kind kind;
  std::optional<Control> container;  // empty for the window's client area
  std::u16string_view caption;
  Twips left, top, width, height;
  // What a screen reader says besides the shown text: the name of an input
  // box, the description of a display label.
  std::u16string_view accessible = u"";
};

struct MenuRow {
  Menu id;
  std::optional<Menu> parent;  // empty for an entry on the menu bar itself
  std::u16string_view caption;
  std::string_view name;  // also the action's object name
};

inline constexpr TwipsSize kClientSize{4455, 3240};

// The option selected as the window is built; creating it runs no Click.
inline constexpr Control kSelectedAtStart = Control::EraOption;

// Every control, in tab order.
std::span<const ControlRow> Controls();

// The menu bar, in order: a command, then a drop-down and its items.
std::span<const MenuRow> Menus();

const ControlRow& RowOf(Control control);

// The width of the control's container: the client area or its frame.
Twips ContainerWidth(const ControlRow& row);

}  // namespace kalvenor::ui::layout
