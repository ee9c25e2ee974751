#include "calendar/gregorian.h"

#include <gtest/gtest.h>

#include "support/date_parts_output.h"
#include "numeric/checked.h"

namespace ymd {
namespace {

TEST(DayNumber, BothWaysWithWeekday) {
  const struct { DateParts date; int serial, weekday; } cases[] = {
      {{1, 1, 1}, 1, 1}, {{1, 12, 31}, 365, 1}, {{4, 12, 31}, 1461, 5},
      {{100, 12, 31}, 36524, 5}, {{400, 12, 31}, 146097, 0},
      {{1867, 12, 31}, 681907, 2}, {{1868, 1, 1}, 681908, 3},
      {{1900, 1, 1}, 693596, 1}, {{1900, 12, 31}, 693960, 1},
      {{1912, 7, 29}, 698188, 1}, {{1912, 7, 30}, 698189, 2},
      {{1926, 12, 24}, 703449, 5}, {{1926, 12, 25}, 703450, 6},
      {{1989, 1, 7}, 726109, 6}, {{1989, 1, 8}, 726110, 0},
      {{2000, 1, 1}, 730120, 6}, {{2000, 2, 29}, 730179, 2},
      {{2000, 12, 30}, 730484, 6}, {{2000, 12, 31}, 730485, 0},
      {{9999, 12, 31}, 3652059, 5}, {{32767, 12, 31}, 11967900, 0},
      {{-32768, 1, 1}, -11968631, -3}};
  for (const auto& c : cases) {
    SerialDay in = c.serial;
    DateParts out{7, 7, 7};
    SerialDateConvert(in, out);
    EXPECT_EQ(c.date, out) << c.serial;
    EXPECT_EQ(c.serial, in) << "serial kept";
    EXPECT_EQ(c.serial, SerialOf(c.date)) << c.date;
    EXPECT_EQ(c.weekday, WeekdayOf(c.date)) << c.date;
  }
}

// Fields fold up to a 16-bit day of the year; weekdays may come out negative.
TEST(DayNumber, FoldedFields) {
  const struct { DateParts date; int dayOfYear, serial, weekday; } cases[] = {
      {{2000, 13, 1}, 367, 730486, 1}, {{2000, 32767, 1}, 367, 730486, 1},
      {{2000, 0, 5}, 5, 730124, 3}, {{2000, -3, 5}, 5, 730124, 3},
      {{2000, 1, 0}, 0, 730119, 5}, {{1999, 2, 29}, 60, 729814, 1},
      {{2000, 2, 30}, 61, 730180, 3}, {{2000, 1, 99}, 99, 730218, 6},
      {{0, 12, 31}, 366, 0, 0}, {{0, 1, 1}, 1, -365, -1},
      {{0, 0, 0}, 0, -366, -2}, {{-5, 1, 1}, 1, -2191, 0},
      {{2001, 12, 32433}, 32767, 763252, 0},
      {{32767, 13, 32401}, 32766, 12000301, 5},
      {{-32768, 1, -32768}, -32768, -12001400, -5}};
  for (const auto& c : cases) {
    SerialDay serial = 0;
    DateParts date = c.date;
    SerialDateConvert(serial, date);
    EXPECT_EQ(c.serial, serial) << c.date;
    EXPECT_EQ(c.date, date) << "fields kept";
    EXPECT_EQ(c.dayOfYear, DayOfYear(c.date)) << c.date;
    EXPECT_EQ(c.weekday, WeekdayOf(c.date)) << c.date;
  }
}

TEST(DayNumber, PastSixteenBitsOverflowAndLeaveTheDate) {
  for (const DateParts date : {DateParts{2001, 12, 32434}, {2000, 12, 32433},
                               {2000, 13, 32402}, {2000, 32767, 32767}}) {
    EXPECT_THROW(DayOfYear(date), checked::OverflowError) << date;
    EXPECT_THROW(SerialOf(date), checked::OverflowError) << date;
  }
  for (SerialDay serial : {11967901, -11968632, 2147483647, -2147483647 - 1}) {
    DateParts date{1, 2, 3};
    EXPECT_THROW(SerialDateConvert(serial, date), checked::OverflowError);
    EXPECT_EQ((DateParts{1, 2, 3}), date) << serial;
  }
}

TEST(MonthDayFromDayOfYear, OutsideTheYearStaysInJanuaryOrWalksToMonth100) {
  const struct { std::int16_t dayOfYear, year, month, day; } cases[] = {
      {0, 2000, 1, 0}, {-5, 2000, 1, -5}, {366, 1999, 100, 1}};
  for (const auto& c : cases) {
    DateParts got{c.year, -9, -9};
    MonthDayFromDayOfYear(c.dayOfYear, c.year, got.month, got.day);
    EXPECT_EQ((DateParts{c.year, c.month, c.day}), got) << c.dayOfYear;
  }
  for (int month : {0, 13, -1, -32768}) EXPECT_EQ(0, DaysInMonth(0, month));
}

int MonthLength(int year, int month) {  // independent of the code under test
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return month == 2 ? 28 + leap : 30 + (month + month / 8) % 2;
}

// Before day 1 a weekday is only congruent to the day number mod 7.
TEST(RoundTrip, EveryDayFromYearMinus400) {
  DateParts want{-400, 1, 1};
  for (SerialDay n = -146462; n <= kLastSerialDay; ++n) {
    DateParts got = want, split{want.year, 0, 0};
    SerialDay in = n;
    if (n != 0) SerialDateConvert(in, got);  // 0 asks the other way
    MonthDayFromDayOfYear(DayOfYear(want), want.year, split.month, split.day);
    const int weekday = WeekdayOf(want);
    const int length = MonthLength(want.year, want.month);
    ASSERT_TRUE(got == want && split == want && SerialOf(want) == n &&
                (weekday - n) % 7 == 0 && (n < 1 || weekday >= 0) &&
                DaysInMonth(want.year, want.month) == length)
        << n << ": " << got << " " << split << " weekday " << weekday;
    if (++want.day > length) {
      want.day = 1;
      if (++want.month > 12) want.month = 1, ++want.year;
    }
  }
}

}  // namespace
}  // namespace ymd
