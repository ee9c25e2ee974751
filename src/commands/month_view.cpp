#include "commands/month_view.h"

#include <algorithm>

#include "calendar/date.h"
#include "commands/business_days.h"
#include "holidays/holidays.h"
#include "text/utf8.h"

namespace kalvenor::commands {

std::vector<CalendarDay> MonthDays(std::int16_t year, std::int16_t month, BusinessDays& business) {
  std::vector<CalendarDay> days;
  const std::int16_t length = DaysInMonth(year, month);
  const SerialDay first = SerialOf({year, month, 1});
  for (std::int16_t day = 1; day <= length; ++day) {
    const SerialDay serial = first + day - 1;
    CalendarDay& shown = days.emplace_back();
    shown.date = {year, month, day};
    shown.weekday = WeekdayOfSerial(serial);
    const auto holiday = HolidayOn(serial);
    shown.known = holiday.has_value();
    if (!shown.known) continue;
    shown.holiday = text::ToUtf8(*holiday);
    shown.business = business.Calendar().IsBusinessDay(serial);
  }
  return days;
}

std::vector<MonthCount> BusinessDaysByMonth(const DateParts& first, const DateParts& last,
                                            BusinessDays& business) {
  std::vector<MonthCount> counts;
  const BusinessCalendar& calendar = business.Calendar();
  const SerialDay end = SerialOf(last);
  for (SerialDay from = SerialOf(first); from <= end;) {
    const DateParts date = DateOf(from);
    const SerialDay monthEnd =
        std::min(end, SerialOf({date.year, date.month, DaysInMonth(date.year, date.month)}));
    // Count() leaves out its first day: start from the day before.
    counts.push_back({date.year, date.month, calendar.Count(from - 1, monthEnd)});
    from = monthEnd + 1;
  }
  return counts;
}

}  // namespace kalvenor::commands
