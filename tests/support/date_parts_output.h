// Dates printed as year-month-day, and the days a count left out, in
// failure messages.
#pragma once

#include <ostream>

#include "calendar/gregorian.h"
#include "holidays/business_days.h"

namespace kalvenor {

inline std::ostream& operator<<(std::ostream& out, const DateParts& date) {
  return out << date.year << '-' << date.month << '-' << date.day;
}

inline std::ostream& operator<<(std::ostream& out, const DaysOff& off) {
  return out << off.rest_weekdays << " rest, " << off.holidays << " holidays, " << off.closed
             << " closed";
}

}  // namespace kalvenor
