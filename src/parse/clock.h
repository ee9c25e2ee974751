// Today's date: the one place the program reads the clock.
#pragma once

#include <string>

#include "calendar/gregorian.h"

namespace ymd {

// Today's local date as the ten characters "yyyy/mm/dd".
std::u16string TodayText();

// Today as numbers, cut from TodayText: characters 1-4, 6-7 and 9-10.
DateParts TodayDate();

// Pins today for tests ("1999/04/20"); an empty text goes back to the
// system clock. Pair with ResetTodayCache so the parser sees the change.
void SetTodayTextForTesting(std::u16string text);

}  // namespace ymd
