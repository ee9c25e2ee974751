#include <cstdint>

#include "calendar/gregorian.h"
#include "calendar/month_table.h"

namespace kalvenor {
namespace {

// Months 13 and up have no days, so a day past December walks on to here.
constexpr std::int16_t kMonthWalkEnd = 100;

}  // namespace

void MonthDayFromDayOfYear(std::int16_t dayOfYear, std::int16_t year, std::int16_t& month,
                           std::int16_t& day) {
  const std::int16_t yearLength = kDaysBeforeMonth[LeapColumn(year)][13];
  if (dayOfYear <= 0) {
    month = 1;
    day = dayOfYear;
  } else if (dayOfYear > yearLength) {
    month = kMonthWalkEnd;
    day = static_cast<std::int16_t>(dayOfYear - yearLength);  // [1, 32402]
  } else {
    const MonthDay split = kMonthDayOfYear[LeapColumn(year)][dayOfYear];
    month = split.month;
    day = split.day;
  }
}

}  // namespace kalvenor
