#include "commands/date_after_count.h"

#include <cstdint>

#include "calendar/calendar_span.h"
#include "calendar/date.h"

namespace kalvenor::commands {
namespace {

// The result must lie in the years 1..32767: 12 to 393215 months from
// January of the year 0. Going back, a period that includes its first day
// may reach into the calendar from the month before (`lowest` 11).
std::optional<DateParts> CalendarMonthsAfter(const DateParts& date, double months,
                                             double lowest = 12.0) {
  const double index = date.year * 12.0 + (date.month - 1) + months;
  if (index < lowest || index >= 12.0 * 32768) return std::nullopt;
  return MonthsAfter(date, static_cast<std::int32_t>(months));
}

std::optional<DateParts> DaysAfter(const DateParts& date, double days) {
  try {
    return DateAfter(date, days);
  } catch (const OutsideCalendarError&) {
    return std::nullopt;
  }
}

// The last day of a period of months that includes its first day, date
// (Civil Code art. 143): the day before the corresponding day, or the
// month's last day when the month has none, which is the corresponding day
// of the day before, clamped. Going back, the day after the corresponding
// day, clamped.
std::optional<DateParts> MonthsIncludingFirstDay(const DateParts& date, double months) {
  if (months < 0) {
    const auto moved = CalendarMonthsAfter(date, months, 11.0);
    return moved ? DaysAfter(*moved, 1) : std::nullopt;
  }
  // The day before the 1st is the last day of the month before.
  if (date.day == 1) return CalendarMonthsAfter({date.year, date.month, 31}, months - 1);
  return CalendarMonthsAfter({date.year, date.month, static_cast<std::int16_t>(date.day - 1)},
                             months);
}

std::optional<DateParts> MonthsOn(const DateParts& date, double months, bool inclusive) {
  if (!inclusive || months == 0) return CalendarMonthsAfter(date, months);
  return MonthsIncludingFirstDay(date, months);
}

}  // namespace

std::optional<DateParts> DateAfterCount(const DateParts& date, const DayCount& count,
                                        bool inclusive) {
  // With inclusive date is day 1: the period ends a day sooner (later going back).
  double firstDay = 0;
  if (inclusive && count.amount != 0) firstDay = count.amount > 0 ? -1 : 1;
  switch (count.unit) {
    case DayUnit::Day: return DaysAfter(date, count.amount + firstDay);
    case DayUnit::Week: return DaysAfter(date, count.amount * 7 + firstDay);
    case DayUnit::Month: return MonthsOn(date, count.amount, inclusive);
    case DayUnit::Year: return MonthsOn(date, count.amount * 12, inclusive);
    case DayUnit::Business: break;  // stepped by BusinessDaysAfter
  }
  return std::nullopt;
}

}  // namespace kalvenor::commands
