// holidays: the national holidays of whole years or between two dates.
#include <algorithm>

#include "calendar/date.h"
#include "commands/commands.h"
#include "holidays/holidays.h"
#include "reader/operand_text.h"

namespace kalvenor::commands {
namespace {

// A year is one to four digits; holidays' YEAR is never a date.
std::optional<std::int16_t> YearOf(std::u16string_view text) {
  text = reader::Trimmed(text);
  if (text.empty() || text.size() > 4) return std::nullopt;
  std::int16_t year = 0;
  for (const char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    year = static_cast<std::int16_t>(year * 10 + (c - u'0'));
  }
  return year;
}

// The days of the list, first and last, whatever their order.
std::optional<Failure> Range(Operands operands, const Settings& settings, SerialDay& first,
                             SerialDay& last) {
  const auto firstYear = YearOf(TextOf(operands[0]));
  const auto lastYear = YearOf(TextOf(operands.back()));
  if (firstYear && lastYear) {
    first = SerialOf({std::min(*firstYear, *lastYear), 1, 1});
    last = SerialOf({std::max(*firstYear, *lastYear), 12, 31});
    // 1948 lists from the day the law took effect.
    if (first < kHolidayDataFrom && first >= SerialOf({kFirstHolidayDataDay.year, 1, 1})) {
      first = kHolidayDataFrom;
    }
    return std::nullopt;
  }
  if (operands.size() == 1) return Failure{Problem::NotAYear, 0, {}, {}};
  DateParts one;
  DateParts other;
  if (auto failure = ReadTwoOperands(operands, settings, one, other)) return failure;
  first = std::min(SerialOf(one), SerialOf(other));
  last = std::max(SerialOf(one), SerialOf(other));
  return std::nullopt;
}

}  // namespace

std::optional<Failure> Holidays(Operands operands, const Settings& settings, Result& result) {
  SerialDay first = 0;
  SerialDay last = 0;
  if (auto failure = Range(operands, settings, first, last)) return failure;
  if (!HolidaysKnown(first) || !HolidaysKnown(last)) throw HolidaysUnknownError();
  result = HolidayListResult{HolidaysBetween(first, last)};
  return std::nullopt;
}

}  // namespace kalvenor::commands
