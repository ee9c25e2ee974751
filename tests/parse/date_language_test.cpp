#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "clock/today.h"
#include "display/display_text.h"
#include "parse/date_parser.h"
#include "parse/number.h"
#include "parse/plain_date.h"
#include "parse/weekday_day.h"
#include "support/date_parts_output.h"
#include "text/utf8.h"

namespace ymd {
namespace {

using Cases = std::vector<std::pair<std::vector<std::u16string>, DateParts>>;
constexpr DateParts kNo{0, 0, kDayInvalid};
constexpr std::int16_t kPast = kDayPastMonthEnd;
constexpr double kInf = std::numeric_limits<double>::infinity();

// Text, value, and whether it begins with a number at all. A digit run's
// length alone never decides between overflow and underflow.
TEST(ReadNumber, ReadsTheLeadingNumber) {
  const std::u16string zeros(100000, u'0');
  const std::tuple<std::u16string, double, bool> cases[] = {
      // clang-format off
      {u"", 0, false}, {u" ", 0, false}, {u"x5", 0, false}, {u"0", 0, true},
      {u"5x", 5, true}, {u" 1 2", 12, true}, {u"\t1\n2", 12, true},
      {u"1\r2", 1, true}, {u"- 5", -5, true}, {u"--5", 0, false},
      {u".5", 0.5, true}, {u"1 . 2 5", 1.25, true}, {u"１２", 0, false},
      {u"12345678901234567890123", 12345678901234567890123.0, true},
      {u"1e1", 10, true}, {u"1d2", 100, true}, {u"1D2", 100, true},
      {u"2.5E+2", 250, true}, {u"1 e -1", 0.1, true}, {u"1ex", 1, true},
      {u"e5", 0, false}, {u"&H1F", 31, true}, {u"& h 1f", 31, true},
      {u"&HFFFF", 65535, true}, {u"&O17", 15, true}, {u"&o78", 7, true},
      {u"&O8", 0, false}, {u"-&H1", 0, false}, {u"-1e400", -kInf, true},
      {u"1e-400", 0, true}, {u"1" + zeros + u"e-100000", 1, true},
      {u"1" + zeros, kInf, true}, {u"0." + zeros + u"1", 0, true},
      // clang-format on
  };
  for (const auto& [text, value, number] : cases) {
    EXPECT_EQ(value, ReadNumber(text)) << chars::ToUtf8(text.substr(0, 9));
    EXPECT_EQ(number, BeginsWithNumber(text)) << chars::ToUtf8(text);
  }
}

// Today is Tuesday 1999-04-20 unless a test moves it.
class DateLanguage : public ::testing::Test {
 protected:
  static constexpr DateParts kToday{1999, 4, 20};
  const ScopedToday today_{kToday};
  // Each text parses (from 1234-05-07) as its date, any failure as kNo; or,
  // direct, resolves as a day field of its date's month (7: kept).
  static void Expect(const Cases& cases, bool direct = false, DateParts today = kToday) {
    for (const auto& [texts, want] : cases) {
      for (const std::u16string& text : texts) {
        DateParts got{1234, 5, 7};
        if (direct) got = {want.year, want.month, 7};
        direct ? ResolveWeekdayDay(got, text, today) : ParseDate(text, got);
        if (want == kNo && got.day == kDayInvalid) got = kNo;
        EXPECT_EQ(want, got) << chars::ToUtf8(text.substr(0, 20));
      }
    }
  }
};

TEST_F(DateLanguage, ReadsTypedDates) {
  const std::u16string tooLong(40000, u'x');
  // clang-format off
  Expect({
      {{u"", u" ", u" 5", u"20", u"4/20"}, {1999, 4, 20}},
      {{u"30", u"E", u"e", u"4/E"}, {1999, 4, 30}}, {{u"5"}, {1999, 5, 5}},
      {{u"12/31", u"1999/ 1 2/3 1"}, {1999, 12, 31}},
      {{u"4/19"}, {2000, 4, 19}},
      {{u"2/29", u"2/E", u"H12/2/E", u"2000/2/火5"}, {2000, 2, 29}},
      {{u"2000/1/1", u"h12/1/1", u"H12H3/1/1", u"0/1/1", u"/1/1", u"X12/1/1",
        u"2000/1/1x", u"&H7D0/&H1/&O1"}, {2000, 1, 1}},
      {{u"H1/1/1", u"s64/1/1"}, {1989, 1, 1}}, {{u"99/1/1"}, {1999, 1, 1}},
      {{u"S1/1/1", u"T15/1/1"}, {1926, 1, 1}}, {{u"-5/1/1"}, {1995, 1, 1}},
      {{u"T1/1/1", u"M45/1/1"}, {1912, 1, 1}}, {{u"HH12/1/1"}, {1988, 1, 1}},
      {{u"H1.5/1/1", u"90/1/1"}, {1990, 1, 1}}, {{u"52/1/1"}, {1952, 1, 1}},
      {{u"51/1/1"}, {2051, 1, 1}}, {{u"05/1/1"}, {5, 1, 1}},
      {{u"00/1/1"}, {0, 1, 1}}, {{u"2000/1/E", u"2000/1/Ex"}, {2000, 1, 31}},
      {{u"2000/1.5/2.5"}, {2000, 2, 2}}, {{u"25"}, {1999, 4, 25}},
      {{u"月", u"1999/4/月"}, {1999, 4, 26}}, {{u"月1"}, {1999, 5, 3}},
      {{u"月5"}, {1999, 5, 31}}, {{u"4/月3"}, {2000, 4, 17}},
      {{u"5/月2"}, {1999, 5, 10}}, {{u"12/月5"}, {2001, 12, 31}},
      {{u"2000/1/1/", u"1/2/3/4", u"///"}, {1234, 5, kDayInvalid}},
      // No date; numbers too big for 16 bits or texts too long raise nothing.
      {{u"31", u"0", u"x", u"98", u"99", u"2/30", u"0/5", u"13/1", u"13/E",
        u"5/", u"4/98", u"2000/2/30", u"2000/0/1", u"2000/13/1", u"2000/1/98",
        u"2000/1/99", u"2000/1/", u"2000/1/ E", u"1900/2/29", u"1999/4/月5",
        u"2000/2/月5", u"99999", u"1/99999", u"2000/40000/1", u"32768/1/1",
        u"H40000/1/1", u"&H10000/1/1", tooLong + u"/1/1"}, kNo},
  });
  // clang-format on
}

// Without a week number the search starts from today in this month.
TEST_F(DateLanguage, ResolvesWeekdayDays) {
  // clang-format off
  Expect({
      {{u"月", u"月4", u"月 2", u"月\u30002"}, {1999, 4, 26}},
      {{u"火"}, {1999, 4, 20}}, {{u"水"}, {1999, 4, 21}},
      {{u"日"}, {1999, 4, 25}}, {{u"月1"}, {1999, 4, 5}},
      {{u"月2", u"月22", u"月2x"}, {1999, 4, 12}}, {{u"月3"}, {1999, 4, 19}},
      {{u"金5"}, {1999, 4, 30}}, {{u"木5"}, {1999, 4, 29}},
      {{u"月0", u"月6", u"月x"}, {1999, 4, 0}},
      {{u"5", u"E", u""}, {1999, 4, 7}}, {{u"月"}, {1999, 5, 3}},
      {{u"月"}, {1998, 4, 6}}, {{u"月5"}, {1999, 5, 31}},
      {{u"月5"}, {1999, 4, kPast}}, {{u"月5"}, {1999, 2, kPast}},
      {{u"月5"}, {2000, 2, kPast}}, {{u"火5"}, {2000, 2, 29}},
      {{u"月"}, {1999, 13, 0}}, {{u"土"}, {0, 1, 1}},
      {{u"金5"}, {-32768, 1, 30}},
  }, /*direct=*/true);
  Expect({{{u"月"}, {1999, 4, kPast}}, {{u"火"}, {1999, 4, 27}}}, true, {1999, 4, 27});
  // clang-format on
}

// One today for each parse, from the clock: here the clock moves on a day
// at every reading. This used to keep the first parse's day for the empty
// text while 月 read the clock afresh, so a window left open over midnight
// counted 月 from one day and the empty text from another.
TEST_F(DateLanguage, EachParseReadsTodayOnce) {
  DateParts now{1999, 4, 25};
  const ScopedToday stepping(Clock([&now] { return ++now.day, now; }));
  Expect({{{u"月"}, {1999, 4, 26}}, {{u""}, {1999, 4, 27}}, {{u"月"}, {1999, 5, 3}}});
}

// R is an era letter only where the caller passes the full era table.
TEST_F(DateLanguage, TakesTheEraTable) {
  DateParts got;
  ParseDate(u"r1/5/1", got, kEras);
  EXPECT_EQ((DateParts{2019, 5, 1}), got);
  ParseDate(u"r1/5/1", got);
  EXPECT_EQ((DateParts{2000, 5, 1}), got) << "a year field that reads 0";
}

// Display texts are typed back in (addition mode writes results in a box).
TEST_F(DateLanguage, DisplayTextsReadBack) {
  Cases cases;
  for (std::int16_t year = 100; year <= 9999; year += 5) {
    const DateParts date{year, static_cast<std::int16_t>(1 + year % 12),
                         static_cast<std::int16_t>(1 + year % 28)};
    cases.push_back(
        {{DisplayText(date, DisplayStyle::Era), DisplayText(date, DisplayStyle::Western)}, date});
  }
  Expect(cases);
}

// The fast path answers exactly the plain valid dates with a year of three
// digits or more, as the general path reads them (a trailing letter keeps
// a text off the fast path); with one character changed, near misses.
TEST(PlainDate, AgreesWithTheGeneralPath) {
  std::mt19937 random(7);
  for (int i = 0; i < 40000; ++i) {
    const unsigned year = random() % 40000;
    std::u16string text =
        chars::FromUtf8(std::to_string(year) + "/" + std::to_string(random() % 14) + "/" +
                        std::to_string(random() % 33));
    const bool changed = i % 2 == 1;
    if (changed) text[random() % text.size()] = u"/ xE0"[random() % 5];
    DateParts fast{1, 1, 1}, general{1, 1, 1};
    const bool answered = ReadPlainDate(text, fast);
    ParseDate(text + u"x", general);
    EXPECT_TRUE(changed || answered == (year >= 100 && general.day != 0)) << chars::ToUtf8(text);
    EXPECT_EQ(answered ? general : fast, fast) << chars::ToUtf8(text);
  }
}

}  // namespace
}  // namespace ymd
