#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "calendar/date.h"
#include "holidays/business_days.h"
#include "holidays/holidays.h"
#include "support/date_parts_output.h"
#include "text/utf8.h"

namespace kalvenor {
namespace {

SerialDay Day(int yyyymmdd) {
  return SerialOf({static_cast<std::int16_t>(yyyymmdd / 10000),
                   static_cast<std::int16_t>(yyyymmdd / 100 % 100),
                   static_cast<std::int16_t>(yyyymmdd % 100)});
}

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
      {"振替休日", {20090506, 20150506, 20200506, 20260506}, "5/3 a Sunday: past 5/4 and 5/5"},
      {"振替休日", {20070212, 20070430, 20070924, 20071224}, "the amended rule's first year"},
      {"振替休日", {19920504, 19980504, 20060102}, "before 2007, the Monday after"},
      {"", {19920506, 19980506}, "before 2007 a Sunday 5/3 moved to 5/4, never to 5/6"},
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
      const auto name = HolidayOn(Day(day));
      EXPECT_EQ(c.name, name ? text::ToUtf8(*name) : "unknown") << day << ": " << c.reason;
    }
  }
}

constexpr std::uint8_t kWeekends = 0b100'0001;

BusinessRules Rules(std::uint8_t rest, bool holidays, std::vector<SerialDay> closed = {},
                    std::vector<SerialDay> open = {}, YearEnd yearEnd = YearEnd::None) {
  return {rest, holidays, std::move(closed), std::move(open), yearEnd};
}

