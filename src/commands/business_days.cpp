#include "commands/business_days.h"

#include <limits>

#include "calendar/date.h"
#include "commands/commands.h"
#include "holidays/holidays.h"

namespace kalvenor::commands {
namespace {

// The day a count of business days from `from` starts after: with
// inclusive the day before it (after it going back), so that `from` counts.
SerialDay CountStart(SerialDay from, bool inclusive, bool forward) {
  if (!inclusive) return from;
  return forward ? from - 1 : from + 1;
}

}  // namespace

const BusinessCalendar& BusinessDays::Calendar() {
  if (!calendar_) calendar_.emplace(rules_);
  return *calendar_;
}

std::optional<DateParts> BusinessDaysAfter(const DateParts& date, double count, bool inclusive,
                                           BusinessDays& business) {
  // More business days than the calendar has days lead out of it anyway.
  constexpr double kMost = std::numeric_limits<std::int32_t>::max();
  if (count < -kMost || count > kMost) return std::nullopt;
  auto steps = static_cast<std::int32_t>(count);
  const BusinessCalendar& calendar = business.Calendar();
  if (inclusive && steps != 0 && calendar.IsBusinessDay(SerialOf(date))) {
    steps += steps > 0 ? -1 : 1;  // date is the first of them
  }
  const auto day = calendar.After(SerialOf(date), steps);
  if (!day) return std::nullopt;
  return DateOf(*day);
}

DaysOff BusinessDaysLeftOut(const DateParts& date, const DateParts& reached, double count,
                            bool inclusive, BusinessDays& business) {
  const SerialDay start = CountStart(SerialOf(date), inclusive && count != 0, count > 0);
  return business.Calendar().LeftOut(start, SerialOf(reached));
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
  CountResult& counted = result.emplace<CountResult>();
  counted.days = count;
  // The days the count covers: with --inclusive, DATE1 too.
  if (settings.days_off) {
    counted.left_out = calendar.LeftOut(CountStart(from, settings.inclusive, to >= from), to);
  }
  return std::nullopt;
}

}  // namespace kalvenor::commands
