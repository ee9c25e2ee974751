// Month lengths and the tables derived from them that day-number conversion
// reads. The tables are fixed at compile time and the reads are inline:
// conversion runs in batch loops.
#pragma once

#include <array>
#include <cstdint>

namespace kalvenor {

// Row 0 is the month that has no days.
inline constexpr std::int16_t kCommonMonthLengths[13] = {0,  31, 28, 31, 30, 31, 30,
                                                         31, 31, 30, 31, 30, 31};

// [column: 0 common year, 1 leap year][m 0..13]: the days of the months 1 to
// m - 1, so row 13 is the whole year.
inline constexpr auto kDaysBeforeMonth = [] {
  std::array<std::array<std::int16_t, 14>, 2> before{};
  for (int column = 0; column < 2; ++column) {
    for (int month = 1; month <= 12; ++month) {
      const int leapDay = column == 1 && month == 2 ? 1 : 0;
      before[column][month + 1] =
          static_cast<std::int16_t>(before[column][month] + kCommonMonthLengths[month] + leapDay);
    }
  }
  return before;
}();
static_assert(kDaysBeforeMonth[0][13] == 365 && kDaysBeforeMonth[1][13] == 366);

// 1 for a leap year, else 0. Tested on the signed year, so 0, -4 and -400
// are leap years. A century year is a multiple of 400 exactly when it is a
// multiple of 16, and bitwise logic spares random years mispredicted branches.
constexpr int LeapColumn(std::int16_t year) {
  return ((year & 3) == 0) & ((year % 100 != 0) | ((year & 15) == 0));
}

// The month's row in kDaysBeforeMonth: months of 1 or less count no months
// before them, and months past 12 have no days, so 13 stands for them all.
constexpr int MonthRow(std::int16_t month) {
  return month < 1 ? 1 : month > 13 ? 13 : month;  // [1, 13]
}

}  // namespace kalvenor
