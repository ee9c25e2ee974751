// The facts a calendar page shows about its days: each day of a month
// with its weekday, its national holiday and whether it is a business day,
// and the business days of each month of a span (稼働日数).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/gregorian.h"

namespace kalvenor::commands {

class BusinessDays;

struct CalendarDay {
  DateParts date;
  int weekday = 0;        // 0 Sunday .. 6 Saturday
  std::string holiday;    // the national holiday's name, UTF-8; empty for none
  bool known = false;     // inside the holiday data; outside it nothing below is known
  bool business = false;  // a business day under the rules (only when known)
};

// The days of the month (year 1..32767, month 1..12), first to last.
std::vector<CalendarDay> MonthDays(std::int16_t year, std::int16_t month, BusinessDays& business);

struct MonthCount {
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int32_t business_days = 0;  // of the month's days from first to last
  friend bool operator==(const MonthCount&, const MonthCount&) = default;
};

// The business days of each month that first..last (first <= last) touches,
// counting only the days of first..last. Raises HolidaysUnknownError when a
// day lies outside the holiday data.
std::vector<MonthCount> BusinessDaysByMonth(const DateParts& first, const DateParts& last,
                                            BusinessDays& business);

}  // namespace kalvenor::commands
