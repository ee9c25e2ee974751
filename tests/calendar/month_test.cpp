#include <gtest/gtest.h>

#include "calendar/gregorian.h"
#include "date_parts_output.h"
#include "numeric/checked.h"

namespace ymd {
namespace {

TEST(DaysInMonth, LeapRuleAndMonthsWithoutARow) {
  const struct {
    std::int16_t year, month, days;
  } cases[] = {
      {1900, 2, 28},  {2100, 2, 28},     {2000, 2, 29}, {2004, 2, 29},
      {0, 2, 29},     {-4, 2, 29},       {-400, 2, 29}, {-1, 2, 28},
      {-100, 2, 28},  {2001, 1, 31},     {2001, 4, 30}, {2001, 12, 31},
      {2000, 0, 0},   {1999, 0, 0},      {2000, 13, 0}, {2000, -1, 0},
      {2000, 100, 0}, {2000, -32768, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.days, DaysInMonth(c.year, c.month)) << c.year << '-' << c.month;
  }
}

TEST(DayOfYear, CountsPrecedingMonthsAndFolds) {
  const struct {
    DateParts date;
    std::int16_t dayOfYear;
  } cases[] = {
      {{2000, 12, 31}, 366},      {{1999, 12, 31}, 365},
      {{2000, 0, 5}, 5},          {{2000, -3, 5}, 5},
      {{2000, 2, 30}, 61},        {{2000, 3, 1}, 61},
      {{2000, 13, 1}, 367},       {{2000, 32767, 1}, 367},
      {{2000, 3, 0}, 60},         {{2000, 1, -32768}, -32768},
      {{2001, 12, 32433}, 32767}, {{2000, 13, 32401}, 32767},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.dayOfYear, DayOfYear(c.date)) << c.date;
}

TEST(DayOfYear, SumsPast16BitsOverflow) {
  const DateParts cases[] = {
      {2001, 12, 32434},  // common year: 334 + 32434
      {2000, 12, 32433},  // leap year: 335 + 32433
      {2000, 13, 32402},  // the whole leap year before the day
      {2000, 32767, 32767},
  };
  for (const auto& date : cases) {
    EXPECT_THROW(DayOfYear(date), checked::OverflowError) << date;
    EXPECT_THROW(SerialOf(date), checked::OverflowError) << date;
    EXPECT_THROW(WeekdayOf(date), checked::OverflowError) << date;
  }
}

TEST(MonthDayFromDayOfYear, EdgesOfTheYearAndBeyond) {
  const struct {
    std::int16_t dayOfYear, year, month, day;
  } cases[] = {
      {1, 2001, 1, 1},
      {31, 2001, 1, 31},
      {32, 2001, 2, 1},
      {60, 2000, 2, 29},
      {60, 1999, 3, 1},
      {335, 2000, 11, 30},
      {336, 2000, 12, 1},
      {365, 1999, 12, 31},
      {366, 2000, 12, 31},
      {0, 2000, 1, 0},
      {-5, 2000, 1, -5},
      {-32768, 2000, 1, -32768},
      // Past the year's end the walk runs through the empty months to 100.
      {366, 1999, 100, 1},
      {367, 2000, 100, 1},
      {32767, 2000, 100, 32401},
  };
  for (const auto& c : cases) {
    std::int16_t month = -9, day = -9;
    MonthDayFromDayOfYear(c.dayOfYear, c.year, month, day);
    EXPECT_EQ(c.month, month) << c.dayOfYear << " in " << c.year;
    EXPECT_EQ(c.day, day) << c.dayOfYear << " in " << c.year;
  }
}

}  // namespace
}  // namespace ymd
