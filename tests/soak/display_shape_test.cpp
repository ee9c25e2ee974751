#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "calendar/gregorian.h"
#include "display/display_text.h"
#include "display_shape.h"
#include "text/utf8.h"

namespace {

struct ShapeCase {
  std::u16string_view text;
  bool display;
  bool number;
};

const ShapeCase kShapes[] = {
    {u"H 12/ 1/ 1(土)", true, false},
    {u" 2000/ 1/ 1(土)", true, false},
    {u"S 64/ 1/ 7(土)", true, false},
    {u" 0/ 1/ 1(土)", true, false},
    {u"-5/ 12/ 0(日)", true, false},  // what an invalid date shows
    {u"H-1987/ 30000/ 0(月)", true, false},
    {u"", false, false},
    {u"2000/ 1/ 1(土)", false, false},    // no blank before the year
    {u" 2000/ 01/ 1(土)", false, false},  // leading zero
    {u" 2000/ 1/ 1", false, false},       // no weekday
    {u" 2000/ 1/ 1(土", false, false},
    {u" 2000/ 1/ 1(土))", false, false},
    {u" 2000/ 1/ 1(X)", false, false},
    {u"X 12/ 1/ 1(土)", false, false},
    {u"H 12/ 1(土)", false, false},
    {u" 2000/-0/ 1(土)", false, false},
    {u"H  12/ 1/ 1(土)", false, false},
    {u" 365", false, true},
    {u" 0", false, true},
    {u"-31", false, true},
    {u"365", false, false},
    {u"-0", false, false},
    {u" 007", false, false},
    {u" ", false, false},
    {u"- 1", false, false},
    {u" 1 ", false, false},
};

TEST(DisplayShape, TellsWindowTextsFromOthers) {
  for (const auto& row : kShapes) {
    const std::string shown = chars::ToUtf8(row.text);
    EXPECT_EQ(row.display, shape::IsDisplayText(row.text)) << shown;
    EXPECT_EQ(row.number, shape::IsNumberText(row.text)) << shown;
  }
}

// The shape must accept every text the engine really writes, or the soak
// would report the engine's own output as garbage.
TEST(DisplayShape, AcceptsTheEnginesDisplayTexts) {
  for (ymd::SerialDay serial = 1; serial <= ymd::kLastSerialDay;
       serial += 997) {
    ymd::DateParts date;
    ymd::SerialDay day = serial;
    ymd::SerialDateConvert(day, date);
    for (auto style : {ymd::DisplayStyle::Era, ymd::DisplayStyle::Western}) {
      const std::u16string text = ymd::DisplayText(date, style);
      ASSERT_TRUE(shape::IsDisplayText(text)) << chars::ToUtf8(text);
    }
  }
  for (std::int32_t days : {0, 1, -1, 365, -2147483647 - 1, 2147483647}) {
    EXPECT_TRUE(shape::IsNumberText(ymd::NumberText(days))) << days;
  }
}

}  // namespace
