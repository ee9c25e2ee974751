// Dates printed as year-month-day in failure messages.
#pragma once

#include <ostream>

#include "calendar/gregorian.h"

namespace kalvenor {

inline std::ostream& operator<<(std::ostream& out, const DateParts& date) {
  return out << date.year << '-' << date.month << '-' << date.day;
}

}  // namespace kalvenor
