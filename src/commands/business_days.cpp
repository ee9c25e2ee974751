#include "commands/business_days.h"

#include <limits>

#include "calendar/date.h"
#include "commands/commands.h"
#include "holidays/holidays.h"

namespace kalvenor::commands {

const BusinessCalendar& BusinessDays::Calendar() {
  if (!calendar_) calendar_.emplace(rules_);
  return *calendar_;
}

std::optional<DateParts> BusinessDaysAfter(const DateParts& date, double count,
                                           BusinessDays& business) {
  // More business days than the calendar has days lead out of it anyway.
  constexpr double kMost = std::numeric_limits<std::int32_t>::max();
  if (count < -kMost || count > kMost) return std::nullopt;
  const auto day = business.Calendar().After(SerialOf(date), static_cast<std::int32_t>(count));
  if (!day) return std::nullopt;
  return DateOf(*day);
}

std::u16string_view HolidayNameOn(const DateParts& date) {
  const auto name = HolidayOn(SerialOf(date));
  if (!name) throw HolidaysUnknownError();
  return *name;
}

std::optional<Failure> Workdays(Operands operands, const Settings& settings, Result& result) {
  DateParts first;
  DateParts second;
  if (auto failure = ReadTwoOperands(operands, settings, first, second)) return failure;
  const SerialDay from = SerialOf(first);
  const SerialDay to = SerialOf(second);
  const BusinessCalendar& calendar = settings.business->Calendar();
  std::int32_t count = calendar.Count(from, to);
  // Both ends, as people count 営業日数.
  if (settings.inclusive && calendar.IsBusinessDay(from)) count += to >= from ? 1 : -1;
  std::optional<DaysOff> leftOut;
  // The days the count covers: with --inclusive, DATE1 too.
  const SerialDay before = settings.inclusive ? from + (to >= from ? -1 : 1) : from;
  if (settings.days_off) leftOut = calendar.LeftOut(before, to);
  result = CountResult{count, leftOut};
  return std::nullopt;
}

}  // namespace kalvenor::commands
