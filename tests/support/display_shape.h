// What the window may show as a date or a day count, checked by shape
// alone, so long random runs can tell a well-formed result from garbage
// without recomputing it.
#pragma once

#include <cstddef>
#include <string_view>

namespace shape {

namespace detail {

// Consumes a number text at the front of text: " 0", " 365", "-31".
inline bool TakeNumber(std::u16string_view& text) {
  if (text.empty() || (text[0] != u' ' && text[0] != u'-')) return false;
  const bool negative = text[0] == u'-';
  std::size_t digits = 1;
  while (digits < text.size() && text[digits] >= u'0' && text[digits] <= u'9') {
    ++digits;
  }
  const std::u16string_view number = text.substr(1, digits - 1);
  if (number.empty()) return false;
  if (number[0] == u'0' && (number.size() > 1 || negative)) return false;
  text.remove_prefix(digits);
  return true;
}

inline bool TakeChar(std::u16string_view& text, char16_t c) {
  if (text.empty() || text[0] != c) return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace detail

// A number as the window writes it: a blank or a minus sign, then digits
// without leading zeros.
inline bool IsNumberText(std::u16string_view text) {
  return detail::TakeNumber(text) && text.empty();
}

// An optional era letter, year/month/day as number texts, and the weekday
// kanji in parentheses: "H 12/ 1/ 1(土)", " 2000/ 1/ 1(土)".
inline bool IsDisplayText(std::u16string_view text) {
  constexpr std::u16string_view kEraLetters = u"HSTM";
  constexpr std::u16string_view kWeekdays = u"日月火水木金土";
  if (!text.empty() && kEraLetters.find(text[0]) != std::u16string_view::npos) {
    text.remove_prefix(1);
  }
  using detail::TakeChar;
  using detail::TakeNumber;
  if (!(TakeNumber(text) && TakeChar(text, u'/') && TakeNumber(text) && TakeChar(text, u'/') &&
        TakeNumber(text) && TakeChar(text, u'('))) {
    return false;
  }
  return text.size() == 2 && kWeekdays.find(text[0]) != std::u16string_view::npos &&
         text[1] == u')';
}

}  // namespace shape
