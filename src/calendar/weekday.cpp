#include <cstdint>

#include "calendar/gregorian.h"
#include "calendar/leap_days.h"

namespace kalvenor {

std::int16_t WeekdayOf(const DateParts& date) {
  // 365 leaves 1 over 7, so the year stands in for 365 * (year - 1) + 1 and
  // the sum is congruent to the day number.
  const std::int32_t y = std::int32_t{date.year} - 1;                             // [-32769, 32766]
  const std::int32_t sum = date.year + LeapDaysThrough(y) + DayOfYear(date) - 1;  // [-73484, 73478]
  return static_cast<std::int16_t>(sum % 7);                                      // [-6, 6]
}

}  // namespace kalvenor
