#include "cli/commands.h"

#include <charconv>
#include <cstdint>

#include "calendar/date.h"
#include "cli/date_input.h"
#include "cli/date_output.h"
#include "parse/number.h"

namespace kalvenor::cli {
namespace {

std::optional<Failure> ParseOperand(Operands operands, std::size_t index, const DateParts& today,
                                    DateParts& date) {
  Operand& operand = operands[index];
  if (!operand.date) operand.date = ReadDate(operand.text, today);
  if (!operand.date) return Failure{Problem::NotADate, index};
  date = *operand.date;
  return std::nullopt;
}

}  // namespace

std::optional<Failure> Show(Operands operands, const DateParts& today, OutputStyle style,
                            std::string& out) {
  DateParts date;
  if (auto failure = ParseOperand(operands, 0, today, date)) return failure;
  AppendDate(date, style, out);
  return std::nullopt;
}

std::optional<Failure> Add(Operands operands, const DateParts& today, OutputStyle style,
                           std::string& out) {
  DateParts date;
  if (auto failure = ParseOperand(operands, 0, today, date)) return failure;
  const std::u16string& days = operands[1].text;
  // The window would read such a count as 0 and show the date unchanged.
  if (!BeginsWithNumber(days)) return Failure{Problem::NotANumber, 1};
  try {
    AppendDate(DateAfter(date, ReadNumber(days)), style, out);
  } catch (const OutsideCalendarError&) {
    return Failure{Problem::OutOfRange, 0};
  }
  return std::nullopt;
}

std::optional<Failure> Diff(Operands operands, const DateParts& today, OutputStyle,
                            std::string& out) {
  DateParts first;
  DateParts second;
  if (auto failure = ParseOperand(operands, 0, today, first)) return failure;
  if (auto failure = ParseOperand(operands, 1, today, second)) return failure;
  const std::int32_t days = DaysBetween(first, second);
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, days).ptr;
  out.append(digits, end);
  return std::nullopt;
}

}  // namespace kalvenor::cli
