#include "display/display_text.h"

#include <gtest/gtest.h>

#include <string_view>

#include "../calendar/date_parts_output.h"
#include "calendar/gregorian.h"
#include "numeric/checked.h"

namespace ymd {
namespace {

struct DisplayCase {
  DateParts date;
  std::u16string_view era;
  std::u16string_view western;
};

// Era boundaries: the last day before an era keeps the older era.
const DisplayCase kDisplayTexts[] = {
    {{2000, 1, 1}, u"H 12/ 1/ 1(土)", u" 2000/ 1/ 1(土)"},
    {{1989, 1, 7}, u"S 64/ 1/ 7(土)", u" 1989/ 1/ 7(土)"},
    {{1989, 1, 8}, u"H 1/ 1/ 8(日)", u" 1989/ 1/ 8(日)"},
    {{1926, 12, 24}, u"T 15/ 12/ 24(金)", u" 1926/ 12/ 24(金)"},
    {{1926, 12, 25}, u"S 1/ 12/ 25(土)", u" 1926/ 12/ 25(土)"},
    {{1912, 7, 29}, u"M 45/ 7/ 29(月)", u" 1912/ 7/ 29(月)"},
    {{1912, 7, 30}, u"T 1/ 7/ 30(火)", u" 1912/ 7/ 30(火)"},
    {{1868, 1, 1}, u"M 1/ 1/ 1(水)", u" 1868/ 1/ 1(水)"},
    {{1867, 12, 31}, u" 1867/ 12/ 31(火)", u" 1867/ 12/ 31(火)"},
    {{1, 1, 1}, u" 1/ 1/ 1(月)", u" 1/ 1/ 1(月)"},
    {{2019, 5, 1}, u"H 31/ 5/ 1(水)", u" 2019/ 5/ 1(水)"},
    {{2020, 1, 1}, u"H 32/ 1/ 1(水)", u" 2020/ 1/ 1(水)"},
    // Fields are shown as passed; the era follows the folded date.
    {{2000, 1, 0}, u"H 12/ 1/ 0(金)", u" 2000/ 1/ 0(金)"},
    {{2000, 0, 0}, u"H 12/ 0/ 0(金)", u" 2000/ 0/ 0(金)"},
    {{1989, 1, 0}, u"S 64/ 1/ 0(土)", u" 1989/ 1/ 0(土)"},
    {{1868, 1, 0}, u" 1868/ 1/ 0(火)", u" 1868/ 1/ 0(火)"},
    {{1867, 12, 32}, u"M 0/ 12/ 32(水)", u" 1867/ 12/ 32(水)"},
    {{9999, 12, 31}, u"H 8011/ 12/ 31(金)", u" 9999/ 12/ 31(金)"},
    // Before 0001-01-01 the weekday is the folded date's true one, even
    // where the day arithmetic leaves a negative remainder.
    {{-5, 1, 1}, u"-5/ 1/ 1(日)", u"-5/ 1/ 1(日)"},
    {{0, 1, 1}, u" 0/ 1/ 1(土)", u" 0/ 1/ 1(土)"},
    {{0, 0, 0}, u" 0/ 0/ 0(金)", u" 0/ 0/ 0(金)"},
    {{0, 12, 31}, u" 0/ 12/ 31(日)", u" 0/ 12/ 31(日)"},
    {{-1, -1, -1}, u"-1/-1/-1(水)", u"-1/-1/-1(水)"},
    {{-32768, 1, 1}, u"-32768/ 1/ 1(木)", u"-32768/ 1/ 1(木)"},
};

TEST(DisplayText, BothStyles) {
  for (const auto& c : kDisplayTexts) {
    EXPECT_EQ(c.era, DisplayText(c.date, DisplayStyle::Era)) << c.date;
    EXPECT_EQ(c.western, DisplayText(c.date, DisplayStyle::Western)) << c.date;
  }
}

TEST(DisplayText, FieldsThatDoNotFoldToADayNumberOverflow) {
  const DateParts date{2001, 12, 32434};
  EXPECT_THROW(FormatEraDate(date), checked::OverflowError);
  EXPECT_THROW(DisplayText(date, DisplayStyle::Western),
               checked::OverflowError);
}

TEST(NumberText, BlankOrMinusAndNoLeadingZeros) {
  const struct {
    std::int32_t value;
    std::u16string_view text;
  } cases[] = {
      {0, u" 0"},
      {7, u" 7"},
      {365, u" 365"},
      {-31, u"-31"},
      {10, u" 10"},
      {-1, u"-1"},
      {2147483647, u" 2147483647"},
      {-2147483647 - 1, u"-2147483648"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.text, NumberText(c.value)) << c.value;
  }
}

}  // namespace
}  // namespace ymd
