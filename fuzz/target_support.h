// A fixed today (a Tuesday), so a finding replays on any day; Require reports a broken property.
#pragma once

#include <cstdlib>

#include "calendar/gregorian.h"

namespace kalvenor::testing {

inline constexpr DateParts kToday{1999, 4, 20};

inline void Require(bool condition) {
  if (!condition) std::abort();
}

inline void RequireRealDate(const DateParts& date) {
  Require(date.day >= 1 && date.day <= DaysInMonth(date.year, date.month));
}

}  // namespace kalvenor::testing
