// The blanks that may stand around kalvenor-cli's own date forms (a
// full-width blank has become " " by then).
#pragma once

#include <string_view>

namespace kalvenor::reader {

inline bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

inline std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace kalvenor::reader
