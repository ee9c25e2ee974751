#include <cstdint>

#include "calendar/gregorian.h"
#include "calendar/month_table.h"

namespace kalvenor {
namespace {

struct MonthLengthTable {
  // [month 0..12][0 common year, 1 leap year]; row 0 stays 0.
  std::int16_t length[13][2] = {};
};

MonthLengthTable BuildMonthLengthTable() {
  MonthLengthTable table;
  for (int month = 1; month <= 12; ++month) {
    table.length[month][0] = kCommonMonthLengths[month];
    table.length[month][1] = kCommonMonthLengths[month];
  }
  table.length[2][1] = 29;
  return table;
}

}  // namespace

std::int16_t DaysInMonth(std::int16_t year, std::int16_t month) {
  if (month < 0 || month > 12) return 0;  // no row: a month without days
  // Built on first use; the static's guard makes that safe from any thread.
  static const MonthLengthTable table = BuildMonthLengthTable();
  return table.length[month][LeapColumn(year)];
}

}  // namespace kalvenor
