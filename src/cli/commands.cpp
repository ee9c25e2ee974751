#include "cli/commands.h"

#include <charconv>
#include <cstdint>

#include "calendar/date.h"
#include "cli/date_output.h"
#include "cli/day_count.h"

namespace kalvenor::cli {
namespace {

std::optional<Failure> ReadOperand(Operands operands, std::size_t index, const Settings& settings,
                                   DateParts& date) {
  Operand& operand = operands[index];
  if (!operand.read) operand.read = ReadDate(operand.text, settings.read);
  const DateRead& read = *operand.read;
  if (read.refusal) return Failure{Problem::NotADate, index, *read.refusal, read.date};
  date = read.date;
  return std::nullopt;
}

}  // namespace

std::optional<Failure> Show(Operands operands, const Settings& settings, std::string& out) {
  DateParts date;
  if (auto failure = ReadOperand(operands, 0, settings, date)) return failure;
  AppendDate(date, settings.style, out);
  return std::nullopt;
}

std::optional<Failure> Add(Operands operands, const Settings& settings, std::string& out) {
  DateParts date;
  if (auto failure = ReadOperand(operands, 0, settings, date)) return failure;
  const auto count = ReadDayCount(operands[1].text);
  if (!count) return Failure{Problem::NotANumber, 1, {}, {}};
  const auto moved = DateAfterCount(date, *count);
  if (!moved) return Failure{Problem::OutOfRange, 0, {}, {}};
  AppendDate(*moved, settings.style, out);
  return std::nullopt;
}

std::optional<Failure> Diff(Operands operands, const Settings& settings, std::string& out) {
  DateParts first;
  DateParts second;
  if (auto failure = ReadOperand(operands, 0, settings, first)) return failure;
  if (auto failure = ReadOperand(operands, 1, settings, second)) return failure;
  const std::int32_t days = DaysBetween(first, second);
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, days).ptr;
  out.append(digits, end);
  return std::nullopt;
}

}  // namespace kalvenor::cli
