#include <cstdint>

#include "calendar/gregorian.h"
#include "calendar/month_table.h"

namespace ymd {
namespace {

constexpr std::int16_t kCommonMonthLengths[12] = {31, 28, 31, 30, 31, 30,
                                                  31, 31, 30, 31, 30, 31};

}  // namespace

MonthLengthTable BuildMonthLengthTable() {
  MonthLengthTable table{};
  for (int month = 1; month <= 12; ++month) {
    table.length[month][0] = kCommonMonthLengths[month - 1];
    table.length[month][1] = kCommonMonthLengths[month - 1];
  }
  table.length[2][1] = 29;
  for (int column = 0; column < 2; ++column) {
    for (int month = 1; month <= 12; ++month) {
      table.before[month + 1][column] = static_cast<std::int16_t>(
          table.before[month][column] + table.length[month][column]);  // [0, 366]
    }
  }
  return table;
}

std::int16_t DaysInMonth(std::int16_t year, std::int16_t month) {
  if (month < 0 || month > 12) return 0;  // no row: a month without days
  return MonthLengths().length[month][LeapColumn(year)];
}

}  // namespace ymd
