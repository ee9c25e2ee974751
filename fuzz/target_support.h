// What every fuzz target shares: a fixed today, so a finding replays the
// same way on any day, and the abort that reports a broken property.
#pragma once

#include <cstdlib>

#include "calendar/gregorian.h"

namespace kalvenor::testing {

// Tuesday 1999-04-20.
inline constexpr DateParts kToday{1999, 4, 20};

// A property that does not hold is a finding, like a crash.
inline void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace kalvenor::testing
