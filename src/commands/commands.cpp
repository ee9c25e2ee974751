#include "commands/commands.h"

#include <cstdint>

#include "calendar/date.h"
#include "commands/business_days.h"
#include "commands/date_after_count.h"
#include "holidays/business_days.h"
#include "numeric/checked.h"

namespace kalvenor::commands {
namespace {

// The date, and with --holiday the national holiday's name.
DateResult DateWithHoliday(const DateParts& date, const Settings& settings) {
  if (!settings.holiday_names) return {date, std::nullopt, std::nullopt};
  return {date, HolidayNameOn(date), std::nullopt};
}

}  // namespace

std::optional<Failure> ReadOperand(Operands operands, std::size_t index, const Settings& settings,
                                   DateParts& date) {
  Operand& operand = operands[index];
  if (!operand.read) operand.read = reader::ReadDate(operand.text, settings.read);
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
  result = DateWithHoliday(date, settings);
  return std::nullopt;
}

std::optional<Failure> Add(Operands operands, const Settings& settings, Result& result) {
  DateParts date;
  if (auto failure = ReadOperand(operands, 0, settings, date)) return failure;
  const auto count = reader::ReadDayCount(operands[1].text);
  if (!count) return Failure{Problem::NotANumber, 1, {}, {}};
  const bool business = count->unit == DayUnit::Business;
  const auto moved =
      business ? BusinessDaysAfter(date, count->amount, settings.inclusive, *settings.business)
               : DateAfterCount(date, *count, settings.inclusive);
  if (!moved) return Failure{Problem::OutOfRange, 0, {}, {}};
  DateResult sum = DateWithHoliday(*moved, settings);
  if (business && settings.days_off) {
    sum.left_out =
        BusinessDaysLeftOut(date, *moved, count->amount, settings.inclusive, *settings.business);
  }
  result = sum;
  return std::nullopt;
}

std::optional<Failure> Diff(Operands operands, const Settings& settings, Result& result) {
  DateParts first;
  DateParts second;
  if (auto failure = ReadTwoOperands(operands, settings, first, second)) return failure;
  std::int32_t days = DaysBetween(first, second);
  if (settings.inclusive) days += days >= 0 ? 1 : -1;  // the first day counts too
  result = CountResult{days, std::nullopt};
  return std::nullopt;
}

}  // namespace kalvenor::commands
