// The numbers of kanji dates and times: Arabic digits, or kanji numerals
// written digit by digit (二〇二六) or counted (二千二十六, 十二).
#pragma once

#include <optional>

#include "reader/scanner.h"

namespace kalvenor::reader {

// Kanji numerals at the front of scanner. Counted numerals take each of
// 千 百 十 at most once, largest first, with a digit 一..九 before it or
// none (one); their digits are those of the value (十二 has two). Nothing,
// and nothing taken, when the front is no such number.
std::optional<Written> TakeKanjiNumber(Scanner& scanner);

// A number at the front of scanner, in ASCII digits (at most six) or kanji
// numerals.
inline std::optional<Written> TakeNumber(Scanner& scanner) {
  if (auto number = scanner.Digits()) return number;
  return TakeKanjiNumber(scanner);
}

}  // namespace kalvenor::reader
