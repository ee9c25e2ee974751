// What the window may show as a date or a day count, by shape alone, for random runs.
#pragma once

#include <regex>
#include <string>

#include "text/utf8.h"

namespace shape {

// A blank or a minus sign, then digits without leading zeros.
inline bool IsNumberText(const std::u16string& text) {
  static const std::regex number("( |-(?!0))(0|[1-9][0-9]*)");
  return std::regex_match(kalvenor::text::ToUtf8(text), number);
}

// "H 12/ 1/ 1(土)", " 2000/ 1/ 1(土)": an optional era letter, three number texts, the weekday.
inline bool IsDisplayText(const std::u16string& text) {
  static const std::regex date(
      "[HSTM]?( |-(?!0))(0|[1-9][0-9]*)(/( |-(?!0))(0|[1-9][0-9]*)){2}"
      "\\((日|月|火|水|木|金|土)\\)");
  return std::regex_match(kalvenor::text::ToUtf8(text), date);
}

}  // namespace shape
