#include "cli/commands.h"

#include <charconv>
#include <cstdint>

#include "calendar/gregorian.h"
#include "cli/date_input.h"
#include "cli/date_output.h"
#include "cli/day_count.h"
#include "numeric/checked.h"
#include "parse/date_parser.h"

namespace kalvenor::cli {
namespace {

std::optional<DateParts> DateOf(const std::u16string& text) {
  const DateParts date = ReadDate(text);
  if (date.day == kDayInvalid) return std::nullopt;
  return date;
}

std::optional<Failure> ParseOperand(Operands operands, std::size_t index, DateParts& date) {
  Operand& operand = operands[index];
  if (!operand.date) operand.date = DateOf(operand.text);
  if (!operand.date) return Failure{Problem::NotADate, index};
  date = *operand.date;
  return std::nullopt;
}

}  // namespace

std::optional<Failure> Show(Operands operands, OutputStyle style, std::string& out) {
  DateParts date;
  if (auto failure = ParseOperand(operands, 0, date)) return failure;
  AppendDate(date, style, out);
  return std::nullopt;
}

std::optional<Failure> Add(Operands operands, OutputStyle style, std::string& out) {
  DateParts date;
  if (auto failure = ParseOperand(operands, 0, date)) return failure;
  const auto count = ReadDayCount(operands[1].text);
  if (!count) return Failure{Problem::NotANumber, 1};
  const auto moved = DateAfterCount(date, *count);
  if (!moved) return Failure{Problem::OutOfRange, 0};
  date = *moved;
  AppendDate(date, style, out);
  return std::nullopt;
}

std::optional<Failure> Diff(Operands operands, OutputStyle, std::string& out) {
  DateParts first;
  DateParts second;
  if (auto failure = ParseOperand(operands, 0, first)) return failure;
  if (auto failure = ParseOperand(operands, 1, second)) return failure;
  const std::int32_t days = checked::Int32(std::int64_t{SerialOf(second)} - SerialOf(first));
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, days).ptr;
  out.append(digits, end);
  return std::nullopt;
}

}  // namespace kalvenor::cli
