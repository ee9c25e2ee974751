#include <algorithm>
#include <cstdint>

#include "calendar/gregorian.h"
#include "calendar/month_table.h"

namespace ymd {
namespace {

constexpr std::int16_t kCommonMonthLengths[12] = {31, 28, 31, 30, 31, 30,
                                                  31, 31, 30, 31, 30, 31};

struct MonthLengthTable {
  // [month 0..12][0 common year, 1 leap year]; row 0 stays 0.
  std::int16_t length[13][2] = {};
  // [m 0..13][column]: days of the months 1 to m - 1.
  std::int16_t before[14][2] = {};
};

MonthLengthTable BuildMonthLengthTable() {
  MonthLengthTable table;
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

// Built on first use; the static's guard makes that safe from any thread.
const MonthLengthTable& Table() {
  static const MonthLengthTable table = BuildMonthLengthTable();
  return table;
}

// Tested on the signed year, so 0, -4 and -400 are leap years.
int LeapColumn(std::int16_t year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0) ? 1 : 0;
}

}  // namespace

std::int16_t DaysInMonth(std::int16_t year, std::int16_t month) {
  if (month < 0 || month > 12) return 0;  // no row: a month without days
  return Table().length[month][LeapColumn(year)];
}

std::int16_t DaysBeforeMonth(std::int16_t year, std::int16_t month) {
  const int row = std::clamp<int>(month, 1, 13);  // [1, 13]
  return Table().before[row][LeapColumn(year)];  // [0, 366]
}

}  // namespace ymd
