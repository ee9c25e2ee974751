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
std::optional<DateParts> DateAfterCount(const DateParts& date, const DayCount& count);

}  // namespace kalvenor::commands
