// The month-length table and the reads of it that the day arithmetic shares.
// They are inline because day-number conversion runs in batch loops.
#pragma once

#include <cstdint>

namespace ymd {

struct MonthLengthTable {
  // [month 0..12][0 common year, 1 leap year]; row 0 stays 0.
  std::int16_t length[13][2];
  // [m 0..13][column]: days of the months 1 to m - 1; row 13 is the year.
  std::int16_t before[14][2];
};

MonthLengthTable BuildMonthLengthTable();

// Built on first use; the static's guard makes that safe from any thread.
inline const MonthLengthTable& MonthLengths() {
  static const MonthLengthTable table = BuildMonthLengthTable();
  return table;
}

// The table column of a year: 1 for a leap year, else 0. Tested on the
// signed year, so 0, -4 and -400 are leap years; bitwise so that random
// years cost no mispredicted branches.
inline int LeapColumn(std::int16_t year) {
  return (year % 4 == 0) & ((year % 100 != 0) | (year % 400 == 0));
}

// Days of the months before month in that year: 0 for month 1 and below, the
// whole year for month 13 and above, whose months have no days.
inline std::int16_t DaysBeforeMonth(std::int16_t year, std::int16_t month) {
  const int row = month < 1 ? 1 : month > 13 ? 13 : month;  // [1, 13]
  return MonthLengths().before[row][LeapColumn(year)];      // [0, 366]
}

// Month and day of a day of the year from 1 to the year's length.
inline void SplitDayOfYear(std::int16_t dayOfYear, std::int16_t year,
                           std::int16_t& month, std::int16_t& day) {
  const int column = LeapColumn(year);
  const auto& before = MonthLengths().before;
  // No month is longer than 31 days, so the guess is the month or the one
  // before it.
  int found = dayOfYear / 32 + 1;                  // [1, 12]
  found += dayOfYear > before[found + 1][column];  // [1, 12]
  month = static_cast<std::int16_t>(found);
  day = static_cast<std::int16_t>(dayOfYear - before[found][column]);  // [1, 31]
}

}  // namespace ymd
