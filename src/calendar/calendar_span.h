// Calendar months: the date some months on, and the years, months and days
// from one date to another, as people count a length of service or a
// contract's term.
#pragma once

#include <cstdint>

#include "calendar/gregorian.h"

namespace kalvenor {

// The date `months` calendar months on (back when negative), the day
// clamped to the month's last: 2026-01-31 + 1 is 2026-02-28. A year that
// leaves 16 bits raises checked::OverflowError.
DateParts MonthsAfter(const DateParts& date, std::int32_t months);

struct CalendarSpan {
  bool backwards = false;  // the second date is the earlier one
  std::int32_t years = 0;
  std::int32_t months = 0;
  std::int32_t days = 0;
};

// From valid dates: the largest whole months (12 Y + M) that the earlier
// date can move on, the day clamped to the month's last day, without
// passing the later date; D is the days left. A backwards span is the
// forward one with `backwards` set.
CalendarSpan SpanBetween(const DateParts& from, const DateParts& to);

}  // namespace kalvenor
