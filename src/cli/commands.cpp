#include "cli/commands.h"

#include <cstdint>

#include "calendar/gregorian.h"
#include "cli/business_days.h"
#include "cli/date_input.h"
#include "cli/date_output.h"
#include "numeric/checked.h"
#include "parse/date_parser.h"
#include "parse/number.h"

namespace kalvenor::cli {
namespace {

std::optional<DateParts> DateOf(const std::u16string& text) {
  const DateParts date = ReadDate(text);
  if (date.day == kDayInvalid) return std::nullopt;
  return date;
}

// The date, and with --holiday a tab and the national holiday's name.
void AppendResult(const DateParts& date, const Settings& settings, std::string& out) {
  AppendDate(date, settings.style, out);
  if (settings.holiday_names) AppendHolidayName(date, out);
}

}  // namespace

std::optional<Failure> ParseOperand(Operands operands, std::size_t index, DateParts& date) {
  Operand& operand = operands[index];
  if (!operand.date) operand.date = DateOf(operand.text);
  if (!operand.date) return Failure{Problem::NotADate, index};
  date = *operand.date;
  return std::nullopt;
}

std::optional<Failure> Show(Operands operands, const Settings& settings, std::string& out) {
  DateParts date;
  if (auto failure = ParseOperand(operands, 0, date)) return failure;
  AppendResult(date, settings, out);
  return std::nullopt;
}

std::optional<Failure> Add(Operands operands, const Settings& settings, std::string& out) {
  DateParts date;
  if (auto failure = ParseOperand(operands, 0, date)) return failure;
  const std::u16string& days = operands[1].text;
  if (const auto count = BusinessDayCount(days)) {
    if (!*count) return Failure{Problem::NotANumber, 1};
    SerialDay day = settings.business->Calendar().After(SerialOf(date), **count).value_or(0);
    if (day == 0) return Failure{Problem::OutOfRange, 0};
    SerialDateConvert(day, date);
    AppendResult(date, settings, out);
    return std::nullopt;
  }
  // The window would read such a count as 0 and show the date unchanged.
  if (!BeginsWithNumber(days)) return Failure{Problem::NotANumber, 1};
  SerialDay serial = SerialAfter(date, ReadNumber(days));
  // Also keeps 0 away from SerialDateConvert, which would take it as a
  // request for the other direction.
  if (serial < 1 || serial > kLastSerialDay) {
    return Failure{Problem::OutOfRange, 0};
  }
  SerialDateConvert(serial, date);
  AppendResult(date, settings, out);
  return std::nullopt;
}

std::optional<Failure> Diff(Operands operands, const Settings& settings, std::string& out) {
  DateParts first;
  DateParts second;
  if (auto failure = ParseOperand(operands, 0, first)) return failure;
  if (auto failure = ParseOperand(operands, 1, second)) return failure;
  std::int64_t days = std::int64_t{SerialOf(second)} - SerialOf(first);
  if (settings.inclusive) days += days >= 0 ? 1 : -1;  // the first day counts too
  AppendNumber(checked::Int32(days), out);
  return std::nullopt;
}

}  // namespace kalvenor::cli
