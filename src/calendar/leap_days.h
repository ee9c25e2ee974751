// Leap days counted over whole years, the term that day numbers and
// weekdays share.
#pragma once

#include <cstdint>
#include <limits>

namespace kalvenor {

// Leap days in the years 1 to y. For y of 0 and below it is minus the leap
// days in the years y + 1 to 0, so counts run on backwards by the same rule.
// Moving y on by whole 400-year cycles (97 leap days each) makes it positive,
// where plain unsigned division floors; valid for y from -40000 on.
constexpr std::int32_t LeapDaysThrough(std::int32_t y) {
  constexpr std::int32_t kCycles = 100;
  const auto moved = static_cast<std::uint32_t>(y + 400 * kCycles);  // [0, 72767]
  const std::uint32_t centuries = moved / 100;  // moved / 400 is centuries / 4: one division less
  return static_cast<std::int32_t>(moved / 4 - centuries + centuries / 4) - 97 * kCycles;
}

// Every caller passes a 16-bit year or the one before it.
static_assert(std::numeric_limits<std::int16_t>::min() - 1 + 40000 >= 0);
static_assert(LeapDaysThrough(400) == 97 && LeapDaysThrough(100) == 24);
static_assert(LeapDaysThrough(0) == 0 && LeapDaysThrough(-1) == -1);
static_assert(LeapDaysThrough(-100) == -25 && LeapDaysThrough(-101) == -25);

}  // namespace kalvenor
