// Weekday-of-month day fields: 月2 is the second Monday, 金5 the fifth
// Friday, 月 alone the next Monday from today (or from the 1st in another
// month).
#pragma once

#include <string>

#include "calendar/gregorian.h"

namespace ymd {

// Leaves date.day alone unless dayField begins with a weekday kanji
// (日月火水木金土); then sets it to the wanted day of date.year/date.month,
// to kDayPastMonthEnd when that weekday does not occur, or to kDayInvalid
// when the week number is not 1..5 or the month lies outside 0..12. Reads
// today from the clock at every call.
void ResolveWeekdayDay(DateParts& date, const std::u16string& dayField);

}  // namespace ymd
