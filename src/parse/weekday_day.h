// Weekday-of-month day fields: 月2 is the second Monday, 金5 the fifth
// Friday, 月 alone the next Monday from today (or from the 1st in another
// month).
#pragma once

#include <string>

#include "calendar/gregorian.h"

namespace kalvenor {

// Leaves date.day alone unless dayField begins with a weekday kanji
// (kWeekdayChars); then sets it to the wanted day of date.year/date.month,
// to kDayPastMonthEnd when that weekday does not occur, or to kDayInvalid
// when the week number is not 1..5 or the month lies outside 0..12. Without
// a week number the walk starts from today in today's month; the parser
// passes the today its reference day was built from. A field too long to
// measure in 16-bit width units (16384 code units or more) is no date.
void ResolveWeekdayDay(DateParts& date, const std::u16string& dayField, const DateParts& today);

}  // namespace kalvenor
