#include <gtest/gtest.h>

#include "calendar/gregorian.h"
#include "date_parts_output.h"
#include "numeric/checked.h"

namespace ymd {
namespace {

struct DayNumberCase {
  DateParts date;
  SerialDay serial;
  std::int16_t weekday;
};

// Era boundaries, block ends of the 4-, 100- and 400-year cycles, the last
// representable day.
const DayNumberCase kDayNumbers[] = {
    {{1, 1, 1}, 1, 1},
    {{1, 12, 31}, 365, 1},
    {{4, 12, 31}, 1461, 5},
    {{100, 12, 31}, 36524, 5},
    {{400, 12, 31}, 146097, 0},
    {{1867, 12, 31}, 681907, 2},
    {{1868, 1, 1}, 681908, 3},
    {{1900, 1, 1}, 693596, 1},
    {{1900, 12, 31}, 693960, 1},
    {{1912, 7, 29}, 698188, 1},
    {{1912, 7, 30}, 698189, 2},
    {{1926, 12, 24}, 703449, 5},
    {{1926, 12, 25}, 703450, 6},
    {{1989, 1, 7}, 726109, 6},
    {{1989, 1, 8}, 726110, 0},
    {{2000, 1, 1}, 730120, 6},
    {{2000, 2, 29}, 730179, 2},
    {{2000, 12, 30}, 730484, 6},
    {{2000, 12, 31}, 730485, 0},
    {{9999, 12, 31}, 3652059, 5},
    {{32767, 12, 31}, 11967900, 0},
};

TEST(DayNumber, DateToNumber) {
  for (const auto& c : kDayNumbers) {
    SerialDay serial = 0;
    DateParts date = c.date;
    SerialDateConvert(serial, date);
    EXPECT_EQ(c.serial, serial) << c.date;
    EXPECT_EQ(c.date, date) << "fields must stay as passed: " << c.date;
    EXPECT_EQ(c.weekday, WeekdayOf(c.date)) << c.date;
  }
}

TEST(DayNumber, NumberToDate) {
  for (const auto& c : kDayNumbers) {
    SerialDay serial = c.serial;
    DateParts date{7, 7, 7};
    SerialDateConvert(serial, date);
    EXPECT_EQ(c.date, date) << c.serial;
    EXPECT_EQ(c.serial, serial) << "serial must stay as passed";
  }
}

// Out-of-range fields fold into the date they run on to.
TEST(DayNumber, FoldedFields) {
  const struct {
    DateParts date;
    SerialDay serial;
  } cases[] = {
      {{2000, 13, 1}, 730486},  // 2001-01-01
      {{2000, 0, 5}, 730124},   // 2000-01-05
      {{2000, 1, 0}, 730119},   // 1999-12-31
      {{1999, 2, 29}, 729814},  // 1999-03-01
      {{2000, 1, 99}, 730218},  // 2000-04-08
      {{2000, 14, 1}, 730486},  // months past 13 add nothing more
      {{2000, -3, 5}, 730124}, {{0, 12, 31}, 0}, {{0, 1, 1}, -365},
  };
  for (const auto& c : cases) EXPECT_EQ(c.serial, SerialOf(c.date)) << c.date;
}

// Any fields count on from January 1 of their year, and the weekday follows
// the folded date, whichever side of February, the year's start or 16 bits
// the fields fall.
TEST(DayNumber, FoldedFieldsCountFromJanuaryFirst) {
  const std::int16_t years[] = {-32768, -401, -400, -100, -1,   0,    1,
                                4,      100,  1900, 2000, 2001, 32767};
  const std::int16_t days[] = {-32768, -400, -1,  0,     1,     28,    29,   30,
                               31,     60,   366, 32401, 32402, 32433, 32434};
  for (std::int16_t year : years) {
    const SerialDay newYear = SerialOf({year, 1, 1});
    for (std::int16_t month = -2; month <= 15; ++month) {
      for (std::int16_t day : days) {
        const DateParts date{year, month, day};
        std::int32_t dayOfYear = 0;
        try {
          dayOfYear = DayOfYear(date);
        } catch (const checked::OverflowError&) {
          EXPECT_THROW(SerialOf(date), checked::OverflowError) << date;
          continue;
        }
        const SerialDay serial = SerialOf(date);
        EXPECT_EQ(newYear - 1 + dayOfYear, serial) << date;
        EXPECT_EQ(((serial % 7) + 7) % 7, ((WeekdayOf(date) % 7) + 7) % 7)
            << date;
      }
    }
  }
}

TEST(DayNumber, NegativeNumbersGiveTheProlepticDate) {
  const struct {
    SerialDay serial;
    DateParts date;
  } cases[] = {
      {-1, {0, 12, 30}},           {-365, {0, 1, 1}},
      {-366, {-1, 12, 31}},        {-146097, {-400, 12, 31}},
      {-11968631, {-32768, 1, 1}},
  };
  for (const auto& c : cases) {
    SerialDay serial = c.serial;
    DateParts date;
    SerialDateConvert(serial, date);
    EXPECT_EQ(c.date, date) << c.serial;
  }
}

TEST(DayNumber, NumbersBeyondTheYearFieldOverflow) {
  for (SerialDay serial : {11967901, -11968632, 2147483647, -2147483647 - 1}) {
    DateParts date{1, 2, 3};
    EXPECT_THROW(SerialDateConvert(serial, date), checked::OverflowError)
        << serial;
    EXPECT_EQ((DateParts{1, 2, 3}), date) << "left untouched: " << serial;
  }
}

TEST(Weekday, BeforeDayOneKeepsTheTruncatedRemainder) {
  const struct {
    DateParts date;
    std::int16_t weekday;
  } cases[] = {
      {{0, 1, 1}, -1},
      {{0, 0, 0}, -2},
      {{-5, 1, 1}, 0},
      {{2000, 1, 0}, 5},  // 1999-12-31
  };
  for (const auto& c : cases) EXPECT_EQ(c.weekday, WeekdayOf(c.date)) << c.date;
}

}  // namespace
}  // namespace ymd