// A row per rule of what a business day is: the count from..to (from itself not counted, going
// back negative) and the days it leaves out, each under its first reason: a rest weekday, a
// national holiday, then a closed or year-end day.
TEST(BusinessDays, EachRuleOfWhatABusinessDayIs) {
  const SerialDay mon = Day(20261207);
  const SerialDay sat = mon + 5;
  const SerialDay holiday = Day(20261123);  // 勤労感謝の日, a Monday
  const SerialDay old = Day(19000101);      // a Monday before the data
  // Friday to Friday: 12/28..31 and 1/4..8 without the closing, 1/1 a holiday, 1/2 and 1/3 a
  // weekend.
  const SerialDay dec25 = Day(20261225), jan8 = Day(20270108);
  const struct {
    BusinessRules rules;
    SerialDay from, to;
    int count;
    DaysOff off;
    const char* reason;
  } cases[] = {
      // clang-format off
      {Rules(kWeekends, true), holiday - 3, holiday + 1, 1, {2, 1, 0}, "a weekend, a holiday"},
      {Rules(kWeekends, true), holiday + 1, holiday - 3, -1, {2, 1, 0}, "the same going back"},
      {Rules(kWeekends, true), holiday, holiday, 0, {0, 0, 0}, "no day covered"},
      {Rules(kWeekends, false), holiday - 3, holiday + 1, 2, {2, 0, 0}, "holidays not left out"},
      {Rules(0b000'0001, true), mon, mon + 7, 6, {1, 0, 0}, "only Sunday rests"},
      {Rules(kWeekends, true, {holiday + 1}), holiday - 3, holiday + 1, 0, {2, 1, 1}, "closed"},
      {Rules(kWeekends, true, {sat, mon + 1}, {sat}), mon, sat, 4, {0, 0, 1}, "open over closed"},
      {Rules(kWeekends, true, {}, {holiday - 1}), holiday - 3, holiday + 1, 2, {1, 1, 0},
       "an open Sunday"},
      {Rules(kWeekends, true, {}, {holiday}), holiday - 1, holiday, 1, {0, 0, 0}, "open holiday"},
      {Rules(kWeekends, false, {old + 1}), old, old + 4, 3, {0, 0, 1}, "closed before the data"},
      {Rules(kWeekends, true, {}, {}, YearEnd::FromDecember29), dec25, jan8, 6, {4, 1, 3},
       "the government's closing, 12/29 to 1/3"},
      {Rules(kWeekends, true, {}, {}, YearEnd::FromDecember31), dec25, jan8, 8, {4, 1, 1},
       "the banks' closing, 12/31 to 1/3"},
      {Rules(kWeekends, true, {}, {Day(20261229)}, YearEnd::FromDecember29), dec25, jan8, 7,
       {4, 1, 2}, "an open day wins over the closing"},
      {Rules(0, false, {}, {}, YearEnd::FromDecember29), Day(15001228), Day(15010104), 1,
       {0, 0, 6}, "before the data, no rest day: only 1/4"},
      {Rules(0, false, {}, {}, YearEnd::FromDecember29), 0, Day(4001231), 146097 - 2400,
       {0, 0, 2400}, "400 years of no rest day lose their 6 closed days a year"},
      {Rules(0, false, {}, {}, YearEnd::FromDecember31), Day(327661231), kLastSerialDay, 365 - 4,
       {0, 0, 4}, "the calendar's last year"},
      // clang-format on
  };
  for (const auto& c : cases) {
    const BusinessCalendar calendar(c.rules);
    EXPECT_EQ(c.count, calendar.Count(c.from, c.to)) << c.reason;
    EXPECT_EQ(c.off, calendar.LeftOut(c.from, c.to)) << c.reason;
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

// Count from..to against stepping one day at a time, and After as its exact
// inverse, onto a business day.
void ExpectCountsAsStepping(const BusinessCalendar& calendar, SerialDay from, SerialDay to,
                            int count) {
  int stepped = 0;
  for (SerialDay day = from + 1; day <= to; ++day) stepped += calendar.IsBusinessDay(day);
  for (SerialDay day = to; day < from; ++day) stepped -= calendar.IsBusinessDay(day);
  ASSERT_EQ(stepped, calendar.Count(from, to)) << from << " to " << to;
  const std::optional<SerialDay> day = calendar.After(from, count);
  ASSERT_TRUE(day) << from;
  ASSERT_EQ(count, calendar.Count(from, *day)) << from << " + " << count;
  ASSERT_TRUE(count == 0 || calendar.IsBusinessDay(*day)) << from << " + " << count;
}

// The year-end closing over any years, across the 400-year cycles of the
// weekdays.
TEST(BusinessDays, YearEndCountsAsSteppingDoesOverEveryYear) {
  std::mt19937 random(20261229);
  std::uniform_int_distribution<SerialDay> anyDay(400, kLastSerialDay - 400);
  std::uniform_int_distribution<int> span(-40, 40);
  std::uniform_int_distribution<int> anyCount(-300, 300);
  for (const YearEnd yearEnd : {YearEnd::FromDecember29, YearEnd::FromDecember31}) {
    const BusinessCalendar calendar(Rules(0b010'0001, false, {}, {}, yearEnd));
    for (int i = 0; i < 3000; ++i) {
      // Half the days near a year's end, where the closing lies.
      SerialDay from = anyDay(random);
      if (i % 2 == 0) from = SerialOf({DateOf(from).year, 12, 27}) + span(random) / 4;
      const SerialDay to = from + span(random);
      ASSERT_NO_FATAL_FAILURE(ExpectCountsAsStepping(calendar, from, to, anyCount(random)));
    }
  }
}

// Before the year 1 each day is decided as the same day 400 years on (a
// whole number of weeks), with the closing or without it, and counts as
// stepping does.
TEST(BusinessDays, DaysBeforeTheYearOneKeepTheRules) {
  const SerialDay from = SerialOf({-1, 12, 20});
  for (const YearEnd yearEnd : {YearEnd::None, YearEnd::FromDecember29}) {
    const BusinessCalendar calendar(Rules(kWeekends, false, {}, {}, yearEnd));
    int stepped = 0;
    for (SerialDay day = from + 1; day <= from + 20; ++day) {
      EXPECT_EQ(calendar.IsBusinessDay(day + 146097), calendar.IsBusinessDay(day)) << day;
      stepped += calendar.IsBusinessDay(day);
    }
    EXPECT_EQ(stepped, calendar.Count(from, from + 20));
  }
}

// The same over random days of the whole holiday data, with and without
// closed and open days.
TEST(BusinessDays, CountsAsSteppingDoesAndAfterInvertsThem) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<SerialDay> anyDay(kHolidayDataFrom, kHolidayDataThrough);
  std::uniform_int_distribution<int> span(-60, 60);
  std::uniform_int_distribution<int> anyCount(0, 10000);  // towards the middle: within the data
  const SerialDay middle = kHolidayDataFrom + (kHolidayDataThrough - kHolidayDataFrom) / 2;
  BusinessRules rules = Rules(0b000'0011, true);  // Sunday and Monday
  rules.year_end = YearEnd::FromDecember29;
  for (int i = 0; i < 400; ++i) (i % 2 == 0 ? rules.closed : rules.open).push_back(anyDay(random));
  for (const BusinessCalendar& calendar :
       {BusinessCalendar(Rules(kWeekends, true)), BusinessCalendar(rules)}) {
    for (int i = 0; i < 2000; ++i) {
      const SerialDay from = anyDay(random);
      const SerialDay to = std::clamp(from + span(random), kHolidayDataFrom, kHolidayDataThrough);
      const int count = (from < middle ? 1 : -1) * anyCount(random);
      ASSERT_NO_FATAL_FAILURE(ExpectCountsAsStepping(calendar, from, to, count));
    }
  }
}

}  // namespace
}  // namespace kalvenor
