#include <cstdint>

#include "calendar/date.h"
#include "calendar/floor_div.h"
#include "calendar/leap_days.h"

namespace kalvenor {

std::int16_t WeekdayOf(const DateParts& date) {
  // 365 leaves 1 over 7, so the year stands in for 365 * (year - 1) + 1 and
  // the sum is congruent to the day number.
  const std::int32_t y = std::int32_t{date.year} - 1;                             // [-32769, 32766]
  const std::int32_t sum = date.year + LeapDaysThrough(y) + DayOfYear(date) - 1;  // [-73484, 73478]
  // The sum is negative before 0001-01-01, hence the floored remainder.
  return static_cast<std::int16_t>(FloorMod(sum, 7));  // [0, 6]
}

}  // namespace kalvenor
