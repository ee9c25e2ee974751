#include "commands/date_after_count.h"

#include <cstdint>

#include "calendar/calendar_span.h"
#include "calendar/date.h"

namespace kalvenor::commands {
namespace {

std::optional<DateParts> CalendarMonthsAfter(const DateParts& date, double months) {
  // The result must lie in the years 1..32767: 12 to 393215 months from
  // January of the year 0.
  const double index = date.year * 12.0 + (date.month - 1) + months;
  if (index < 12.0 || index >= 12.0 * 32768) return std::nullopt;
  return MonthsAfter(date, static_cast<std::int32_t>(months));
}

std::optional<DateParts> DaysAfter(const DateParts& date, double days) {
  try {
    return DateAfter(date, days);
  } catch (const OutsideCalendarError&) {
    return std::nullopt;
  }
}

}  // namespace

std::optional<DateParts> DateAfterCount(const DateParts& date, const DayCount& count) {
  switch (count.unit) {
    case DayUnit::Day: return DaysAfter(date, count.amount);
    case DayUnit::Week: return DaysAfter(date, count.amount * 7);
    case DayUnit::Month: return CalendarMonthsAfter(date, count.amount);
    case DayUnit::Year: return CalendarMonthsAfter(date, count.amount * 12);
    case DayUnit::Business: break;  // stepped by BusinessDaysAfter
  }
  return std::nullopt;
}

}  // namespace kalvenor::commands
