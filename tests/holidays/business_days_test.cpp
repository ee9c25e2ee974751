#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "holidays/business_days.h"
#include "holidays/holidays.h"
#include "support/date_parts_output.h"

namespace kalvenor {
namespace {

constexpr std::uint8_t kSundays = 0b000'0001;
constexpr std::uint8_t kWeekends = 0b100'0001;

BusinessRules Rules(std::uint8_t rest, bool holidays, std::vector<SerialDay> closed = {},
                    std::vector<SerialDay> open = {}) {
  return {rest, holidays, std::move(closed), std::move(open)};
}

// Week of Monday 2026-12-07; Monday 2026-11-23 is 勤労感謝の日.
TEST(BusinessDays, EachRuleOfWhatABusinessDayIs) {
  const SerialDay monday = SerialOf({2026, 12, 7});
  const SerialDay saturday = monday + 5;
  const SerialDay holiday = SerialOf({2026, 11, 23});
  const struct {
    BusinessRules rules;
    SerialDay from, to;
    int count;
    const char* reason;
  } cases[] = {
      {Rules(kWeekends, true), monday, monday + 4, 4,
       "Monday to Friday: the first day is not counted"},
      {Rules(kWeekends, true), monday + 4, monday, -4,
       "going back counts the last day, not the first"},
      {Rules(kWeekends, true), monday, monday + 7, 5, "Saturday and Sunday rest"},
      {Rules(kWeekends, true), holiday - 3, holiday + 1, 1,
       "a Friday over a weekend and a holiday Monday"},
      {Rules(kWeekends, false), holiday - 3, holiday + 1, 2, "holidays left out"},
      {Rules(kSundays, true), monday, monday + 7, 6, "only Sunday rests"},
      {Rules(0, true), monday, monday + 7, 7, "no rest weekday"},
      {Rules(kWeekends, true, {monday + 2}), monday, monday + 4, 3, "a closed Wednesday"},
      {Rules(kWeekends, true, {}, {saturday}), monday, saturday, 5, "an open Saturday"},
      {Rules(kWeekends, true, {saturday, monday + 1}, {saturday}), monday, saturday, 4,
       "open wins over closed"},
      {Rules(kWeekends, true, {}, {holiday}), holiday - 1, holiday, 1, "open wins over a holiday"},
      {Rules(kWeekends, false, {SerialOf({1900, 1, 2})}), SerialOf({1900, 1, 1}),
       SerialOf({1900, 1, 5}), 3, "closed days outside the data"},
  };
  for (const auto& c : cases) {
    const BusinessCalendar calendar(c.rules);
    EXPECT_EQ(c.count, calendar.Count(c.from, c.to)) << c.reason;
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
  std::uniform_int_distribution<int> shortSpan(-60, 60);
  std::uniform_int_distribution<int> anyCount(-10000, 10000);
  BusinessRules rules = Rules(0b000'0011, true);  // Sunday and Monday
  for (int i = 0; i < 200; ++i) rules.closed.push_back(anyDay(random));
  for (int i = 0; i < 200; ++i) rules.open.push_back(anyDay(random));
  int inverted = 0;
  for (const BusinessCalendar& calendar :
       {BusinessCalendar(Rules(kWeekends, true)), BusinessCalendar(rules)}) {
    for (int i = 0; i < 2000; ++i) {
      const SerialDay from = anyDay(random);
      const SerialDay to =
          std::clamp(from + shortSpan(random), kHolidayDataFrom, kHolidayDataThrough);
      int stepped = 0;
      for (SerialDay day = from + 1; day <= to; ++day) stepped += calendar.IsBusinessDay(day);
      for (SerialDay day = to; day < from; ++day) stepped -= calendar.IsBusinessDay(day);
      ASSERT_EQ(stepped, calendar.Count(from, to)) << from << " to " << to;

      const int count = anyCount(random);
      std::optional<SerialDay> day;
      try {
        day = calendar.After(from, count);
      } catch (const HolidaysUnknownError&) {
        continue;  // the count runs past an end of the data
      }
      ASSERT_TRUE(day) << from;
      ASSERT_EQ(count, calendar.Count(from, *day)) << from << " + " << count;
      if (count != 0) {
        ASSERT_TRUE(calendar.IsBusinessDay(*day)) << from << " + " << count;
      }
      ++inverted;
    }
  }
  EXPECT_LT(2000, inverted) << "most counts stay within the data";
}

}  // namespace
}  // namespace kalvenor
