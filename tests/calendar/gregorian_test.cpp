#include <gtest/gtest.h>

#include "calendar/gregorian.h"
#include "numeric/checked.h"
#include "support/date_parts_output.h"

namespace kalvenor {
namespace {

// Fields fold up to a 16-bit day of the year, which splits back into
// January for 0 and below or walks on to month 100; weekdays may be negative.
TEST(DayNumber, FoldedFields) {
  const struct {
    DateParts date;
    int yday, serial, weekday;
    std::int16_t month, day;
  } cases[] = {{{2000, 13, 1}, 367, 730486, 1, 100, 1},
               {{2000, 32767, 1}, 367, 730486, 1, 100, 1},
               {{2000, 0, 5}, 5, 730124, 3, 1, 5},
               {{2000, 1, 0}, 0, 730119, 5, 1, 0},
               {{1999, 2, 29}, 60, 729814, 1, 3, 1},
               {{0, 12, 31}, 366, 0, 0, 12, 31},
               {{0, 1, 1}, 1, -365, -1, 1, 1},
               {{0, 0, 0}, 0, -366, -2, 1, 0},
               {{2001, 12, 32433}, 32767, 763252, 0, 100, 32402},  // the largest day of the year
               {{-32768, 1, -32768}, -32768, -12001400, -5, 1, -32768}};
  for (const auto& c : cases) {
    SerialDay serial = 0;
    DateParts date = c.date, split{c.date.year, 0, 0};
    SerialDateConvert(serial, date);
    MonthDayFromDayOfYear(DayOfYear(c.date), c.date.year, split.month, split.day);
    EXPECT_EQ(c.serial, serial) << c.date;
    EXPECT_EQ(c.date, date) << "fields kept";
    EXPECT_EQ(c.yday, DayOfYear(c.date)) << c.date;
    EXPECT_EQ(c.weekday, WeekdayOf(c.date)) << c.date;
    EXPECT_EQ((DateParts{c.date.year, c.month, c.day}), split) << c.date;
  }
  for (int month : {0, 13, -1, -32768}) EXPECT_EQ(0, DaysInMonth(2000, month)) << month;
}

TEST(DayNumber, PastSixteenBitsOverflowAndLeaveTheDate) {
  for (const DateParts date : {DateParts{2001, 12, 32434}, {2000, 12, 32433}, {2000, 13, 32402}}) {
    EXPECT_THROW((void)DayOfYear(date), checked::OverflowError) << date;
    EXPECT_THROW((void)SerialOf(date), checked::OverflowError) << date;
  }
  for (SerialDay serial : {11967901, -11968632, 2147483647, -2147483647 - 1}) {
    DateParts date{1, 2, 3};
    EXPECT_THROW(SerialDateConvert(serial, date), checked::OverflowError) << serial;
    EXPECT_EQ((DateParts{1, 2, 3}), date) << serial;
  }
}

int MonthLength(int year, int month) {  // independent of the code under test
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return month == 2 ? 28 + leap : 30 + (month + month / 8) % 2;
}

// Every day of a 16-bit year, stepped by hand from -32768-01-01: both ways,
// day of year, month length, weekday (before day 1 only congruent).
TEST(RoundTrip, EveryDayOfASixteenBitYear) {
  DateParts want{-32768, 1, 1};
  for (SerialDay n = -11968631; n <= kLastSerialDay && !HasFailure(); ++n) {
    DateParts got = want, split{want.year, 0, 0};
    SerialDay in = n;
    if (n != 0) SerialDateConvert(in, got);  // 0 asks the other way
    MonthDayFromDayOfYear(DayOfYear(want), want.year, split.month, split.day);
    const int weekday = WeekdayOf(want), length = MonthLength(want.year, want.month);
    EXPECT_EQ(want, got) << n;
    EXPECT_EQ(n, in) << "serial kept";
    EXPECT_EQ(want, split) << n;
    EXPECT_EQ(n, SerialOf(want)) << want;
    EXPECT_EQ(0, (weekday - n) % 7) << want;
    EXPECT_TRUE(n < 1 || weekday >= 0) << want;
    EXPECT_EQ(length, DaysInMonth(want.year, want.month)) << want;
    if (++want.day > length) {
      want.day = 1;
      if (++want.month > 12) want.month = 1, ++want.year;
    }
  }
}

}  // namespace
}  // namespace kalvenor
