// holidays: the national holidays of whole years or between two dates.
#include <algorithm>

#include "calendar/date.h"
#include "commands/commands.h"
#include "holidays/holidays.h"
#include "reader/kanji_date.h"

namespace kalvenor::commands {
namespace {

// The days of the list, first and last, whatever their order.
std::optional<Failure> Range(Operands operands, const Settings& settings, HolidayListResult& list) {
  SerialDay& first = list.first;
  SerialDay& last = list.last;
  const auto firstYear = reader::ReadYear(TextOf(operands[0]));
  const auto lastYear = reader::ReadYear(TextOf(operands.back()));
  if (firstYear && lastYear) {
    first = SerialOf({std::min(*firstYear, *lastYear), 1, 1});
    last = SerialOf({std::max(*firstYear, *lastYear), 12, 31});
    // 1948 lists from the day the law took effect.
    if (first < kHolidayDataFrom && first >= SerialOf({kFirstHolidayDataDay.year, 1, 1})) {
      first = kHolidayDataFrom;
    }
    list.whole_years = true;
    return std::nullopt;
  }
  if (operands.size() == 1) return Failure{Problem::NotAYear, 0, {}, {}};
  DateParts one;
  DateParts other;
  if (auto failure = ReadTwoOperands(operands, settings, one, other)) {
    // A year and a text that is no date: the text is to blame (holidays 2026 xx).
    if (firstYear || lastYear) return Failure{Problem::NotAYear, firstYear ? 1U : 0U, {}, {}};
    return failure;
  }
  first = std::min(SerialOf(one), SerialOf(other));
  last = std::max(SerialOf(one), SerialOf(other));
  return std::nullopt;
}

}  // namespace

std::optional<Failure> Holidays(Operands operands, const Settings& settings, Result& result) {
  HolidayListResult list;
  if (auto failure = Range(operands, settings, list)) return failure;
  if (!HolidaysKnown(list.first) || !HolidaysKnown(list.last)) throw HolidaysUnknownError();
  list.days = HolidaysBetween(list.first, list.last);
  result = list;
  return std::nullopt;
}

}  // namespace kalvenor::commands
