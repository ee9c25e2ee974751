#include <algorithm>
#include <cstdint>
#include <limits>

#include "calendar/floor_div.h"
#include "calendar/gregorian.h"
#include "calendar/leap_days.h"
#include "calendar/month_table.h"
#include "numeric/checked.h"

namespace ymd {
namespace {

constexpr std::int32_t kDaysPer4Years = 4 * 365 + 1;                 // 1461
constexpr std::int32_t kDaysPer100Years = 25 * kDaysPer4Years - 1;   // 36524
constexpr std::int32_t kDaysPer400Years = 4 * kDaysPer100Years + 1;  // 146097
constexpr std::int32_t kLargestDayOfYear = std::numeric_limits<std::int16_t>::max();

// Every day count of a 16-bit year, with a 16-bit day of year added, must
// fit the day number with room to spare.
static_assert(sizeof(SerialDay) == 4);
static_assert(365LL * (std::numeric_limits<std::int16_t>::min() - 1) -
                  2LL * std::numeric_limits<std::int16_t>::max() >
              std::numeric_limits<SerialDay>::min());
static_assert(366LL * std::numeric_limits<std::int16_t>::max() +
                  std::numeric_limits<std::int16_t>::max() <
              std::numeric_limits<SerialDay>::max());

// 365 days a year plus the leap days, with the leap day of the date's own
// year counted among the years once February is behind it; what is left is
// the day within a common year. Same number as 365 (year - 1) + leap days
// through year - 1 + DayOfYear, without testing the year.
SerialDay SerialFromDate(const DateParts& date) {
  if (date.day > kLargestDayOfYear - 366) {
    // Only a day this close to the 16-bit limit can take the day of the year
    // past it; DayOfYear raises OverflowError when it does.
    DayOfYear(date);
  }
  const int row = MonthRow(date.month);                                   // [1, 13]
  const std::int32_t leapDaysUpTo = row > 2 ? date.year : date.year - 1;  // [-32769, 32767]
  return 365 * (std::int32_t{date.year} - 1) +                            // [-11960685, 11959590]
         LeapDaysThrough(leapDaysUpTo) +                                  // [-7947, 7945]
         kDaysBeforeMonth[0][row] + date.day;                             // [-12001400, 12000302]
}

// Cycles of 400 years, then centuries, then 4-year blocks, then single
// years. A remainder of 0 is the last day of the block before, hence the two
// corrections.
DateParts DateFromSerial(SerialDay n) {
  const std::int32_t k = FloorDiv(n, kDaysPer400Years);   // [-14700, 14699]
  const std::int32_t r1 = FloorMod(n, kDaysPer400Years);  // [0, 146096]
  const std::int32_t h = r1 / kDaysPer100Years;           // [0, 4]
  const std::int32_t r2 = r1 - kDaysPer100Years * h;      // [0, 36523]
  std::int32_t year = 0;
  std::int32_t dayOfYear = 0;
  if (r2 == 0 && h >= 1) {
    // December 31 of a common century year, or December 30 of a year
    // divisible by 400.
    year = 400 * k + 100 * h;  // [-5879900, 5880000]
    dayOfYear = 365;
  } else {
    const std::int32_t q = r2 / kDaysPer4Years;      // [0, 24]
    std::int32_t r3 = r2 - kDaysPer4Years * q;       // [0, 1460]
    std::int32_t years = 400 * k + 100 * h + 4 * q;  // [-5880000, 5879996]
    if (r3 == 0) {                                   // the last day of the block before
      years -= 4;                                    // [-5880004, 5879992]
      r3 = kDaysPer4Years;
    }
    // r3 is in [1, 1461]. At most three whole years: day 366 of the fourth
    // is its December 31.
    const std::int32_t wholeYears = std::min((r3 - 1) / 365, 3);  // [0, 3]
    year = years + wholeYears + 1;                                // [-5880003, 5880000]
    dayOfYear = r3 - 365 * wholeYears;                            // [1, 366]
  }
  const std::int16_t year16 = checked::Int16(year);  // none past 32767-12-31
  const MonthDay split = kMonthDayOfYear[LeapColumn(year16)][dayOfYear];
  return {year16, split.month, split.day};
}

}  // namespace

void SerialDateConvert(SerialDay& serial, DateParts& date) {
  if (serial == 0) {
    serial = SerialFromDate(date);
  } else {
    date = DateFromSerial(serial);
  }
}

SerialDay SerialOf(const DateParts& date) { return SerialFromDate(date); }

SerialDay SerialAfter(const DateParts& date, double days) {
  return checked::RoundToInt32(SerialFromDate(date) + days);
}

}  // namespace ymd
