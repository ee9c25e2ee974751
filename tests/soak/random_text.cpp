#include "random_text.h"

#include <array>
#include <string_view>

namespace ui::testing {
namespace {

int Pick(std::mt19937& random, int count) {
  return std::uniform_int_distribution<int>(0, count - 1)(random);
}

template <typename T, std::size_t N>
const T& OneOf(std::mt19937& random, const std::array<T, N>& choices) {
  return choices[Pick(random, N)];
}

std::u16string Number(std::mt19937& random) {
  static constexpr std::array<std::u16string_view, 12> kSpecial = {
      u"0",     u"-1",    u"98",     u"99",  u"1.5",  u"2.5",
      u"32767", u"32768", u"-32769", u"1e1", u"&H10", u"&O17"};
  if (Pick(random, 4) == 0) return std::u16string(OneOf(random, kSpecial));
  const int limits[] = {13, 32, 100, 3000, 40000};
  const int value = Pick(random, limits[Pick(random, 5)]);
  std::u16string text;
  for (char c : std::to_string(value)) text += static_cast<char16_t>(c);
  return text;
}

// Year/month/day, month/day or day alone, with the language's extras.
std::u16string DateLike(std::mt19937& random) {
  static constexpr std::array<std::u16string_view, 10> kEras = {u"",  u"",  u"",  u"H", u"h",
                                                                u"S", u"s", u"T", u"M", u"m"};
  static constexpr std::array<std::u16string_view, 9> kDays = {u"",  u"",    u"",    u"",  u"E",
                                                               u"e", u"月2", u"金5", u"土"};
  std::u16string text;
  const int fields = 1 + Pick(random, 4);  // four is one too many
  for (int field = 0; field < fields; ++field) {
    if (field > 0) text += Pick(random, 8) == 0 ? u"/ " : u"/";
    if (field == 0 && fields == 3) text += OneOf(random, kEras);
    const std::u16string_view day = OneOf(random, kDays);
    text += field == fields - 1 && !day.empty() ? std::u16string(day) : Number(random);
  }
  if (Pick(random, 6) == 0) text += u"(土)";
  return text;
}

std::u16string Huge(std::mt19937& random) {
  static constexpr std::array<std::u16string_view, 10> kHuge = {
      u"1e308",       u"-1e308",
      u"1e309",       u"2147483647",
      u"-2147483649", u"99999999999999999999",
      u"&HFFFFFFFF",  u"&O77777777777",
      u"4e9",         u"123456789/123456789/123456789"};
  return std::u16string(OneOf(random, kHuge));
}

// The common ones, and others from the first 512 of the CJK block: enough
// to need font fallback, few enough that glyph loading does not swamp the run.
std::u16string Kanji(std::mt19937& random) {
  static constexpr std::u16string_view kCommon = u"日月火水木金土年和暦西平成昭和大正明治";
  std::u16string text;
  for (int n = 1 + Pick(random, 6); n > 0; --n) {
    text += Pick(random, 2) == 0 ? kCommon[Pick(random, kCommon.size())]
                                 : static_cast<char16_t>(0x4E00 + Pick(random, 0x200));
  }
  return text;
}

// C0 controls, DEL, Enter and Tab among ordinary characters.
std::u16string Controls(std::mt19937& random) {
  std::u16string text;
  for (int n = 1 + Pick(random, 6); n > 0; --n) {
    const int kind = Pick(random, 4);
    text += kind == 0 ? u'\x7f' : kind == 1 ? u'1' : static_cast<char16_t>(Pick(random, 0x20));
  }
  return text;
}

}  // namespace

std::u16string RandomText(std::mt19937& random) {
  switch (Pick(random, 8)) {
    case 0: return Huge(random);
    case 1: return Kanji(random);
    case 2: return Controls(random);
    case 3: return DateLike(random) + Controls(random) + Kanji(random);
    default: return DateLike(random);
  }
}

std::u16string LongPaste(std::mt19937& random) {
  // Now and then one far past anything typed; every one is slow to lay out.
  const int length = 1 + Pick(random, Pick(random, 10) == 0 ? 16000 : 4000);
  std::u16string text;
  while (static_cast<int>(text.size()) < length) text += RandomText(random);
  return text;
}

}  // namespace ui::testing
