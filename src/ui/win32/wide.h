// The engine's texts are UTF-16 code units, as are Windows' wide strings:
// a text crosses between them unchanged.
#pragma once

#include <string>
#include <string_view>

namespace kalvenor::ui::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

inline std::wstring Wide(std::u16string_view text) { return {text.begin(), text.end()}; }

inline std::u16string Utf16(std::wstring_view text) { return {text.begin(), text.end()}; }

// Windows hands handles and pointers about in integer-sized parameters
// (LPARAM, LONG_PTR, WPARAM): the one place they turn back into pointers.
template <typename Pointer, typename Integer>
Pointer FromInteger(Integer value) {
  return reinterpret_cast<Pointer>(value);  // NOLINT(performance-no-int-to-ptr)
}

}  // namespace kalvenor::ui::win32
