#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "parse/date_parser.h"
#include "parse/date_rules.h"
#include "parse/day_field.h"
#include "parse/number.h"
#include "support/date_parts_output.h"
#include "text/utf8.h"

namespace kalvenor {
namespace {

using Cases = std::vector<std::pair<std::vector<std::u16string>, DateParts>>;
constexpr DateParts kNo{0, 0, kDayInvalid}, kToday{1999, 4, 20};  // a Tuesday

// Text, value, and whether it begins with a number at all.
TEST(ReadNumber, ReadsTheLeadingNumber) {
  const std::u16string zeros(100000, u'0');
  // clang-format off
  const std::tuple<std::u16string, double, bool> cases[] = {
      {u"", 0, false}, {u"x5", 0, false}, {u"0", 0, true}, {u"5x", 5, true}, {u"\t1\n 2", 12, true},
      {u"1\r2", 1, true}, {u"- 5", -5, true}, {u"1 . 2 5", 1.25, true}, {u"１２", 0, false},
      {u"12345678901234567890123", 12345678901234567890123.0, true}, {u"1 e -1", 0.1, true},
      {u"2.5D+2", 250, true}, {u"1ex", 1, true}, {u"& h 1f", 31, true}, {u"&HFFFF", 65535, true},
      {u"&o78", 7, true}, {u"&O8", 0, false}, {u"-&H1", 0, false}, {u"-1e400", -HUGE_VAL, true},
      {u"1" + zeros + u"e-100000", 1, true}, {u"0." + zeros + u"1", 0, true}};
  // clang-format on
  for (const auto& [text, value, number] : cases) {
    EXPECT_EQ(value, ReadNumber(text)) << text::ToUtf8(text.substr(0, 9));
    EXPECT_EQ(number, BeginsWithNumber(text)) << text::ToUtf8(text.substr(0, 9));
  }
}

// Each text parses (from 1234-05-07) as its date, any failure as kNo.
void Expect(const Cases& cases, DateParts today = kToday, std::span<const Era> eras = kWindowEras) {
  for (const auto& [texts, want] : cases) {
    for (const std::u16string& text : texts) {
      const ParsedDate parsed = ParseDate(text, today, eras, {1234, 5, 7});
      DateParts got = parsed.fields;
      EXPECT_EQ(parsed.date.has_value(), got.day != kDayInvalid) << text::ToUtf8(text);
      if (want == kNo && got.day == kDayInvalid) got = kNo;
      EXPECT_EQ(want, got) << text::ToUtf8(text.substr(0, 20)) << ", today " << today;
    }
  }
}

// A day goes to this month, or the next when before today (a month too short is no date); a
// month/day to the first of six years with it, not before today.
TEST(DateLanguage, CompletesFromToday) {
  // clang-format off
  Expect({{{u"", u" ", u" 5", u"20", u"4/20"}, kToday},  // a leading blank is today
          {{u"30", u"E", u"e", u"4/E"}, {1999, 4, 30}}, {{u"5"}, {1999, 5, 5}},
          {{u"月"}, {1999, 4, 26}}, {{u"月1"}, {1999, 5, 3}}, {{u"月5"}, {1999, 5, 31}},
          {{u"4/19"}, {2000, 4, 19}}, {{u"2/29", u"2/E"}, {2000, 2, 29}},
          {{u"4/月3"}, {2000, 4, 17}}, {{u"5/月2"}, {1999, 5, 10}}, {{u"12/月5"}, {2001, 12, 31}},
          {{u"98", u"0/5", u"13/1", u"5/", u"4/98"}, kNo}});  // more under KeepsTheFieldsOfNoDate
  // clang-format on
  // February 2039 is behind today, 2040..2043 have no fifth Monday; R only in kalvenor-cli's eras.
  Expect({{{u"2/月5"}, {2044, 2, 29}}, {{u"r1/5/1"}, {2019, 5, 1}}}, {2039, 3, 1}, kEras);
}

// The full form: era letters (R only for kalvenor-cli), two-digit years, no search.
TEST(DateLanguage, ReadsTheFullForm) {
  const std::u16string tooLong(40000, u'x');
  // clang-format off
  Expect({{{u"2000/1/1", u"h12/1/1", u"0/1/1", u"/1/1", u"X12/1/1", u"r1/1/1", u"2000/1/1x",
            u"&H7D0/&H1/&O1"}, {2000, 1, 1}}, {{u"s64/1/7"}, {1989, 1, 7}},
          {{u"12h/1/1"}, {2012, 1, 1}}, {{u"H1.5/1/1"}, {1990, 1, 1}},  // halves round to even
          {{u"HH12/1/1"}, {1988, 1, 1}},  // the era year is the empty text between the H's
          {{u"51/1/1"}, {2051, 1, 1}}, {{u"52/1/1"}, {1952, 1, 1}}, {{u"-5/1/1"}, {1995, 1, 1}},
          {{u"05/1/1"}, {5, 1, 1}}, {{u"00/1/1"}, {0, 1, 1}},  // as written after a 0
          {{u"2000/1/E"}, {2000, 1, 31}}, {{u"2000/1.5/2.5"}, {2000, 2, 2}},
          {{u"H12/2/E", u"2000/2/火5"}, {2000, 2, 29}}, {{u"1999/4/月"}, {1999, 4, 26}},
          {{u"2000/1/1/", u"1/2/3/4"}, {1234, 5, kDayInvalid}},  // year and month kept
          {{u"2000/2/30", u"2000/0/1", u"2000/13/1", u"2000/1/98", u"2000/1/", u"2000/1/ E",
            u"1999/4/月5", u"2000/40000/1", u"32768/1/1", u"H40000/1/1", u"&H10000/1/1",
            tooLong + u"/1/1", u"1/1/" + tooLong.substr(0, 16384)}, kNo}});
  // clang-format on
}

// For no date (day 0) the window shows the fields the parse reached: where a search gave up, and
// the fields before a number too big.
TEST(DateLanguage, KeepsTheFieldsOfNoDate) {
  // clang-format off
  Expect({{{u"31", u"0", u"x", u"月0"}, {1999, 4, 0}},  // today's month
          {{u"99"}, {2007, 8, 0}},  // 99 lies past every month's end: a hundred months tried
          {{u"2/30", u"2/99"}, {2005, 2, 0}}, {{u"13/5"}, {2005, 13, 0}},  // six years tried
          {{u"0/月"}, {2005, 0, 0}},  // month 0 has no days
          {{u"13/月", u"13/E"}, {1999, 13, 0}}, {{u"-1/月"}, {1999, -1, 0}},  // and others no row
          {{u"1/-5"}, {2000, 1, 0}}, {{u"12/-5"}, {1999, 12, 0}},  // taken, then not a day
          {{u"2000/2/月5"}, {2000, 2, 0}}, {{u"99999", u"1/99999"}, {1234, 5, 0}}});
  // clang-format on
}

// The day each field gives in want's month (with today kToday unless given): kNoDay for none at
// all, kNotInMonth when the month lacks it, kNotWeekday for a field that names no weekday.
constexpr std::int16_t kNoDay = 0, kNotInMonth = -1, kNotWeekday = 7;

void ExpectWeekdayDays(const Cases& cases, DateParts today = kToday) {
  for (const auto& [texts, want] : cases) {
    for (const std::u16string& text : texts) {
      const DayField field = ReadDayField(text, kNotWeekday);
      std::int16_t day = field.kind == DayKind::None ? kNoDay : kNotWeekday;
      if (field.kind == DayKind::Weekday) {
        day = WeekdayDay(want.year, want.month, field.weekday, field.week, today)
                  .value_or(kNotInMonth);
      }
      EXPECT_EQ(want.day, day) << text::ToUtf8(text) << " in " << want << ", today " << today;
    }
  }
}

// Without a week number the walk starts from today in today's month.
TEST(WeekdayDay, FindsTheWeekdayOfTheMonth) {
  // clang-format off
  ExpectWeekdayDays({{{u"月", u"月4", u"月 2", u"月\u30002"}, {1999, 4, 26}}, {{u"火"}, kToday},
      {{u"日"}, {1999, 4, 25}}, {{u"月1"}, {1999, 4, 5}}, {{u"木5"}, {1999, 4, 29}},
      {{u"月2", u"月22", u"月2x"}, {1999, 4, 12}}, {{u"5", u"E", u"", u"x"}, {1999, 4, kNotWeekday}},
      {{u"月0", u"月6", u"月x"}, {1999, 4, kNoDay}}, {{u"月"}, {1999, 5, 3}}, {{u"月"}, {1998, 4, 6}},
      {{u"月5"}, {1999, 2, kNotInMonth}}, {{u"土"}, {0, 1, 1}}, {{u"金5"}, {-32768, 1, 30}},
      // Month 0 has no days: the start day when it has the weekday, else none.
      {{u"金1"}, {1999, 0, 1}}, {{u"土1", u"金5"}, {1999, 0, kNotInMonth}}});
  ExpectWeekdayDays({{{u"月"}, {1999, 4, kNotInMonth}}, {{u"火"}, {1999, 4, 27}},
                     {{u"金"}, {1999, 4, 30}}}, {1999, 4, 27});
  // clang-format on
}

}  // namespace
}  // namespace kalvenor
