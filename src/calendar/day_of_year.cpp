#include <cstdint>

#include "calendar/gregorian.h"
#include "calendar/month_table.h"
#include "numeric/checked.h"

namespace ymd {
namespace {

// Months 13 and up have no days, so a day past December walks on to here.
constexpr std::int16_t kMonthWalkEnd = 100;

}  // namespace

std::int16_t DayOfYear(const DateParts& date) {
  // The preceding months only ever add days, so the running sum grows
  // monotonically: checking the total once fails exactly where adding month
  // by month in 16 bits would.
  const auto& before = kDaysBeforeMonth[LeapColumn(date.year)];
  return checked::Int16(std::int32_t{date.day} +        // [-32768, 32767]
                        before[MonthRow(date.month)]);  // [-32768, 33133]
}

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

}  // namespace ymd
