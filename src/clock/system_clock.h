// The operating system's idea of today, in local time.
#pragma once

#include "calendar/gregorian.h"

namespace kalvenor {

// Today's local date from the system clock. Years that do not fit 16 bits
// raise checked::OverflowError.
DateParts SystemToday();

}  // namespace kalvenor
