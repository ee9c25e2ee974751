// Test fixture: today pinned, and the parser's reference day taken afresh.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "../calendar/date_parts_output.h"
#include "parse/clock.h"
#include "parse/date_parser.h"
#include "text/utf8.h"

namespace ymd {

class PinnedToday : public ::testing::Test {
 protected:
  static void Pin(const std::u16string& today) {
    SetTodayTextForTesting(today);
    ResetTodayCache();
  }
  // Tuesday; April 1999 begins on a Thursday and has 30 days.
  void SetUp() override { Pin(u"1999/04/20"); }
  void TearDown() override { Pin(u""); }
};

// Parses text and compares; for a want.day of kDayInvalid only the day,
// since year and month then carry no meaning.
inline void ExpectParsed(std::u16string_view text, const DateParts& want) {
  DateParts got{7, 7, 7};
  ParseDate(std::u16string(text), got);
  if (want.day == kDayInvalid) {
    EXPECT_EQ(kDayInvalid, got.day) << chars::ToUtf8(text) << " gave " << got;
  } else {
    EXPECT_EQ(want, got) << chars::ToUtf8(text);
  }
}

}  // namespace ymd
