// How the window and its parts are found: the window class, and the
// command identifier of each control and menu entry, numbered in the order
// of the layout table.
#pragma once

#include <string_view>

#include "ui/layout.h"

namespace kalvenor::ui::win32 {

inline constexpr wchar_t kWindowClass[] = L"KalvenorCalculator";

// Above IDOK and IDCANCEL, which the dialog keys send for Enter and Esc.
inline constexpr int kFirstControlId = 100;
inline constexpr int kFirstMenuId = 1000;

// The identifier of a control ("Text1", "Option1(0)") or menu ("HELP").
int ControlId(std::string_view name);
int MenuId(std::string_view name);

}  // namespace kalvenor::ui::win32
