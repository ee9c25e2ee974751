// The day field of the window's date language, as text.
#pragma once

#include <cstdint>
#include <string>

#include "parse/date_rules.h"

namespace kalvenor {

// What dayField holds; number is what the number reader made of it.
//   月2  金5  月      a weekday kanji, then a week number 1..5 or nothing:
//                   the second character alone counts (月22 is 月2), and a
//                   blank there, full-width too, is nothing (月 2 is 月)
//   E  e  Ex         the month's last day
//   anything else    the number; as the language has always read them, 0
//                   (no number too) is no day and 99 lies past every
//                   month's end
// A weekday kanji with another week number (月0, 月x) is no day, and so is
// a field too long to measure in 16-bit width units (16384 code units or
// more).
DayField ReadDayField(const std::u16string& dayField, std::int16_t number);

}  // namespace kalvenor
