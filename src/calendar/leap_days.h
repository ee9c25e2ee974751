// Leap days counted over whole years, the term that day numbers and
// weekdays share.
#pragma once

#include <cstdint>

#include "calendar/floor_div.h"

namespace ymd {

// Leap days in the years 1 to y. For y of 0 and below it is minus the leap
// days in the years y + 1 to 0, so counts run on backwards by the same rule.
constexpr std::int32_t LeapDaysThrough(std::int32_t y) {
  return FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400);
}

static_assert(LeapDaysThrough(400) == 97);
static_assert(LeapDaysThrough(0) == 0 && LeapDaysThrough(-1) == -1);

}  // namespace ymd
