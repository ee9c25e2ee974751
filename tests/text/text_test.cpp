#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "numeric/checked.h"
#include "text/fields.h"
#include "text/full_width.h"
#include "text/utf8.h"

namespace kalvenor::text {
namespace {

using Text = std::u16string;

// A missing field is empty and makes GetField say so; n of 0 or less is the
// empty field. Positions are 16-bit: a longer text raises, leaving no field.
TEST(GetField, SplitsAtAnyDelimiter) {
  // clang-format off
  const std::tuple<Text, Text, std::int16_t, std::optional<Text>> cases[] = {
      {u"2000/1/31", u"/", 4, std::nullopt}, {u"", u"/", 1, u""}, {u"2000//31", u"/", 2, u""},
      {u"", u"/", 2, std::nullopt}, {u"HH12", u"hH", 2, u""}, {u"a/b", u"", 2, std::nullopt},
      {u"a/b", u"/", 0, u""}, {u"a/b", u"/", -32768, u""}};
  // clang-format on
  for (const auto& [text, delimiters, n, want] : cases) {
    Text field = u"junk";
    EXPECT_EQ(!want, GetField(field, text, delimiters, n)) << ToUtf8(text) << n;
    EXPECT_EQ(want.value_or(u""), field) << ToUtf8(text) << n;
  }
  Text field = u"junk";
  EXPECT_THROW(GetField(field, Text(32768, u'a'), u"/", 1), checked::OverflowError);
  EXPECT_EQ(u"", field);
}

// An odd last byte is a code unit alone; an even first byte pairs with the next unit.
TEST(MidByWidth, TakesWidthUnits) {
  const std::tuple<Text, std::int16_t, std::int16_t, Text> cases[] = {
      {u"月2", 1, 1, u"月"},     {u"abc", 2, 0, u"bc"},         {u"月2", 1, 2, u"月\x32"},
      {u"月a", 2, 1, u"\u6167"}, {u"\u3000a", 1, 1, u"\u6130"}, {u"\u3000", 1, 1, u"\x30"}};
  for (const auto& [text, start, count, part] : cases) {
    EXPECT_EQ(part, MidByWidth(text, start, count)) << ToUtf8(text) << start;
  }
  EXPECT_THROW((void)MidByWidth(Text(16384, u'月'), 1, 1), checked::OverflowError);
}

// The block's ends fold, its neighbours and the ideographic space's do not.
TEST(FoldFullWidth, FoldsTheAsciiTwinsAndTheIdeographicSpace) {
  Text text = u"\uFF01\uFF5E\uFF10\u3000\uFF00\uFF5F\u3001\u2FFF";
  FoldFullWidth(text);
  EXPECT_EQ(u"!~0 \uFF00\uFF5F\u3001\u2FFF", text);
}

// Every code point round trips; each byte of an ill-formed sequence and an
// unpaired surrogate become U+FFFD, and the byte after is read afresh.
TEST(Utf8, RoundTripsAndReplacesEachBadByte) {
  std::u16string all;
  for (char16_t c = 0; c < 0xD800; ++c) all += c;
  for (char16_t high = 0xD800; high < 0xDC00; ++high)
    for (char16_t low = 0xDC00; low < 0xE000; ++low) all += {high, low};
  for (char16_t c = 0xE000; c != 0; ++c) all += c;  // up to U+FFFF
  EXPECT_EQ(all, FromUtf8(ToUtf8(all)));
  EXPECT_EQ("\xEF\xBF\xBD\xF0\x90\x80\x80", ToUtf8(u"\xD800\xD800\xDC00"));
  EXPECT_EQ(u"\uFFFD\uFFFDz\uFFFD\uFFFD\uFFFD\uFFFD月\uFFFD\uFFFD\uFFFD",
            FromUtf8("\xC0\xAFz\xED\xA0\x80\xE6\xE6\x9C\x88\xF0\x9F\x98"));
}

}  // namespace
}  // namespace kalvenor::text
