#include "commands/business_days.h"

#include <limits>

#include "calendar/date.h"
#include "commands/commands.h"
#include "commands/date_output.h"
#include "holidays/holidays.h"
#include "text/utf8.h"

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

void AppendHolidayName(const DateParts& date, std::string& out) {
  const auto name = HolidayOn(SerialOf(date));
  if (!name) throw HolidaysUnknownError();
  if (name->empty()) return;
  out += '\t';
  out += text::ToUtf8(*name);
}

std::optional<Failure> Workdays(Operands operands, const Settings& settings, std::string& out) {
  DateParts first;
  DateParts second;
  if (auto failure = ReadTwoOperands(operands, settings, first, second)) return failure;
  const SerialDay from = SerialOf(first);
  const SerialDay to = SerialOf(second);
  const BusinessCalendar& calendar = settings.business->Calendar();
  std::int32_t count = calendar.Count(from, to);
  // Both ends, as people count 営業日数.
  if (settings.inclusive && calendar.IsBusinessDay(from)) count += to >= from ? 1 : -1;
  AppendNumber(count, out);
  return std::nullopt;
}

}  // namespace kalvenor::commands
