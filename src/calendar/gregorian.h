// Gregorian day arithmetic on the proleptic calendar: the building blocks
// under calendar/date.h, which is what callers outside the engine use.
//
// Dates are three 16-bit fields that need not form a valid date (IsValid
// says whether they do): every routine folds out-of-range fields by plain
// arithmetic, so day 0 is the last day of the previous month and month 13 is
// January of the next year ((2000, 13, 1) is 2001-01-01). Years are
// astronomical: year 0 is 1 BC and a leap year. Day numbers count from
// 0001-01-01 = day 1 (2000-01-01 is 730120); dates before it have numbers of
// 0 and below.
//
// Example, the one that trips people up: SerialDateConvert is a single
// routine for both directions, chosen by the serial it is handed.
//   kalvenor::SerialDay n = 0;  kalvenor::DateParts d{2000, 1, 1};
//   kalvenor::SerialDateConvert(n, d);   // n == 730120, d unchanged
//   d = {};
//   kalvenor::SerialDateConvert(n, d);   // d == {2000, 1, 1}, n unchanged
// So a computed day number of exactly 0 comes back as the number of the
// fields passed in; callers that may produce 0 must not hand it over.
//
// Values that do not fit their width raise kalvenor::checked::OverflowError.
#pragma once

#include <cstdint>

namespace kalvenor {

using SerialDay = std::int32_t;

struct DateParts {
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int16_t day = 0;
  // Whether the fields name a day as they stand: month 1..12 and day
  // 1..DaysInMonth, any year. The routines below fold the others.
  bool IsValid() const;
  friend bool operator==(const DateParts&, const DateParts&) = default;
};

// 32767-12-31, the last day whose year fits the 16-bit year field.
inline constexpr SerialDay kLastSerialDay = 11967900;

// Days of the month in that year; 0 for month 0 and for months outside
// 0..12, which the table has no row for.
std::int16_t DaysInMonth(std::int16_t year, std::int16_t month);

// A month outside 1..12 has no days, so the day test covers the month too.
inline bool DateParts::IsValid() const { return day >= 1 && day <= DaysInMonth(year, month); }

// Ordinal day within the year, 1 for January 1. Months of 1 or less add no
// preceding months; month 13 and above add all twelve.
constexpr std::int16_t DayOfYear(const DateParts& date);

// serial == 0: stores the day number of date into serial.
// serial != 0: stores the date of that day number into date (any serial
// whose year fits 16 bits; past 11967900 is an overflow).
constexpr void SerialDateConvert(SerialDay& serial, DateParts& date);

// The day number of a date, folded (SerialDateConvert with serial 0).
constexpr SerialDay SerialOf(const DateParts& date);

}  // namespace kalvenor

// DayOfYear, SerialOf and SerialDateConvert are inline, for batch loops.
#include "calendar/day_number.h"  // IWYU pragma: export
