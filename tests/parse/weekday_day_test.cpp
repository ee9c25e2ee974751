#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "parse/date_parser.h"
#include "parse/weekday_day.h"
#include "pinned_today.h"
#include "text/utf8.h"

namespace ymd {
namespace {

using WeekdayDay = PinnedToday;

struct WeekdayCase {
  std::int16_t year;
  std::int16_t month;
  std::u16string_view field;
  std::int16_t day;
};

constexpr std::int16_t kUnchanged = 7;  // the day passed in

void ExpectDays(const WeekdayCase* begin, const WeekdayCase* end) {
  for (const WeekdayCase* c = begin; c != end; ++c) {
    DateParts date{c->year, c->month, kUnchanged};
    ResolveWeekdayDay(date, std::u16string(c->field));
    EXPECT_EQ(c->day, date.day) << c->year << "-" << c->month << " "
                                << chars::ToUtf8(c->field);
    EXPECT_EQ(c->year, date.year);
    EXPECT_EQ(c->month, date.month);
  }
}

// Today is Tuesday 1999-04-20. Without a week number the search starts
// from today in this month, from the 1st in any other; with one it never
// starts from today. Only the second character is the week number, and a
// blank there is none.
const WeekdayCase kFromThe20th[] = {
    {1999, 4, u"月", 26}, {1999, 4, u"火", 20}, {1999, 4, u"水", 21},
    {1999, 4, u"日", 25}, {1999, 4, u"月1", 5}, {1999, 4, u"月2", 12},
    {1999, 4, u"月3", 19}, {1999, 4, u"月4", 26},
    {1999, 4, u"月5", kDayPastMonthEnd}, {1999, 4, u"金5", 30},
    {1999, 4, u"木5", 29}, {1999, 4, u"土1", 3}, {1999, 5, u"月", 3},
    {1998, 4, u"月", 6}, {1999, 5, u"月5", 31},
    {1999, 2, u"月5", kDayPastMonthEnd}, {2000, 2, u"火5", 29},
    {2000, 2, u"月5", kDayPastMonthEnd},
    {1999, 4, u"月0", kDayInvalid}, {1999, 4, u"月6", kDayInvalid},
    {1999, 4, u"月x", kDayInvalid}, {1999, 4, u"月２", kDayInvalid},
    {1999, 4, u"月22", 12}, {1999, 4, u"月2x", 12}, {1999, 4, u"月 2", 26},
    {1999, 4, u"月\u30002", 26}, {1999, 4, u"月 ", 26},
    // Not weekday fields.
    {1999, 4, u"5", kUnchanged}, {1999, 4, u"E", kUnchanged},
    {1999, 4, u"", kUnchanged}, {1999, 4, u" 月", kUnchanged},
    {1999, 4, u"曜", kUnchanged}, {1999, 13, u"5", kUnchanged},
    // Months outside 1..12; month 0 day 1 is January 1st, a Friday.
    {1999, 13, u"月", kDayInvalid}, {1999, -1, u"月1", kDayInvalid},
    {1999, 0, u"月5", kDayPastMonthEnd}, {1999, 0, u"金1", 1},
    {1999, 0, u"土1", kDayPastMonthEnd},
    // Before 0001-01-01 the weekday still comes out true: 0000-01-01 was
    // a Saturday, -0001-12-31 a Friday.
    {0, 1, u"土", 1}, {0, 1, u"日1", 2}, {-1, 12, u"金5", 31},
    {-32768, 1, u"金5", 30},
};

TEST_F(WeekdayDay, FromTuesdayThe20th) {
  ExpectDays(std::begin(kFromThe20th), std::end(kFromThe20th));
}

const WeekdayCase kFromThe27th[] = {
    {1999, 4, u"月", kDayPastMonthEnd},  // the next Monday is 3 May
    {1999, 4, u"火", 27},
    {1999, 4, u"金", 30},
    {1999, 4, u"月1", 5},
};

TEST_F(WeekdayDay, FromTuesdayThe27th) {
  Pin(u"1999/04/27");
  ExpectDays(std::begin(kFromThe27th), std::end(kFromThe27th));
}

struct ParsedCase {
  std::u16string_view today;
  std::u16string_view text;
  DateParts date;
};

const ParsedCase kParsed[] = {
    {u"1999/04/20", u"月", {1999, 4, 26}},
    {u"1999/04/20", u"月1", {1999, 5, 3}},
    {u"1999/04/20", u"月5", {1999, 5, 31}},
    {u"1999/04/20", u"4/月3", {2000, 4, 17}},
    {u"1999/04/20", u"12/月5", {2001, 12, 31}},
    {u"1999/04/27", u"月", {1999, 5, 3}},
    {u"1999/04/27", u"火", {1999, 4, 27}},
    {u"1999/04/27", u"金", {1999, 4, 30}},
    {u"1999/04/27", u"4/月", {2000, 4, 3}},
    {u"1999/04/27", u"1999/4/月", {0, 0, kDayInvalid}},
};

TEST_F(WeekdayDay, ThroughTheParser) {
  for (const ParsedCase& c : kParsed) {
    SCOPED_TRACE(chars::ToUtf8(c.today));
    Pin(std::u16string(c.today));
    ExpectParsed(c.text, c.date);
  }
}

}  // namespace
}  // namespace ymd
