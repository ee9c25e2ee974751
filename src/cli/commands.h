// The three calculations, each on one set of operand texts.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "calendar/gregorian.h"
#include "cli/arguments.h"

namespace kalvenor::cli {

enum class Problem {
  NotADate,    // the parser found no date
  NotANumber,  // a day count that does not begin with a number
  OutOfRange,  // a sum before 0001-01-01 or past 32767-12-31
  Overflow,    // a number too large for its width on the way
};

struct Failure {
  Problem problem;
  std::size_t operand = 0;  // the text to blame for NotADate and NotANumber
};

// An operand's text and, once read, its date: an operand that stays the
// same for a whole stream is parsed once (today is fixed for the run).
struct Operand {
  std::u16string text;
  std::optional<DateParts> date;  // cleared whenever text changes
};

using Operands = std::span<Operand>;

// Each reads its operands against today, appends its result, without the
// line end, to out, or leaves out as it was and says why not; a number that
// leaves its width on the way raises checked::OverflowError, which the
// caller reports as Problem::Overflow. show takes one operand, add and diff
// two.
using Calculation = std::optional<Failure> (*)(Operands operands, const DateParts& today,
                                               OutputStyle style, std::string& out);

std::optional<Failure> Show(Operands operands, const DateParts& today, OutputStyle style,
                            std::string& out);
std::optional<Failure> Add(Operands operands, const DateParts& today, OutputStyle style,
                           std::string& out);
std::optional<Failure> Diff(Operands operands, const DateParts& today, OutputStyle style,
                            std::string& out);

}  // namespace kalvenor::cli
