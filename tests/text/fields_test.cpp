#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "numeric/checked.h"
#include "text/fields.h"
#include "text/utf8.h"

namespace chars {
namespace {

struct FieldCase {
  std::u16string_view text;
  std::u16string_view delimiters;
  std::int16_t n;
  std::u16string_view field;
  bool missing;
};

// Nothing behind the n-th delimiter is looked at; n of 0 or less is the
// empty field, not a missing one.
const FieldCase kFields[] = {
    {u"2000/1/31", u"/", 1, u"2000", false},
    {u"2000/1/31", u"/", 2, u"1", false},
    {u"2000/1/31", u"/", 3, u"31", false},
    {u"2000/1/31", u"/", 4, u"", true},
    {u"2000//31", u"/", 2, u"", false}, {u"2000/1/", u"/", 3, u"", false},
    {u"/1/2", u"/", 1, u"", false}, {u"1/2/3/4", u"/", 3, u"3", false},
    {u"", u"/", 1, u"", false}, {u"", u"/", 2, u"", true},
    {u"H12", u"hH", 2, u"12", false}, {u"h12", u"hH", 2, u"12", false},
    {u"HH12", u"hH", 2, u"", false}, {u"H12h5", u"hH", 2, u"12", false},
    {u"12", u"hH", 2, u"", true}, {u"a-b/c", u"/-", 2, u"b", false},
    {u"a-b/c", u"/-", 3, u"c", false}, {u"a/b", u"", 1, u"a/b", false},
    {u"a/b", u"", 2, u"", true}, {u"a/b", u"/", 0, u"", false},
    {u"a/b", u"/", -32768, u"", false}, {u"月/火", u"/", 2, u"火", false},
};

TEST(GetField, SplitsAtAnyDelimiter) {
  for (const FieldCase& c : kFields) {
    const std::string label = ToUtf8(c.text) + " n=" + std::to_string(c.n);
    const std::u16string text(c.text);
    const std::u16string delimiters(c.delimiters);
    std::u16string field = u"junk";
    EXPECT_EQ(c.missing, GetField(field, text, delimiters, c.n)) << label;
    EXPECT_EQ(c.field, field) << label;
    EXPECT_EQ(c.field, FieldOf(text, delimiters, c.n)) << label;
  }
}

struct OccurrenceCase {
  std::u16string_view text;
  std::u16string_view pattern;
  std::int16_t n;
  std::int16_t position;
};

const OccurrenceCase kOccurrences[] = {
    {u"help", u".", 1, -1}, {u"help.htm", u".", 1, 5}, {u"a.b.c", u".", 2, 4},
    {u"a.b.c", u".", 3, -1}, {u"a.b.c", u".", 0, -1}, {u"", u".", 1, -1},
    {u"aaa", u"aa", 1, 1}, {u"aaa", u"aa", 2, 2}, {u"aaa", u"aa", 3, -1},
    {u"abc", u"", 3, 3}, {u"abc", u"", 4, -1}, {u"", u"", 1, -1},
    {u"ab", u"abc", 1, -1}, {u"xab", u"ab", 1, 2}, {u"A", u"a", 1, -1},
    {u"月火月", u"月", 2, 3},
};

TEST(NthOccurrence, CountsOverlappingMatches) {
  for (const OccurrenceCase& c : kOccurrences) {
    EXPECT_EQ(c.position, NthOccurrence(std::u16string(c.text),
                                        std::u16string(c.pattern), c.n))
        << ToUtf8(c.text) << " / " << ToUtf8(c.pattern) << " n=" << c.n;
  }
}

struct WidthCase {
  std::u16string_view text;
  std::int16_t start;
  std::int16_t count;
  std::u16string_view part;
};

// A count of 0 or below takes the rest. A part ending on a low byte keeps
// it as a code unit of its own (月 and the low byte of 2); one starting on a
// high byte pairs it with the next character's low byte.
const WidthCase kWidths[] = {
    {u"月2", 1, 1, u"月"}, {u"2", 1, 1, u"2"}, {u"E", 1, 1, u"E"},
    {u"ab", 2, 1, u"b"}, {u"ab", 1, 2, u"ab"}, {u"abc", 2, 0, u"bc"},
    {u"abc", 1, -1, u"abc"}, {u"月2", 1, 2, u"月\u0032"}, {u"a月", 2, 1, u"月"},
    {u"月a", 2, 1, u"\u6167"}, {u"\u3000a", 1, 1, u"\u6130"},
    {u"\u3000", 1, 1, u"\u0030"},
    // No start-th unit.
    {u"", 1, 1, u""}, {u"ab", 3, 1, u""}, {u"ab", 0, 1, u""},
    {u"ab", -1, 1, u""},
};

TEST(MidByWidth, TakesWidthUnits) {
  for (const WidthCase& c : kWidths) {
    EXPECT_EQ(c.part, MidByWidth(std::u16string(c.text), c.start, c.count))
        << ToUtf8(c.text) << " start=" << c.start << " count=" << c.count;
  }
}

// Positions are 16-bit: the longest texts still work, one more unit raises.
TEST(TextLength, OverflowsPastSixteenBits) {
  const std::u16string longest(32767, u'a');
  const std::u16string tooLong(32768, u'a');
  std::u16string field;
  EXPECT_FALSE(GetField(field, longest, u"/", 1));
  EXPECT_EQ(longest, field);
  EXPECT_EQ(32767, NthOccurrence(longest, u"a", 32767));
  EXPECT_THROW(GetField(field, tooLong, u"/", 1), checked::OverflowError);
  EXPECT_TRUE(field.empty());
  EXPECT_THROW(FieldOf(tooLong, u"/", 1), checked::OverflowError);
  EXPECT_THROW(NthOccurrence(tooLong, u"a", 1), checked::OverflowError);

  const std::u16string widest(16383, u'月');
  EXPECT_EQ(u"月", MidByWidth(widest, 32765, 1));
  EXPECT_THROW(MidByWidth(widest + u"月", 1, 1), checked::OverflowError);
}

}  // namespace
}  // namespace chars
