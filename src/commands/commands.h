// The calculations, each on one set of operand texts, each giving a result
// (results.h). Free of I/O: the web page runs them too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calendar/gregorian.h"
#include "commands/results.h"
#include "reader/date_input.h"

namespace kalvenor::commands {

using reader::DateRead;
using reader::ReadOptions;
using reader::Refusal;

class BusinessDays;

enum class Problem {
  NotADate,         // the reader refused a date (Failure::refusal says why)
  NotANumber,       // a day count that is not one (reader/day_count.h)
  OutOfRange,       // a sum before 0001-01-01 or past 32767-12-31
  Overflow,         // a number too large for its width on the way
  NotAYear,         // holidays' YEAR
  HolidaysUnknown,  // national holidays asked for outside their data
  BirthAfterDate,   // age's BIRTH after its DATE (Failure::date is DATE)
};

struct Failure {
  Problem problem;
  std::size_t operand = 0;     // the text to blame for NotADate and NotANumber
  Refusal refusal = {};        // for NotADate
  DateParts date;              // for NotADate, the refusal's (date_input.h); BirthAfterDate
  std::int16_t otherYear = 0;  // for Refusal::YearsDisagree
  char16_t character = 0;      // for Refusal::StrayCharacter
};

// The message for a failure, in the user's language (failure_text.cpp);
// texts are the operands as the user gave them, quoted in the message.
std::string DescribeFailure(const Failure& failure, std::span<const std::string_view> texts);

// An operand's text and, once read, its date: an operand that stays the
// same for a whole stream is read once (today is fixed for the run).
struct Operand {
  std::u16string text;
  std::optional<DateRead> read;  // cleared whenever text changes
  // Bytes not yet decoded into text (SetOperand); they must outlive the
  // calculation.
  std::optional<std::string_view> undecoded{};
};

// Sets operand to the bytes of an argument or a stream line. A plain date
// (2026/12/7), the usual line of a batch, is read at once from the bytes,
// which are decoded only if a calculation asks for the text (TextOf).
void SetOperand(std::string_view bytes, const ReadOptions& options, Operand& operand);

// The operand's text, decoded on first use.
const std::u16string& TextOf(Operand& operand);

using Operands = std::span<Operand>;

// What a calculation needs besides its operands.
struct Settings {
  ReadOptions read;
  bool inclusive = false;      // diff, workdays, span and add count the first day
  bool holiday_names = false;  // show and add name a national holiday
  // workdays and add's business days also count the days they left out
  bool days_off = false;
  // One per run for the commands that take the business-day options; null
  // for the others.
  BusinessDays* business = nullptr;
};

// Each stores what it found in result, or says why it could not; a number
// that leaves its width on the way raises checked::OverflowError, which Run
// reports as Problem::Overflow, and a holiday asked for outside the data
// raises HolidaysUnknownError (Problem::HolidaysUnknown). The command table
// (command_table.h) says how many operands each takes.
using Calculation = std::optional<Failure> (*)(Operands operands, const Settings& settings,
                                               Result& result);

std::optional<Failure> Show(Operands operands, const Settings& settings, Result& result);
std::optional<Failure> Add(Operands operands, const Settings& settings, Result& result);
std::optional<Failure> Diff(Operands operands, const Settings& settings, Result& result);
// In business_days.cpp, span.cpp, holiday_list.cpp and age.cpp.
std::optional<Failure> Workdays(Operands operands, const Settings& settings, Result& result);
std::optional<Failure> Span(Operands operands, const Settings& settings, Result& result);
std::optional<Failure> Holidays(Operands operands, const Settings& settings, Result& result);
std::optional<Failure> Age(Operands operands, const Settings& settings, Result& result);

// Runs the calculation; an overflow or a day past the calendar on the way,
// or a day without holiday data, comes back as its failure.
std::optional<Failure> Run(Calculation calculation, Operands operands, const Settings& settings,
                           Result& result);

// The date of operand `index`, read once per text.
std::optional<Failure> ReadOperand(Operands operands, std::size_t index, const Settings& settings,
                                   DateParts& date);
// The dates of the first two operands, the first failure if any.
std::optional<Failure> ReadTwoOperands(Operands operands, const Settings& settings,
                                       DateParts& first, DateParts& second);

}  // namespace kalvenor::commands
