#include "display/display_text.h"

#include <gtest/gtest.h>

#include <string_view>

namespace ymd {
namespace {

// Fields as passed; era and weekday of the folded date, even before day 1.
TEST(DisplayText, BothStyles) {
  const struct { DateParts date; std::u16string_view era, western; } cases[] = {
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
      {{2000, 1, 0}, u"H 12/ 1/ 0(金)", u" 2000/ 1/ 0(金)"},
      {{2000, 0, 0}, u"H 12/ 0/ 0(金)", u" 2000/ 0/ 0(金)"},
      {{1989, 1, 0}, u"S 64/ 1/ 0(土)", u" 1989/ 1/ 0(土)"},
      {{1867, 12, 32}, u"M 0/ 12/ 32(水)", u" 1867/ 12/ 32(水)"},
      {{-5, 1, 1}, u"-5/ 1/ 1(日)", u"-5/ 1/ 1(日)"},
      {{0, 1, 1}, u" 0/ 1/ 1(土)", u" 0/ 1/ 1(土)"},
      {{0, 0, 0}, u" 0/ 0/ 0(金)", u" 0/ 0/ 0(金)"},
      {{-1, -1, -1}, u"-1/-1/-1(水)", u"-1/-1/-1(水)"},
      {{-32768, 1, 1}, u"-32768/ 1/ 1(木)", u"-32768/ 1/ 1(木)"}};
  for (const auto& [date, era, western] : cases) {
    EXPECT_EQ(era, DisplayText(date, DisplayStyle::Era)) << date.year;
    EXPECT_EQ(western, DisplayText(date, DisplayStyle::Western)) << date.year;
  }
}

// The window knows no era after H; the full table, for kalvenor-cli, does.
TEST(FormatEraDate, TakesTheEraTable) {
  EXPECT_EQ(u"H 31/ 4/ 30", FormatEraDate({2019, 4, 30}, kEras));
  EXPECT_EQ(u"R 1/ 5/ 1", FormatEraDate({2019, 5, 1}, kEras));
  EXPECT_EQ(u"H 31/ 5/ 1", FormatEraDate({2019, 5, 1}));
}

TEST(NumberText, BlankOrMinusAndNoLeadingZeros) {
  const struct { std::int32_t value; std::u16string_view text; } cases[] = {
      {0, u" 0"}, {7, u" 7"}, {10, u" 10"}, {-1, u"-1"}, {-31, u"-31"},
      {2147483647, u" 2147483647"}, {-2147483647 - 1, u"-2147483648"}};
  for (const auto& c : cases) EXPECT_EQ(c.text, NumberText(c.value)) << c.value;
}

}  // namespace
}  // namespace ymd
