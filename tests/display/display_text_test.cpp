#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <utility>

#include "display/display_text.h"
#include "support/date_parts_output.h"

namespace kalvenor {
namespace {

// Fields as passed; era and weekday of the folded date, even before day 1.
TEST(DisplayText, BothStyles) {
  const std::tuple<DateParts, std::u16string_view, std::u16string_view> cases[] = {
      {{1989, 1, 7}, u"S 64/ 1/ 7(土)", u" 1989/ 1/ 7(土)"},  // the last day keeps the older era
      {{1989, 1, 8}, u"H 1/ 1/ 8(日)", u" 1989/ 1/ 8(日)"},   // and the first day the newer
      {{1868, 1, 1}, u"M 1/ 1/ 1(水)", u" 1868/ 1/ 1(水)"},
      {{1867, 12, 31}, u" 1867/ 12/ 31(火)", u" 1867/ 12/ 31(火)"},  // no era
      {{2020, 1, 1}, u"H 32/ 1/ 1(水)", u" 2020/ 1/ 1(水)"},         // H is the window's newest
      {{1989, 1, 0}, u"S 64/ 1/ 0(土)", u" 1989/ 1/ 0(土)"},         // folds to 1988-12-31
      {{0, 0, 0}, u" 0/ 0/ 0(金)", u" 0/ 0/ 0(金)"}};                // WeekdayOf gives -2
  for (const auto& [date, era, western] : cases) {
    EXPECT_EQ(era, DisplayText(date, DisplayStyle::Era)) << date;
    EXPECT_EQ(western, DisplayText(date, DisplayStyle::Western)) << date;
  }
  EXPECT_EQ(u"R 1/ 5/ 1(水)", DisplayText({2019, 5, 1}, DisplayStyle::Era, kEras));
}

TEST(NumberText, BlankOrMinusAndNoLeadingZeros) {
  const std::pair<std::int32_t, std::u16string_view> cases[] = {
      {0, u" 0"}, {10, u" 10"}, {-31, u"-31"}, {-2147483647 - 1, u"-2147483648"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(text, NumberText(value)) << value;
}

}  // namespace
}  // namespace kalvenor
