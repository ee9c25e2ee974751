#include <gtest/gtest.h>

#include <string>

#include "../calendar/date_parts_output.h"
#include "calendar/gregorian.h"
#include "parse/clock.h"
#include "text/utf8.h"

namespace ymd {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

TEST(TodayText, SystemClockGivesAValidDate) {
  SetTodayTextForTesting(u"");
  const std::u16string today = TodayText();
  ASSERT_EQ(10u, today.size()) << chars::ToUtf8(today);
  for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    EXPECT_TRUE(IsDigit(today[i])) << chars::ToUtf8(today);
  }
  EXPECT_EQ(u'/', today[4]);
  EXPECT_EQ(u'/', today[7]);
  const DateParts date = TodayDate();
  EXPECT_GE(date.year, 2020) << date;
  EXPECT_GE(date.day, 1) << date;
  EXPECT_LE(date.day, DaysInMonth(date.year, date.month)) << date;
}

struct PinnedCase {
  std::u16string text;
  DateParts date;
};

// Fixed character positions; whatever does not read as a number is 0.
const PinnedCase kPinned[] = {
    {u"1999/04/20", {1999, 4, 20}},
    {u"2000/12/31", {2000, 12, 31}},
    {u"0099/01/02", {99, 1, 2}},
    {u"1999-4-20", {1999, 4, 0}},
    {u"1999/04", {1999, 4, 0}},
    {u"x", {0, 0, 0}},
};

TEST(TodayText, PinnedTextIsCutAtFixedPositions) {
  for (const PinnedCase& c : kPinned) {
    SetTodayTextForTesting(c.text);
    EXPECT_EQ(c.text, TodayText());
    EXPECT_EQ(c.date, TodayDate()) << chars::ToUtf8(c.text);
  }
  SetTodayTextForTesting(u"");
  EXPECT_NE(u"x", TodayText());
}

}  // namespace
}  // namespace ymd
