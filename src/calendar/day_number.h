// The definitions behind gregorian.h's DayOfYear, SerialOf and
// SerialDateConvert. They are inline and constexpr because batch work
// converts dates by the million; include gregorian.h, not this file.
#pragma once

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

// The day number of 0000-03-01: the conversion counts years from March, so
// that the leap day is the last day of a year and each month's first day
// follows from the days before it by one multiplication.
inline constexpr SerialDay kMarchOfYear0 = -305;

// Euclidean affine functions (Neri and Schneider, 2022): each step is a
// multiplication and a shift in place of a division and a table, valid on
// the ranges noted. Day numbers whose year does not fit 16 bits raise.
constexpr DateParts DateFromSerial(SerialDay n) {
  if (n < kFirstSerialDay16 || n > kLastSerialDay) throw checked::OverflowError();
  // Days from 0000-03-01, moved by whole cycles.
  const auto days = static_cast<std::uint32_t>(
      n - kMarchOfYear0 + kCyclesMoved * kDaysPer400Years);  // [11628, 23948159]
  // Centuries, and the day within the century.
  const std::uint32_t n1 = 4 * days + 3;                         // [46515, 95792639]
  const std::uint32_t century = n1 / kDaysPer400Years;           // [0, 655]
  const std::uint32_t dayOfCentury = n1 % kDaysPer400Years / 4;  // [0, 36524]
  // Years of the century, (4 d + 3) / 1461, and the day within the March
  // year from the same 64-bit product's low half.
  const std::uint64_t p2 = std::uint64_t{2939745} * (4 * dayOfCentury + 3);
  const auto yearOfCentury = static_cast<std::uint32_t>(p2 >> 32);                    // [0, 99]
  const auto dayOfYear = static_cast<std::uint32_t>(p2 & 0xFFFFFFFFU) / 2939745 / 4;  // [0, 365]
  // The month from March (3..14) and its day, from one product.
  const std::uint32_t n3 = 2141 * dayOfYear + 197913;  // [197913, 979378]
  const std::uint32_t month = n3 >> 16;                // [3, 14]
  const std::uint32_t day = (n3 & 0xFFFFU) / 2141;     // [0, 30]
  // January and February belong to the next calendar year.
  const std::uint32_t januaryOrLater = dayOfYear >= 306;  // [0, 1]
  const std::int32_t year =
      static_cast<std::int32_t>(100 * century + yearOfCentury + januaryOrLater) -
      400 * kCyclesMoved;  // [-32768, 32767] by the first test
  return {static_cast<std::int16_t>(year),
          static_cast<std::int16_t>(januaryOrLater != 0 ? month - 12 : month),
          static_cast<std::int16_t>(day + 1)};
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
