#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "calendar/date.h"
#include "numeric/checked.h"
#include "support/date_parts_output.h"

namespace kalvenor {
namespace {

// Fields fold up to a 16-bit day of the year (2001-12-32433 is the largest; a month past 12
// counts as 13); weekdays hold for folded fields before day 1 too.
TEST(DayNumber, FoldedFields) {
  // clang-format off
  const std::tuple<DateParts, int, int, int> cases[] = {
      {{2000, 0, 5}, 5, 730124, 3}, {{2000, 1, 0}, 0, 730119, 5}, {{1999, 2, 29}, 60, 729814, 1},
      {{0, 12, 31}, 366, 0, 0}, {{0, 0, 0}, 0, -366, 5}, {{2000, 32767, 1}, 367, 730486, 1},
      {{-32768, 1, -32768}, -32768, -12001400, 2}, {{2001, 12, 32433}, 32767, 763252, 0}};
  // clang-format on
  for (const auto& [fields, yday, serial, weekday] : cases) {
    SerialDay got = 0;
    DateParts date = fields;
    SerialDateConvert(got, date);
    EXPECT_EQ(serial, got) << fields;
    EXPECT_EQ(fields, date) << "fields kept";
    EXPECT_EQ(yday, DayOfYear(fields)) << fields;
    EXPECT_EQ(weekday, WeekdayOf(fields)) << fields;
  }
  for (int month : {0, 13, -1, -32768}) EXPECT_EQ(0, DaysInMonth(2000, month)) << month;
}

std::string DateAfterText(const DateParts& start, double days) {
  try {
    return ::testing::PrintToString(DateAfter(start, days));
  } catch (const OutsideCalendarError& outside) {
    return outside.BeforeFirstDay() ? "before the first day" : "after the last day";
  } catch (const checked::OverflowError&) {
    return "overflow";
  }
}

// The calendar's ends and the 32-bit sum, each checked in one place.
TEST(DateAfter, RefusesResultsOutsideTheCalendar) {
  const std::tuple<const char*, DateParts, double, const char*> cases[] = {
      {"a half rounds the sum to even", {2000, 1, 1}, 0.5, "2000-1-1"},
      {"so it depends on the start", {2000, 1, 2}, 0.5, "2000-1-3"},
      {"folded start", {2000, 1, 0}, 1, "2000-1-1"},
      {"back to the first day", {1, 1, 2}, -1, "1-1-1"},
      {"day 0 is no date, not the other direction", {1, 1, 1}, -1, "before the first day"},
      {"from before the first day back into it", {0, 12, 31}, 1, "1-1-1"},
      {"the last day", {32767, 12, 30}, 1, "32767-12-31"},
      {"past the last day", {32767, 12, 31}, 1, "after the last day"},
      {"a sum past 32 bits", {2000, 1, 1}, 1e10, "overflow"},
      {"no number at all", {2000, 1, 1}, std::nan(""), "overflow"}};
  for (const auto& [reason, start, days, want] : cases)
    EXPECT_EQ(want, DateAfterText(start, days)) << reason;
  EXPECT_EQ(365, DaysBetween({2000, 1, 1}, {2000, 12, 31}));
  EXPECT_EQ(23936531, DaysBetween({-32768, 1, 1}, {32767, 12, 31})) << "the widest span fits";
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

// Every day of a 16-bit year, stepped by hand from -32768-01-01: both ways, length, weekday.
TEST(RoundTrip, EveryDayOfASixteenBitYear) {
  DateParts want{-32768, 1, 1};
  for (SerialDay n = -11968631; n <= kLastSerialDay && !HasFailure(); ++n) {
    DateParts got = want;
    SerialDay in = n;
    if (n != 0) SerialDateConvert(in, got);  // 0 asks the other way
    const int weekday = WeekdayOf(want), length = MonthLength(want.year, want.month);
    EXPECT_EQ(want, got) << n;
    EXPECT_EQ(n, in) << "serial kept";
    EXPECT_EQ(n, SerialOf(want)) << want;
    EXPECT_EQ((n % 7 + 7) % 7, weekday) << want;  // 0001-01-01, day 1, was a Monday
    EXPECT_EQ(length, DaysInMonth(want.year, want.month)) << want;
    if (++want.day > length) {
      want.day = 1;
      if (++want.month > 12) want.month = 1, ++want.year;
    }
  }
}

}  // namespace
}  // namespace kalvenor
