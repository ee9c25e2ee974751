#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "numeric/checked.h"
#include "text/fields.h"
#include "text/utf8.h"

namespace chars {
namespace {

using Text = std::u16string;
constexpr std::nullopt_t kMissing = std::nullopt;

// n of 0 or less is the empty field, not a missing one.
TEST(GetField, SplitsAtAnyDelimiter) {
  const std::tuple<Text, Text, std::int16_t, std::optional<Text>> cases[] = {
      // clang-format off
      {u"2000/1/31", u"/", 1, u"2000"}, {u"2000/1/31", u"/", 3, u"31"},
      {u"2000/1/31", u"/", 4, kMissing}, {u"2000//31", u"/", 2, u""},
      {u"2000/1/", u"/", 3, u""}, {u"", u"/", 1, u""}, {u"", u"/", 2, kMissing},
      {u"H12", u"hH", 2, u"12"}, {u"h12", u"hH", 2, u"12"},
      {u"HH12", u"hH", 2, u""}, {u"12", u"hH", 2, kMissing},
      {u"a-b/c", u"/-", 3, u"c"}, {u"a/b", u"", 1, u"a/b"},
      {u"a/b", u"", 2, kMissing}, {u"a/b", u"/", 0, u""},
      {u"a/b", u"/", -32768, u""},
      // clang-format on
  };
  for (const auto& [text, delimiters, n, want] : cases) {
    Text field = u"junk";
    EXPECT_EQ(!want, GetField(field, text, delimiters, n)) << ToUtf8(text) << n;
    EXPECT_EQ(want.value_or(u""), field) << ToUtf8(text) << n;
    EXPECT_EQ(want.value_or(u""), FieldOf(text, delimiters, n)) << n;
  }
  // Positions are 16-bit: a longer text raises, and leaves no field behind.
  Text field = u"junk";
  EXPECT_THROW(GetField(field, Text(32768, u'a'), u"/", 1), checked::OverflowError);
  EXPECT_TRUE(field.empty());
}

TEST(NthOccurrence, CountsOverlappingMatches) {
  const std::tuple<Text, Text, std::int16_t, std::int16_t> cases[] = {
      {u"help", u".", 1, -1}, {u"a.b.c", u".", 2, 4}, {u"a.b.c", u".", 0, -1},
      {u"", u".", 1, -1},     {u"aaa", u"aa", 2, 2},  {u"abc", u"", 3, 3},
      {u"abc", u"", 4, -1},   {u"ab", u"abc", 1, -1}, {u"A", u"a", 1, -1},
  };
  for (const auto& [text, pattern, n, position] : cases) {
    EXPECT_EQ(position, NthOccurrence(text, pattern, n)) << ToUtf8(text) << n;
  }
}

// A part ending on a low byte keeps it as a code unit of its own; one
// starting on a high byte pairs it with the next character's low byte.
TEST(MidByWidth, TakesWidthUnits) {
  const std::tuple<Text, std::int16_t, std::int16_t, Text> cases[] = {
      // clang-format off
      {u"月2", 1, 1, u"月"}, {u"2", 1, 1, u"2"}, {u"ab", 2, 1, u"b"},
      {u"abc", 2, 0, u"bc"}, {u"月2", 1, 2, u"月\x32"},
      {u"月a", 2, 1, u"\u6167"}, {u"\u3000a", 1, 1, u"\u6130"},
      {u"\u3000", 1, 1, u"\x30"}, {u"", 1, 1, u""},
      // clang-format on
  };
  for (const auto& [text, start, count, part] : cases) {
    EXPECT_EQ(part, MidByWidth(text, start, count)) << ToUtf8(text) << start;
  }
  EXPECT_THROW(MidByWidth(Text(16384, u'月'), 1, 1), checked::OverflowError);
}

// Each byte of an ill-formed sequence (overlong, a surrogate, past U+10FFFF,
// cut short) becomes one U+FFFD, and the byte after it is read afresh.
TEST(Utf8, DecodesAndReplacesEachBadByte) {
  const std::pair<std::string, std::u16string> cases[] = {
      // clang-format off
      {"\xC2\xA5", u"\u00A5"}, {"\xE6\x9C\x88x", u"月x"}, {"\x80", u"\uFFFD"},
      {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"}, {"\xFFz", u"\uFFFDz"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"}, {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"\xE6\x9Cz", u"\uFFFD\uFFFDz"}, {"\xE6\xE6\x9C\x88", u"\uFFFD月"},
      {"z\xF0\x9F\x98", u"z\uFFFD\uFFFD\uFFFD"},
      // clang-format on
  };
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(text, FromUtf8(bytes)) << bytes;
  }
}

// With the decoding above, this pins the encoding of every code point; an
// unpaired surrogate is written as U+FFFD.
TEST(Utf8, RoundTripsEveryCodePoint) {
  std::u16string all;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c < 0xD800 || (c > 0xDFFF && c < 0x10000)) {
      all += static_cast<char16_t>(c);
    } else if (c >= 0x10000) {
      all += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      all += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
  }
  EXPECT_EQ(all, FromUtf8(ToUtf8(all)));
  EXPECT_EQ("z\xEF\xBF\xBD", ToUtf8(u"z\xDBFF"));
  EXPECT_EQ("\xEF\xBF\xBD\xF0\x90\x80\x80", ToUtf8(u"\xD800\xD800\xDC00"));
}

}  // namespace
}  // namespace chars
