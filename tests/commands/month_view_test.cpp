#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/date.h"
#include "commands/business_days.h"
#include "commands/month_view.h"
#include "support/date_parts_output.h"

namespace kalvenor::commands {

// Found by argument-dependent lookup, for the failure messages.
std::ostream& operator<<(std::ostream& out, const MonthCount& month) {
  return out << month.year << '-' << month.month << ": " << month.business_days;
}

namespace {

// Saturdays, Sundays and national holidays off, and the government's
// year-end closing from December 29.
BusinessDays Government() {
  return BusinessDays({0b100'0001, true, {}, {}, YearEnd::FromDecember29});
}

// A row per rule: every day of the month in order, its weekday, a holiday
// by name and off, a rest weekday, the year-end closing, and outside the
// holiday data nothing known, so nothing a business day.
TEST(MonthView, EachDayOfTheMonthWithWhatIsKnownOfIt) {
  BusinessDays business = Government();
  const struct {
    DateParts date;
    int weekday;
    std::string holiday;
    bool known, business;
    const char* reason;
  } cases[] = {
      {{2028, 2, 29}, 2, "", true, true, "a leap year's February ends on the 29th"},
      {{2026, 11, 23}, 1, "勤労感謝の日", true, false, "a holiday, named and off"},
      {{2026, 11, 28}, 6, "", true, false, "a Saturday"},
      {{2026, 12, 29}, 2, "", true, false, "the year-end closing"},
      {{1948, 7, 19}, 1, "", false, false, "the day before the holiday law"},
      {{1948, 7, 20}, 2, "", true, true, "the day the holiday law took effect"},
      {{2100, 1, 1}, 5, "", false, false, "past the holiday data"},
  };
  for (const auto& c : cases) {
    const auto days = MonthDays(c.date.year, c.date.month, business);
    ASSERT_EQ(days.size(), static_cast<std::size_t>(DaysInMonth(c.date.year, c.date.month)))
        << c.date << ": " << c.reason;
    EXPECT_EQ(days.front().date, (DateParts{c.date.year, c.date.month, 1})) << c.reason;
    const CalendarDay& day = days[c.date.day - 1];
    EXPECT_EQ(day.date, c.date) << c.reason;
    EXPECT_EQ(day.weekday, c.weekday) << c.date << ": " << c.reason;
    EXPECT_EQ(day.holiday, c.holiday) << c.date << ": " << c.reason;
    EXPECT_EQ(day.known, c.known) << c.date << ": " << c.reason;
    EXPECT_EQ(day.business, c.business) << c.date << ": " << c.reason;
  }
}

// The first and last months count from and through the range's ends; a
// range inside one month is one row; the year-end closing crosses the turn
// of the year.
TEST(MonthView, BusinessDaysOfEachMonthOfARange) {
  BusinessDays business = Government();
  const struct {
    DateParts first, last;
    std::vector<MonthCount> months;
    const char* reason;
  } cases[] = {
      {{2026, 11, 23}, {2026, 11, 23}, {{2026, 11, 0}}, "one day, a holiday"},
      {{2026, 11, 24}, {2026, 11, 24}, {{2026, 11, 1}}, "one day, a business day"},
      // clang-format off
      {{2026, 11, 20}, {2026, 12, 7}, {{2026, 11, 6}, {2026, 12, 5}},
       "from Friday 11/20 over 勤労感謝の日; to Monday 12/7"},
      {{2026, 12, 28}, {2027, 1, 5}, {{2026, 12, 1}, {2027, 1, 2}},
       "12/28 open, 12/29 to 1/3 closed, 1/4 and 1/5 open"},
      // clang-format on
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BusinessDaysByMonth(c.first, c.last, business), c.months)
        << c.first << " to " << c.last << ": " << c.reason;
  }
  EXPECT_THROW(BusinessDaysByMonth({1948, 7, 1}, {1948, 7, 31}, business), HolidaysUnknownError)
      << "the month the holiday law took effect";
}

}  // namespace
}  // namespace kalvenor::commands
