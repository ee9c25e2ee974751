// The window's controls and menus in one table: where each stands, what it
// says, and the order Tab walks them in. Twips, relative to the container.
// Every backend builds its window from here, and Form1 takes the rows'
// positions from here.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "ui/toolkit.h"

namespace kalvenor::ui::layout {

enum class Kind { TextBox, Line, Frame, Button, OptionButton, Label };

// A member of an option array: Option1(0) is {Option1, 0}.
struct Member {
  OptionArray array;
  int index;
};

struct ControlSpec {
  std::string_view name;  // also the widget's object name
  std::variant<Control, Member> id;
  Kind kind;
  std::optional<Control> container;  // empty for the window's client area
  std::u16string_view caption;
  Twips left, top, width, height;
  // What a screen reader says besides the shown text: the name of an input
  // box, the description of a display label.
  std::u16string_view accessible = u"";
};

struct MenuSpec {
  Menu id;
  std::optional<Menu> parent;  // empty for an entry on the menu bar itself
  std::u16string_view caption;
  std::string_view name;  // also the action's object name
};

inline constexpr TwipsSize kClientSize{4455, 3240};
inline constexpr int kTwipsPerPixel = 15;

// Every control, in tab order.
std::span<const ControlSpec> Controls();

// The menu bar, in order: a command, then a drop-down and its items.
std::span<const MenuSpec> Menus();

const ControlSpec& Spec(Control control);
const ControlSpec& Spec(OptionArray array, int index);

// The width of the control's container: the client area or its frame.
Twips ContainerWidth(const ControlSpec& spec);

// Nearest whole logical pixel.
int Pixels(Twips twips);

}  // namespace kalvenor::ui::layout
