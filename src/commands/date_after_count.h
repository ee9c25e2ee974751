// A DAYS operand as a step on the calendar.
#pragma once

#include <optional>

#include "calendar/gregorian.h"
#include "reader/day_count.h"

namespace kalvenor::commands {

using reader::DayCount;
using reader::DayUnit;

// The date count after date (before it when negative); not for business
// days, which need their calendar (business_days.h). Days are added to
// the day number and the sum rounded half to even as a whole; months and
// years move the calendar month and clamp the day to the month's last
// (2026-01-31 + 1 month is 2026-02-28). Nothing when the result lies
// outside 0001-01-01..32767-12-31; a sum beyond 32 bits raises
// checked::OverflowError.
//
// With inclusive, date is day 1 of the period (初日算入) and the result its
// last day: days and weeks end a day sooner, or a day later going back
// (add 2026/4/1 30 is 2026-04-30); months and years as the Civil Code
// (art. 143) ends a period that includes its first day, on the day before
// the corresponding day, or on the month's last day when the month has
// none (2026/4/1 plus 1mo is 2026-04-30, 2026/1/31 plus 1mo 2026-02-28),
// and going back on the day after the corresponding day, clamped. A count
// of 0 gives date itself.
std::optional<DateParts> DateAfterCount(const DateParts& date, const DayCount& count,
                                        bool inclusive);

}  // namespace kalvenor::commands
