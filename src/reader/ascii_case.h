// Words that kalvenor-cli reads in either case: "Today", "3MO".
#pragma once

#include <algorithm>
#include <string_view>

namespace kalvenor::reader {

// Whether text is word, its ASCII letters read in either case; word is
// written in lower case.
inline bool IsWordInAnyCase(std::u16string_view text, std::u16string_view word) {
  const auto lower = [](char16_t c) -> char16_t { return c >= u'A' && c <= u'Z' ? c + 32 : c; };
  return text.size() == word.size() &&
         std::equal(text.begin(), text.end(), word.begin(),
                    [&](char16_t a, char16_t b) { return lower(a) == b; });
}

}  // namespace kalvenor::reader
