// The operating system's idea of today, in local time. The engine never
// reads the clock itself: the window reads it once per parse, kalvenor-cli
// once per run, and both pass the date in; tests pass a date of their own.
#pragma once

#include "calendar/gregorian.h"

namespace kalvenor {

// Today's local date from the system clock. Years that do not fit 16 bits
// raise checked::OverflowError.
DateParts SystemToday();

}  // namespace kalvenor
