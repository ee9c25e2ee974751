// The cumulative view of the month-length table, for the routines that turn
// a month into days and back.
#pragma once

#include <cstdint>

namespace ymd {

// Days of the months before month in that year: 0 for month 1 and below, the
// whole year (365 or 366) for month 13 and above, whose months have no days.
std::int16_t DaysBeforeMonth(std::int16_t year, std::int16_t month);

}  // namespace ymd
