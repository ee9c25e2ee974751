// age: the completed years (and months and days) from BIRTH to DATE, today
// when DATE is left out.
#include "commands/age.h"

#include <cstdint>

#include "calendar/calendar_span.h"
#include "calendar/date.h"
#include "commands/commands.h"

namespace kalvenor::commands {
namespace {

// The day on which `months` whole months from birth are complete: the
// birthday's day in the month `months` on, or the first of the month after
// when that month is too short.
SerialDay MonthsReached(const DateParts& birth, std::int32_t months) {
  const DateParts day = MonthsAfter(birth, months);  // the month's last day when too short
  return SerialOf(day) + (day.day < birth.day ? 1 : 0);
}

}  // namespace

AgeResult AgeOn(const DateParts& birth, const DateParts& date) {
  // The months to date's month, less one if their anniversary is not yet
  // reached; the one before lies in an earlier month, so it always is.
  std::int32_t months = (date.year - birth.year) * 12 + (date.month - birth.month);
  if (MonthsReached(birth, months) > SerialOf(date)) --months;
  return {months / 12, months % 12, SerialOf(date) - MonthsReached(birth, months)};
}

std::optional<Failure> Age(Operands operands, const Settings& settings, Result& result) {
  DateParts birth;
  DateParts date = settings.read.today;
  if (auto failure = ReadOperand(operands, 0, settings, birth)) return failure;
  if (operands.size() == 2) {
    if (auto failure = ReadOperand(operands, 1, settings, date)) return failure;
  }
  if (SerialOf(birth) > SerialOf(date)) return Failure{Problem::BirthAfterDate, 0, {}, date};
  result = AgeOn(birth, date);
  return std::nullopt;
}

}  // namespace kalvenor::commands
