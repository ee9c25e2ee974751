#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "text/utf8.h"

namespace chars {
namespace {

struct Utf8Case {
  std::string_view bytes;
  std::u16string_view text;
};

std::string Hex(std::string_view bytes) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  std::string hex;
  for (const unsigned char b : bytes) {
    hex += kDigits[b >> 4];
    hex += kDigits[b & 15];
    hex += ' ';
  }
  return hex;
}

const Utf8Case kWellFormed[] = {
    {"", u""},
    {"2000/1/1", u"2000/1/1"},
    {"\xC2\xA5", u"\u00A5"},
    {"\xE6\x9C\x88" "2", u"月2"},
    {"\xEF\xBF\xBD", u"\uFFFD"},
    {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"},
    {"\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},
};

TEST(Utf8, WellFormedConvertsBothWays) {
  for (const Utf8Case& c : kWellFormed) {
    EXPECT_EQ(c.text, FromUtf8(c.bytes)) << Hex(c.bytes);
    EXPECT_EQ(c.bytes, ToUtf8(c.text)) << Hex(c.bytes);
  }
}

// Every byte of an ill-formed sequence gives one U+FFFD; the byte after it
// is read afresh.
const Utf8Case kIllFormed[] = {
    {"\x80", u"\uFFFD"},
    {"\xFF" "a", u"\uFFFDa"},
    {"\xC0\xAF", u"\uFFFD\uFFFD"},              // overlong "/"
    {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},    // overlong "/"
    {"\xF0\x80\x80\xAF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
    {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},    // encoded surrogate
    {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
    {"\xE6\x9C", u"\uFFFD\uFFFD"},              // cut short
    {"\xE6\x9C" "a", u"\uFFFD\uFFFDa"},
    {"a\xF0\x9F\x98", u"a\uFFFD\uFFFD\uFFFD"},
    {"\xE6\xE6\x9C\x88", u"\uFFFD月"},
};

TEST(Utf8, EachBadByteBecomesReplacement) {
  for (const Utf8Case& c : kIllFormed) {
    EXPECT_EQ(c.text, FromUtf8(c.bytes)) << Hex(c.bytes);
  }
}

TEST(Utf8, UnpairedSurrogatesBecomeReplacement) {
  EXPECT_EQ("\xEF\xBF\xBD", ToUtf8(u"\xD800"));
  EXPECT_EQ("\xEF\xBF\xBD" "a", ToUtf8(u"\xDC00" "a"));
  EXPECT_EQ("\xEF\xBF\xBD\xF0\x90\x80\x80", ToUtf8(u"\xD800\xD800\xDC00"));
  EXPECT_EQ("a\xEF\xBF\xBD", ToUtf8(u"a\xDBFF"));
}

// Every code point survives UTF-16 -> UTF-8 -> UTF-16.
TEST(Utf8, EveryCodePointRoundTrips) {
  std::u16string all;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    if (c < 0x10000) {
      all.push_back(static_cast<char16_t>(c));
    } else {
      all.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      all.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
  }
  const std::string bytes = ToUtf8(all);
  EXPECT_EQ(all, FromUtf8(bytes));
  EXPECT_EQ(bytes, ToUtf8(FromUtf8(bytes)));
}

}  // namespace
}  // namespace chars
