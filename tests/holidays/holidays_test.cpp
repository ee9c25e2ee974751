#include <gtest/gtest.h>

#include <string>

#include "holidays/holidays.h"
#include "support/date_parts_output.h"
#include "text/utf8.h"

namespace kalvenor {
namespace {

// A row per rule and per change of the law: the day, its holiday ("" none).
TEST(Holidays, EachRuleAndEachChangeOfTheLaw) {
  const struct {
    DateParts date;
    const char* name;
    const char* reason;
  } cases[] = {
      {{1948, 7, 20}, "", "the first day of the data"},
      {{1948, 9, 23}, "秋分の日", "the first holiday under the law"},
      {{1949, 1, 1}, "元日", "the first year of the January holidays"},
      {{1999, 1, 15}, "成人の日", "the last year on the 15th"},
      {{2000, 1, 10}, "成人の日", "the first Happy Monday, the second of January"},
      {{2000, 1, 15}, "", "the 15th no longer"},
      {{1966, 2, 11}, "", "建国記念の日 only from 1967"},
      {{1967, 2, 11}, "建国記念の日", "its first year"},
      {{1961, 3, 21}, "春分の日", "floor division: a truncating one gives the 20th"},
      {{2099, 3, 20}, "春分の日", "the formula's last year"},
      {{2099, 9, 23}, "秋分の日", "the formula's last year"},
      {{1988, 4, 29}, "天皇誕生日", "the last birthday on April 29"},
      {{1989, 4, 29}, "みどりの日", "April 29 renamed"},
      {{2007, 4, 29}, "昭和の日", "renamed again"},
      {{2007, 5, 4}, "みどりの日", "moved to May 4"},
      {{2018, 12, 23}, "天皇誕生日", "the last birthday on December 23"},
      {{2019, 12, 23}, "", "no emperor's birthday in 2019"},
      {{2020, 2, 23}, "天皇誕生日", "the first on February 23"},
      {{1996, 7, 20}, "海の日", "its first year"},
      {{2003, 7, 21}, "海の日", "the third Monday of July from 2003"},
      {{1966, 9, 15}, "敬老の日", "its first year"},
      {{2004, 9, 20}, "敬老の日", "the third Monday of September from 2003"},
      {{1966, 10, 10}, "体育の日", "its first year"},
      {{2019, 10, 14}, "体育の日", "its last year, the second Monday"},
      {{2022, 10, 10}, "スポーツの日", "the renamed day on the second Monday"},
      {{2015, 8, 11}, "", "山の日 only from 2016"},
      {{2016, 8, 11}, "山の日", "its first year"},
      {{2020, 7, 23}, "海の日", "moved for the Games"},
      {{2020, 7, 20}, "", "the third Monday, left in 2020"},
      {{2020, 7, 24}, "スポーツの日", "moved for the Games"},
      {{2020, 10, 12}, "", "the second Monday, left in 2020"},
      {{2020, 8, 10}, "山の日", "moved for the Games"},
      {{2021, 7, 22}, "海の日", "moved again in 2021"},
      {{2021, 7, 23}, "スポーツの日", "moved again in 2021"},
      {{2021, 8, 8}, "山の日", "moved again in 2021, onto a Sunday"},
      {{2021, 8, 9}, "振替休日", "so the Monday after is off"},
      {{1973, 2, 12}, "", "a Sunday holiday before 1973-04-12 gave no day off"},
      {{1973, 4, 30}, "振替休日", "the first substitute day"},
      {{2008, 5, 6}, "振替休日", "since 2007 the next day that is no holiday"},
      {{1986, 5, 4}, "", "before 2007 a Sunday between holidays stays a Sunday"},
      {{1987, 5, 4}, "振替休日", "a substitute day is not a day between holidays"},
      {{1988, 5, 4}, "国民の休日", "the first day between holidays"},
      {{2009, 9, 22}, "国民の休日", "between 敬老の日 and 秋分の日"},
      {{2019, 4, 30}, "国民の休日", "a one-off day counts as a holiday"},
      {{2019, 5, 2}, "国民の休日", "on both sides"},
      {{1959, 4, 10}, "皇太子明仁親王の結婚の儀", "one-off"},
      {{1989, 2, 24}, "昭和天皇の大喪の礼", "one-off"},
      {{1990, 11, 12}, "即位礼正殿の儀", "one-off"},
      {{1993, 6, 9}, "皇太子徳仁親王の結婚の儀", "one-off"},
      {{2019, 5, 1}, "天皇の即位の日", "one-off"},
      {{2019, 10, 22}, "即位礼正殿の儀", "one-off"},
      {{2099, 12, 31}, "", "the last day of the data"},
  };
  for (const auto& c : cases) {
    const auto name = HolidayOn(SerialOf(c.date));
    ASSERT_TRUE(name) << c.date;
    EXPECT_EQ(c.name, text::ToUtf8(*name)) << c.date << ": " << c.reason;
  }
}

TEST(Holidays, NothingIsKnownOutsideTheData) {
  EXPECT_FALSE(HolidayOn(kHolidayDataFrom - 1)) << "1948-07-19";
  EXPECT_FALSE(HolidayOn(kHolidayDataThrough + 1)) << "2100-01-01";
}

}  // namespace
}  // namespace kalvenor
