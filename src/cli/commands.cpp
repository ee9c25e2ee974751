#include "cli/commands.h"

#include <cstdint>

#include "calendar/date.h"
#include "cli/business_days.h"
#include "cli/date_input.h"
#include "cli/date_output.h"
#include "parse/number.h"

namespace kalvenor::cli {
namespace {

// The date, and with --holiday a tab and the national holiday's name.
void AppendResult(const DateParts& date, const Settings& settings, std::string& out) {
  AppendDate(date, settings.style, out);
  if (settings.holiday_names) AppendHolidayName(date, out);
}

}  // namespace

std::optional<Failure> ParseOperand(Operands operands, std::size_t index, const DateParts& today,
                                    DateParts& date) {
  Operand& operand = operands[index];
  if (!operand.date) operand.date = ReadDate(operand.text, today);
  if (!operand.date) return Failure{Problem::NotADate, index};
  date = *operand.date;
  return std::nullopt;
}

std::optional<Failure> Show(Operands operands, const Settings& settings, std::string& out) {
  DateParts date;
  if (auto failure = ParseOperand(operands, 0, settings.today, date)) return failure;
  AppendResult(date, settings, out);
  return std::nullopt;
}

std::optional<Failure> Add(Operands operands, const Settings& settings, std::string& out) {
  DateParts date;
  if (auto failure = ParseOperand(operands, 0, settings.today, date)) return failure;
  const std::u16string& days = operands[1].text;
  if (const auto count = BusinessDayCount(days)) {
    if (!*count) return Failure{Problem::NotANumber, 1};
    const auto day = settings.business->Calendar().After(SerialOf(date), **count);
    if (!day) return Failure{Problem::OutOfRange, 0};
    AppendResult(DateOf(*day), settings, out);
    return std::nullopt;
  }
  // The window would read such a count as 0 and show the date unchanged.
  if (!BeginsWithNumber(days)) return Failure{Problem::NotANumber, 1};
  try {
    AppendResult(DateAfter(date, ReadNumber(days)), settings, out);
  } catch (const OutsideCalendarError&) {
    return Failure{Problem::OutOfRange, 0};
  }
  return std::nullopt;
}

std::optional<Failure> Diff(Operands operands, const Settings& settings, std::string& out) {
  DateParts first;
  DateParts second;
  if (auto failure = ParseOperand(operands, 0, settings.today, first)) return failure;
  if (auto failure = ParseOperand(operands, 1, settings.today, second)) return failure;
  std::int32_t days = DaysBetween(first, second);
  if (settings.inclusive) days += days >= 0 ? 1 : -1;  // the first day counts too
  AppendNumber(days, out);
  return std::nullopt;
}

}  // namespace kalvenor::cli
