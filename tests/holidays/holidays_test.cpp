#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "holidays/business_days.h"
#include "holidays/holidays.h"
#include "text/utf8.h"

namespace kalvenor {
namespace {

// A row per holiday or rule of the law: the first day of each of its rules
// and the days a change of the law moved it to. "" is a day that is none.
TEST(Holidays, EachRuleAndEachChangeOfTheLaw) {
  const struct {
    const char* name;
    std::vector<int> days;  // yyyymmdd
    const char* reason;
  } cases[] = {
      {"元日", {19490101}, "the law's first January"},
      {"成人の日", {19490115, 19990115, 20000110}, "the 15th, then the second Monday"},
      {"建国記念の日", {19670211}, "from 1967"},
      {"天皇誕生日", {19490429, 19880429, 19891223, 20181223, 20200223}, "each emperor's birthday"},
      {"春分の日", {19490321, 20990320}, "floor division; truncating gives 1949-03-20"},
      {"秋分の日", {19480923, 20990923}, "the formula's ends"},
      {"みどりの日", {19890429, 20060429, 20070504}, "April 29, May 4 from 2007"},
      {"昭和の日", {20070429}, "April 29 renamed"},
      {"憲法記念日", {19490503}, "the law's first May"},
      {"こどもの日", {19490505}, "the law's first May"},
      {"海の日", {19960720, 20030721}, "the 20th, the third Monday from 2003"},
      {"海の日", {20200723, 20210722, 20220718}, "moved for the Games, and back"},
      {"山の日", {20160811, 20200810, 20210808, 20220811}, "from 2016, moved for the Games"},
      {"敬老の日", {19660915, 20030915}, "the 15th, the third Monday from 2003"},
      {"体育の日", {19661010, 20001009, 20191014}, "the 10th, the second Monday"},
      {"スポーツの日", {20200724, 20210723, 20221010}, "moved for the Games"},
      {"文化の日", {19481103}, "the law's first November"},
      {"勤労感謝の日", {19481123}, "the law's first November"},
      {"振替休日", {19730430, 19870504, 20080506}, "the first; not 国民の休日; the 2007 rule"},
      {"国民の休日", {19880504, 20060504, 20190430}, "between holidays, one-off days too"},
      {"皇太子明仁親王の結婚の儀", {19590410}, "one-off"},
      {"昭和天皇の大喪の礼", {19890224}, "one-off"},
      {"即位礼正殿の儀", {19901112, 20191022}, "one-off, twice"},
      {"皇太子徳仁親王の結婚の儀", {19930609}, "one-off"},
      {"天皇の即位の日", {20190501}, "one-off"},
      {"", {19480720, 20991231}, "the first and last days of the data"},
      {"unknown", {19480719, 21000101}, "the days either side of the data"},
      {"",
       {19650915, 19651010, 19660211, 19881223, 19950720, 19990111, 20020715, 20150811, 20190223},
       "the year before a rule"},
      {"", {20000115, 20191223, 20200720, 20201012}, "the year after a rule"},
      {"", {19730212, 19860504}, "before 1973-04-12 no substitute; before 2007 no Sunday between"},
  };
  for (const auto& c : cases) {
    for (const int day : c.days) {
      const auto name = HolidayOn(SerialOf({static_cast<std::int16_t>(day / 10000),
                                            static_cast<std::int16_t>(day / 100 % 100),
                                            static_cast<std::int16_t>(day % 100)}));
      EXPECT_EQ(c.name, name ? text::ToUtf8(*name) : "unknown") << day << ": " << c.reason;
    }
  }
}

constexpr std::uint8_t kWeekends = 0b100'0001;

BusinessRules Rules(std::uint8_t rest, bool holidays, std::vector<SerialDay> closed = {},
                    std::vector<SerialDay> open = {}) {
  return {rest, holidays, std::move(closed), std::move(open)};
}

TEST(BusinessDays, EachRuleOfWhatABusinessDayIs) {
  const SerialDay mon = SerialOf({2026, 12, 7});
  const SerialDay sat = mon + 5;
  const SerialDay holiday = SerialOf({2026, 11, 23});  // 勤労感謝の日, a Monday
  const SerialDay old = SerialOf({1900, 1, 1});        // a Monday before the data
  const struct {
    BusinessRules rules;
    SerialDay from, to;
    int count;
    const char* reason;
  } cases[] = {
      {Rules(kWeekends, true), holiday - 3, holiday + 1, 1, "Friday, a weekend, a holiday Monday"},
      {Rules(kWeekends, false), holiday - 3, holiday + 1, 2, "holidays left out"},
      {Rules(0b000'0001, true), mon, mon + 7, 6, "only Sunday rests"},
      {Rules(kWeekends, true, {sat, mon + 1}, {sat}), mon, sat, 4, "closed; open wins over it"},
      {Rules(kWeekends, true, {}, {holiday}), holiday - 1, holiday, 1, "open wins over a holiday"},
      {Rules(kWeekends, false, {old + 1}), old, old + 4, 3, "closed days before the data"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.count, BusinessCalendar(c.rules).Count(c.from, c.to)) << c.reason;
  }
}

TEST(BusinessDays, NationalHolidaysNeedTheirDataOnlyForTheDaysTheyCover) {
  const BusinessCalendar calendar(Rules(kWeekends, true));
  EXPECT_EQ(1, calendar.Count(kHolidayDataFrom - 1, kHolidayDataFrom)) << "1948-07-20 is a Tuesday";
  EXPECT_EQ(0, calendar.Count(kHolidayDataThrough, kHolidayDataThrough));
  EXPECT_THROW(calendar.Count(kHolidayDataFrom, kHolidayDataFrom - 1), HolidaysUnknownError);
  EXPECT_THROW(calendar.After(kHolidayDataThrough, 1), HolidaysUnknownError);
  EXPECT_THROW(calendar.IsBusinessDay(kHolidayDataThrough + 1), HolidaysUnknownError);
  const BusinessCalendar weekdays(Rules(kWeekends, false));
  EXPECT_EQ(SerialOf({2100, 1, 1}), weekdays.After(kHolidayDataThrough, 1)) << "a Friday";
  EXPECT_EQ(std::nullopt, weekdays.After(kLastSerialDay, 1)) << "past 32767-12-31";
  EXPECT_EQ(std::nullopt, weekdays.After(1, -1)) << "before 0001-01-01";
}

// Counting by running sums against stepping one day at a time, and stepping
// as the exact inverse of counting, over random days of the whole data.
TEST(BusinessDays, CountsAsSteppingDoesAndAfterInvertsThem) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<SerialDay> anyDay(kHolidayDataFrom, kHolidayDataThrough);
  std::uniform_int_distribution<int> span(-60, 60);
  std::uniform_int_distribution<int> anyCount(0, 10000);  // towards the middle: within the data
  const SerialDay middle = kHolidayDataFrom + (kHolidayDataThrough - kHolidayDataFrom) / 2;
  BusinessRules rules = Rules(0b000'0011, true);  // Sunday and Monday
  for (int i = 0; i < 400; ++i) (i % 2 == 0 ? rules.closed : rules.open).push_back(anyDay(random));
  for (const BusinessCalendar& calendar :
       {BusinessCalendar(Rules(kWeekends, true)), BusinessCalendar(rules)}) {
    for (int i = 0; i < 2000; ++i) {
      const SerialDay from = anyDay(random);
      const SerialDay to = std::clamp(from + span(random), kHolidayDataFrom, kHolidayDataThrough);
      int stepped = 0;
      for (SerialDay day = from + 1; day <= to; ++day) stepped += calendar.IsBusinessDay(day);
      for (SerialDay day = to; day < from; ++day) stepped -= calendar.IsBusinessDay(day);
      ASSERT_EQ(stepped, calendar.Count(from, to)) << from << " to " << to;
      const int count = (from < middle ? 1 : -1) * anyCount(random);
      const std::optional<SerialDay> day = calendar.After(from, count);
      ASSERT_TRUE(day) << from;
      ASSERT_EQ(count, calendar.Count(from, *day)) << from << " + " << count;
      ASSERT_TRUE(count == 0 || calendar.IsBusinessDay(*day)) << from << " + " << count;
    }
  }
}

}  // namespace
}  // namespace kalvenor
