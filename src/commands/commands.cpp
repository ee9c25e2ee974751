#include "commands/commands.h"

#include <cstdint>

#include "calendar/date.h"
#include "commands/business_days.h"
#include "commands/date_after_count.h"
#include "holidays/business_days.h"
#include "numeric/checked.h"
#include "parse/number.h"
#include "reader/operand_text.h"

namespace kalvenor::commands {
namespace {

// Stores the date, and with --holiday the national holiday's name.
DateResult& StoreDate(const DateParts& date, const Settings& settings, Result& result) {
  auto& stored = result.emplace<DateResult>();
  stored.date = date;
  if (settings.holiday_names) stored.holiday = HolidayNameOn(date);
  return stored;
}

// add's DAYS; in the window's language, the number its box holds, in days
// ("&H28" is 40, "5x" 5, no number 0).
std::optional<DayCount> ReadDays(const std::u16string& text, const Settings& settings) {
  if (settings.read.windowLanguage) return DayCount{ReadNumber(text), DayUnit::Day};
  return reader::ReadDayCount(text);
}

}  // namespace

void SetOperand(std::string_view bytes, const ReadOptions& options, Operand& operand) {
  operand.undecoded = bytes;
  // Read in place: a date copied in from aside would stall a batch's line.
  if (reader::ReadPlainLine(bytes, options, operand.read.emplace().date)) return;
  operand.read.reset();
  TextOf(operand);
}

const std::u16string& TextOf(Operand& operand) {
  if (operand.undecoded) {
    reader::DecodeOperand(*operand.undecoded, operand.text);
    operand.undecoded.reset();
  }
  return operand.text;
}

std::optional<Failure> ReadOperand(Operands operands, std::size_t index, const Settings& settings,
                                   DateParts& date) {
  Operand& operand = operands[index];
  if (!operand.read) operand.read = reader::ReadDate(TextOf(operand), settings.read);
  const DateRead& read = *operand.read;
  if (read.refusal) {
    return Failure{Problem::NotADate, index,          *read.refusal,
                   read.date,         read.otherYear, read.character};
  }
  date = read.date;
  return std::nullopt;
}

std::optional<Failure> Run(Calculation calculation, Operands operands, const Settings& settings,
                           Result& result) {
  std::optional<Failure> failure;
  try {
    failure = calculation(operands, settings, result);
  } catch (const checked::OverflowError&) {
    failure = Failure{Problem::Overflow, 0, {}, {}};
  } catch (const OutsideCalendarError&) {
    // A day past the calendar's end on the way (the inclusive span to
    // 32767-12-31): the year has left its 16 bits, as in the window.
    failure = Failure{Problem::Overflow, 0, {}, {}};
  } catch (const HolidaysUnknownError&) {
    failure = Failure{Problem::HolidaysUnknown, 0, {}, {}};
  }
  return failure;
}

std::optional<Failure> ReadTwoOperands(Operands operands, const Settings& settings,
                                       DateParts& first, DateParts& second) {
  if (auto failure = ReadOperand(operands, 0, settings, first)) return failure;
  return ReadOperand(operands, 1, settings, second);
}

std::optional<Failure> Show(Operands operands, const Settings& settings, Result& result) {
  DateParts date;
  if (auto failure = ReadOperand(operands, 0, settings, date)) return failure;
  StoreDate(date, settings, result);
  return std::nullopt;
}

std::optional<Failure> Add(Operands operands, const Settings& settings, Result& result) {
  DateParts date;
  if (auto failure = ReadOperand(operands, 0, settings, date)) return failure;
  const auto count = ReadDays(TextOf(operands[1]), settings);
  if (!count) return Failure{Problem::NotANumber, 1, {}, {}};
  const bool business = count->unit == DayUnit::Business;
  const auto moved =
      business ? BusinessDaysAfter(date, count->amount, settings.inclusive, *settings.business)
               : DateAfterCount(date, *count, settings.inclusive);
  if (!moved) return Failure{Problem::OutOfRange, 0, {}, {}};
  DateResult& sum = StoreDate(*moved, settings, result);
  if (business && settings.days_off) {
    sum.left_out =
        BusinessDaysLeftOut(date, *moved, count->amount, settings.inclusive, *settings.business);
  }
  return std::nullopt;
}

std::optional<Failure> Diff(Operands operands, const Settings& settings, Result& result) {
  DateParts first;
  DateParts second;
  if (auto failure = ReadTwoOperands(operands, settings, first, second)) return failure;
  std::int32_t days = DaysBetween(first, second);
  if (settings.inclusive) days += days >= 0 ? 1 : -1;  // the first day counts too
  result.emplace<CountResult>().days = days;
  return std::nullopt;
}

}  // namespace kalvenor::commands
