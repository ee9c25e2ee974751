// The window's controls and menus in one table: where each stands, what it
// says, and the order Tab walks them in. Twips, relative to the container.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/toolkit.h"

namespace ui::layout {

enum class Kind { TextBox, Line, Frame, Button, OptionButton, Label };

struct ControlSpec {
  std::string_view name;  // also the widget's object name
  Kind kind;
  std::string_view container;  // "" for the window's client area
  std::u16string_view caption;
  Twips left, top, width, height;
  // What a screen reader says besides the shown text: the name of an input
  // box, the description of a display label.
  std::u16string_view accessible = u"";
};

struct MenuSpec {
  std::string_view name;
  std::string_view parent;  // "" for an entry on the menu bar itself
  std::u16string_view caption;
};

inline constexpr TwipsSize kClientSize{4455, 3240};
inline constexpr int kTwipsPerPixel = 15;

// Every control, in tab order.
std::span<const ControlSpec> Controls();

// The menu bar: a command and a drop-down with its items, in order.
std::span<const MenuSpec> Menus();

std::string_view NameOf(Control control);
std::string NameOf(OptionArray array, int index);  // "Option1(0)"

const ControlSpec& Spec(std::string_view name);

// The width of the control's container: the client area or its frame.
Twips ContainerWidth(const ControlSpec& spec);

// Nearest whole logical pixel.
int Pixels(Twips twips);

}  // namespace ui::layout
