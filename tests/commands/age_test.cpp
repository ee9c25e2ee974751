#include <gtest/gtest.h>

#include "commands/age.h"
#include "support/date_parts_output.h"

namespace kalvenor::commands {

// Found by argument-dependent lookup, for the failure messages.
std::ostream& operator<<(std::ostream& out, const AgeResult& age) {
  return out << age.years << "y " << age.months << "m " << age.days << "d";
}

namespace {

// A row per rule of the age law: the birthday and the day before it,
// February 29 in common and leap years, monthly anniversaries that a month
// lacks, the turn of the year, and the ends of the calendar.
TEST(Age, CountsAsTheAgeLawDoes) {
  const struct {
    DateParts birth, date;
    AgeResult age;
    const char* reason;
  } cases[] = {
      {{1990, 12, 7}, {1990, 12, 7}, {0, 0, 0}, "the day of birth"},
      {{1990, 12, 7}, {2026, 12, 6}, {35, 11, 29}, "the day before the birthday: not yet"},
      {{1990, 12, 7}, {2026, 12, 7}, {36, 0, 0}, "the birthday itself"},
      {{2000, 2, 29}, {2001, 2, 28}, {0, 11, 30}, "Feb 29 in a common year: not yet"},
      {{2000, 2, 29}, {2001, 3, 1}, {1, 0, 0}, "Feb 29: reached on March 1"},
      {{2000, 2, 29}, {2028, 2, 28}, {27, 11, 30}, "Feb 29 in a leap year: not yet on the 28th"},
      {{2000, 2, 29}, {2028, 2, 29}, {28, 0, 0}, "Feb 29 in a leap year: the day itself"},
      {{2001, 1, 31}, {2001, 2, 28}, {0, 0, 28}, "the 31st: no anniversary in February"},
      {{2001, 1, 31}, {2001, 3, 1}, {0, 1, 0}, "the 31st: a month on March 1, not Feb 28"},
      {{2001, 3, 31}, {2001, 5, 1}, {0, 1, 0}, "the 31st in a 30-day month: the 1st after"},
      {{2001, 3, 31}, {2001, 5, 31}, {0, 2, 0}, "the 31st again in a 31-day month"},
      {{2000, 12, 31}, {2001, 1, 31}, {0, 1, 0}, "across the turn of the year"},
      {{2000, 12, 31}, {2001, 2, 28}, {0, 1, 28}, "the days counted from the month reached"},
      {{0, 2, 29}, {1, 3, 1}, {1, 0, 0}, "year 0 is a leap year"},
      {{-5, 6, 15}, {3, 6, 14}, {7, 11, 30}, "negative years count on through year 0"},
      {{1, 1, 1}, {32767, 12, 31}, {32766, 11, 30}, "the ends of the calendar"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.age, AgeOn(c.birth, c.date)) << c.birth << " to " << c.date << ": " << c.reason;
  }
}

}  // namespace
}  // namespace kalvenor::commands
