#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "parse/date_parser.h"
#include "pinned_today.h"
#include "text/utf8.h"

namespace ymd {
namespace {

using DateParser = PinnedToday;

struct ParseCase {
  std::u16string_view text;
  DateParts date;  // day 0: not a date, year and month not compared
};

constexpr DateParts kInvalid{0, 0, kDayInvalid};

// Today is Tuesday 1999-04-20.
const ParseCase kParses[] = {
    // Day only: this month, or the next when earlier than today; a text
    // starting with a blank is today. April is too short for 31, and May is
    // not tried.
    {u"", {1999, 4, 20}}, {u" ", {1999, 4, 20}}, {u" 5", {1999, 4, 20}},
    {u"20", {1999, 4, 20}}, {u"25", {1999, 4, 25}}, {u"5", {1999, 5, 5}},
    {u"30", {1999, 4, 30}}, {u"31", kInvalid}, {u"E", {1999, 4, 30}},
    {u"e", {1999, 4, 30}}, {u"0", kInvalid}, {u"x", kInvalid},
    {u"98", kInvalid}, {u"99", kInvalid}, {u"-1", kInvalid},
    // Month/day: this year, or the next when earlier than today.
    {u"4/20", {1999, 4, 20}}, {u"4/19", {2000, 4, 19}},
    {u"12/31", {1999, 12, 31}}, {u"2/29", {2000, 2, 29}},
    {u"2/30", kInvalid}, {u"2/E", {2000, 2, 29}}, {u"4/E", {1999, 4, 30}},
    {u"4/31", kInvalid}, {u"0/5", kInvalid}, {u"13/1", kInvalid},
    {u"13/E", kInvalid}, {u"5/", kInvalid}, {u"4/98", kInvalid},
    {u"4/99", kInvalid},
    // Full form; era numbers are not range-checked, and HH12 has the empty
    // era number between the letters.
    {u"2000/1/1", {2000, 1, 1}}, {u"h12/1/1", {2000, 1, 1}},
    {u"H12/1/1", {2000, 1, 1}}, {u"H12/2/E", {2000, 2, 29}},
    {u"s64/1/7", {1989, 1, 7}}, {u"T15/12/25", {1926, 12, 25}},
    {u"M45/7/30", {1912, 7, 30}}, {u"m1/1/1", {1868, 1, 1}},
    {u"H0/1/1", {1988, 1, 1}}, {u"S70/1/1", {1995, 1, 1}},
    {u"H1.5/1/1", {1990, 1, 1}}, {u"HH12/1/1", {1988, 1, 1}},
    {u"H12H3/1/1", {2000, 1, 1}},
    // Two-digit years, except after a leading 0.
    {u"99/1/1", {1999, 1, 1}}, {u"52/1/1", {1952, 1, 1}},
    {u"51/1/1", {2051, 1, 1}}, {u"0/1/1", {2000, 1, 1}},
    {u"/3/4", {2000, 3, 4}}, {u"X12/1/1", {2000, 1, 1}},
    {u"12h/1/1", {2012, 1, 1}}, {u"-5/1/1", {1995, 1, 1}},
    {u"100/1/1", {100, 1, 1}}, {u"05/1/1", {5, 1, 1}},
    {u"00/1/1", {0, 1, 1}},
    // Days and months of the full form.
    {u"2000/1/E", {2000, 1, 31}}, {u"2000/1/e", {2000, 1, 31}},
    {u"2000/1/Ex", {2000, 1, 31}}, {u"2000/2/30", kInvalid},
    {u"2000/1/32", kInvalid}, {u"2000/0/1", kInvalid},
    {u"2000/13/1", kInvalid}, {u"2000/1/98", kInvalid},
    {u"2000/1/99", kInvalid}, {u"2000/1/0", kInvalid},
    {u"2000/1/", kInvalid}, {u"2000/1/ E", kInvalid},
    {u"1900/2/29", kInvalid}, {u"2000/1.5/2.5", {2000, 2, 2}},
    {u"2000/ 1 2/1", {2000, 12, 1}}, {u"2000/1/1x", {2000, 1, 1}},
    {u"&H7D0/&H1/&O17", {2000, 1, 15}}, {u"2e3/1/1", {2000, 1, 1}},
    // Weekday fields. The full form tries no other month.
    {u"1999/4/月", {1999, 4, 26}}, {u"2000/2/月5", kInvalid},
    {u"1999/4/月5", kInvalid}, {u"2000/2/火5", {2000, 2, 29}},
    {u"4/月3", {2000, 4, 17}}, {u"5/月2", {1999, 5, 10}},
    {u"12/月5", {2001, 12, 31}}, {u"月", {1999, 4, 26}},
    {u"火", {1999, 4, 20}}, {u"月1", {1999, 5, 3}}, {u"月5", {1999, 5, 31}},
    {u"月6", kInvalid}, {u"2000/1/月0", kInvalid},
    // The negative weekday remainder before 0001-01-01 used to push
    // 0000-01-01, a Saturday, to the 8th.
    {u"00/1/土1", {0, 1, 1}}, {u"00/1/日", {0, 1, 2}},
};

TEST_F(DateParser, ReadsTypedDates) {
  for (const ParseCase& c : kParses) ExpectParsed(c.text, c.date);
}

// A number that does not fit 16 bits makes the text no date; nothing is
// raised.
TEST_F(DateParser, NumbersTooBigAreNoDate) {
  const std::u16string texts[] = {
      u"99999",        u"1e9",          u"1/99999",     u"99999/1",
      u"2000/1/99999", u"2000/40000/1", u"40000/1/1",   u"H40000/1/1",
      u"S32767/1/1",   u"32768/1/1",    u"1e400/1/1",   u"&H10000/1/1",
      u"-1e9/1/1",     u"2000/1/-40000",
      std::u16string(40000, u'1'),
      u"2000/1/" + std::u16string(40000, u'x'),
  };
  for (const std::u16string& text : texts) ExpectParsed(text, kInvalid);
}

TEST_F(DateParser, FourFieldsLeaveYearAndMonth) {
  for (const std::u16string text :
       {u"2000/1/1/", u"1/2/3/4", u"///", u"2000/1/1/1/1"}) {
    DateParts got{1234, 5, 6};
    ParseDate(text, got);
    EXPECT_EQ((DateParts{1234, 5, kDayInvalid}), got) << chars::ToUtf8(text);
  }
}

// The reference day is read once; a later change of the clock is seen only
// after ResetTodayCache.
TEST_F(DateParser, ReferenceDayIsKeptUntilReset) {
  ExpectParsed(u"20", {1999, 4, 20});
  SetTodayTextForTesting(u"1999/04/27");
  ExpectParsed(u"20", {1999, 4, 20});
  ResetTodayCache();
  ExpectParsed(u"20", {1999, 5, 20});
}

struct OffsetCase {
  std::int16_t offset;
  DateParts today;
};

const OffsetCase kOffsets[] = {
    {0, {1999, 4, 20}},    {10, {1999, 4, 30}},    {11, {1999, 5, 1}},
    {-20, {1999, 3, 31}},  {366, {2000, 4, 20}},   {32767, {2089, 1, 4}},
    {-32768, {1909, 8, 2}}, {0, {1999, 4, 20}},
};

TEST_F(DateParser, OffsetMovesTheReferenceDay) {
  for (const OffsetCase& c : kOffsets) {
    DateParts got;
    ParseDateText(u"", got, c.offset);
    EXPECT_EQ(c.today, got) << c.offset;
  }
}

}  // namespace
}  // namespace ymd
