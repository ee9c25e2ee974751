// The definitions behind gregorian.h's DayOfYear, SerialOf and
// SerialDateConvert. They are inline and constexpr because batch work
// converts dates by the million; include gregorian.h, not this file.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "calendar/gregorian.h"
#include "calendar/leap_days.h"
#include "calendar/month_table.h"
#include "numeric/checked.h"

namespace kalvenor {

namespace day_number {

inline constexpr std::int32_t kDaysPer4Years = 4 * 365 + 1;                 // 1461
inline constexpr std::int32_t kDaysPer100Years = 25 * kDaysPer4Years - 1;   // 36524
inline constexpr std::int32_t kDaysPer400Years = 4 * kDaysPer100Years + 1;  // 146097
inline constexpr std::int32_t kLargestDayOfYear = std::numeric_limits<std::int16_t>::max();

// Every day count of a 16-bit year, with a 16-bit day of year added, fits
// the day number.
static_assert(sizeof(SerialDay) == 4);
static_assert(365LL * (std::numeric_limits<std::int16_t>::min() - 1) +
                  LeapDaysThrough(std::numeric_limits<std::int16_t>::min() - 1) +
                  std::numeric_limits<std::int16_t>::min() >
              std::numeric_limits<SerialDay>::min());
static_assert(365LL * std::numeric_limits<std::int16_t>::max() +
                  LeapDaysThrough(std::numeric_limits<std::int16_t>::max()) +
                  std::numeric_limits<std::int16_t>::max() <
              std::numeric_limits<SerialDay>::max());

// The first day whose year fits 16 bits, -32768-01-01.
inline constexpr SerialDay kFirstSerialDay16 = -11968631;

// Whole 400-year cycles that move every day number of a 16-bit year above
// 0, so that the divisions below are unsigned and floor by themselves.
inline constexpr std::int32_t kCyclesMoved = 82;
static_assert(kFirstSerialDay16 + kCyclesMoved * kDaysPer400Years > 0);

// Cycles of 400 years, then centuries, then 4-year blocks, then single
// years. A remainder of 0 is the last day of the block before, hence the two
// corrections. Day numbers whose year does not fit 16 bits raise.
constexpr DateParts DateFromSerial(SerialDay n) {
  if (n < kFirstSerialDay16 || n > kLastSerialDay) throw checked::OverflowError();
  const auto moved =
      static_cast<std::uint32_t>(n + kCyclesMoved * kDaysPer400Years);  // [11323, 23947854]
  const std::int32_t k =
      static_cast<std::int32_t>(moved / kDaysPer400Years) - kCyclesMoved;  // [-82, 81]
  const std::uint32_t r1 = moved % kDaysPer400Years;                       // [0, 146096]
  const std::uint32_t h = r1 / kDaysPer100Years;                           // [0, 4]
  const std::uint32_t r2 = r1 - kDaysPer100Years * h;                      // [0, 36523]
  std::int32_t year = 0;
  std::int32_t dayOfYear = 0;
  int leap = 0;
  if (r2 == 0 && h >= 1) {
    // December 31 of a common century year, or December 30 of a year
    // divisible by 400.
    year = 400 * k + 100 * static_cast<std::int32_t>(h);  // [-32700, 32800]
    dayOfYear = 365;
    leap = h == 4;
  } else {
    const std::uint32_t q = r2 / kDaysPer4Years;                                // [0, 24]
    std::uint32_t r3 = r2 - kDaysPer4Years * q;                                 // [0, 1460]
    std::int32_t years = 400 * k + static_cast<std::int32_t>(100 * h + 4 * q);  // [-32800, 32796]
    // The fourth year of a block is a leap year unless it ends one of the
    // cycle's first three centuries.
    leap = q != 24 || h == 3;
    if (r3 == 0) {  // the last day of the block before, which is no century's last
      years -= 4;   // [-32804, 32792]
      r3 = kDaysPer4Years;
      leap = 1;
    }
    // r3 is in [1, 1461]. At most three whole years: day 366 of the fourth
    // is its December 31.
    const std::uint32_t wholeYears = std::min((r3 - 1) / 365, 3u);  // [0, 3]
    year = years + static_cast<std::int32_t>(wholeYears) + 1;       // [-32803, 32800]
    dayOfYear = static_cast<std::int32_t>(r3 - 365 * wholeYears);   // [1, 366]
    leap &= wholeYears == 3;
  }
  const auto year16 = static_cast<std::int16_t>(year);  // [-32768, 32767] by the first test
  const MonthDay split = kMonthDayOfYear[leap][dayOfYear];
  return {year16, split.month, split.day};
}

}  // namespace day_number

constexpr std::int16_t DayOfYear(const DateParts& date) {
  // The preceding months only ever add days, so the running sum grows
  // monotonically: checking the total once fails exactly where adding month
  // by month in 16 bits would.
  return checked::Int16(
      std::int32_t{date.day} +                                         // [-32768, 32767]
      kDaysBeforeMonth[LeapColumn(date.year)][MonthRow(date.month)]);  // [-32768, 33133]
}

constexpr SerialDay SerialOf(const DateParts& date) {
  using day_number::kLargestDayOfYear;
  // The date's own leap day is counted among the years once February is
  // behind it, so the months come from the common-year column and the year
  // need not be tested: the same number as 365 (year - 1) + the leap days
  // through year - 1 + DayOfYear.
  const int row = MonthRow(date.month);                                      // [1, 13]
  const std::int32_t leapDaysUpTo = row > 2 ? date.year : date.year - 1;     // [-32769, 32767]
  const std::int32_t commonDayOfYear = date.day + kDaysBeforeMonth[0][row];  // [-32768, 33132]
  // DayOfYear exceeds the common count by the leap day at most, so only a
  // count this high can break its 16-bit limit.
  if (commonDayOfYear >= kLargestDayOfYear &&
      commonDayOfYear + (row > 2 ? LeapColumn(date.year) : 0) > kLargestDayOfYear) {
    throw checked::OverflowError();
  }
  return 365 * (std::int32_t{date.year} - 1) +  // [-11960685, 11959590]
         LeapDaysThrough(leapDaysUpTo) +        // [-7947, 7945]
         commonDayOfYear;                       // [-12001400, 12000302]
}

constexpr void SerialDateConvert(SerialDay& serial, DateParts& date) {
  if (serial == 0) {
    serial = SerialOf(date);
  } else {
    date = day_number::DateFromSerial(serial);
  }
}

static_assert(SerialOf({2000, 1, 1}) == 730120 && day_number::DateFromSerial(730120).day == 1);

}  // namespace kalvenor
