// Owning handles: a window destroyed and a font deleted with their owner.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace kalvenor::ui::win32 {

struct DestroyWindowOf {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, DestroyWindowOf>;

struct DeleteFontOf {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, DeleteFontOf>;

}  // namespace kalvenor::ui::win32
