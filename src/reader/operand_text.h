// Operand bytes to the UTF-16 text the engine reads, and the blanks and
// words of that text.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace kalvenor::reader {

// Decodes UTF-8 into text, reusing its storage; plain ASCII, the usual
// batch line, takes a fast path. For every operand and stream line:
// - a byte-order mark at the start is dropped (an editor's, or the first
//   line of a file that a script concatenated);
// - full-width forms U+FF01..U+FF5E become their ASCII twins and U+3000 a
//   blank, so "１２／３１" typed with an input method is 12/31.
void DecodeOperand(std::string_view bytes, std::u16string& text);

// The blanks that may stand around an operand and between the parts of a
// date: space, tab and the other Unicode spaces, such as a no-break space
// from a web page or a spreadsheet and U+202F, which some locales put
// before "PM" (a full-width blank has become " " by then).
constexpr bool IsOperandBlank(char16_t c) {
  if (c < 0xA0) return c == u' ' || c == u'\t';
  return c <= 0x205F &&  // kana and kanji at a glance
         (c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F);
}

// "-" and the look-alikes that word processors and typesetting put for a
// minus or a hyphen: U+2010, U+2011 and U+2212 (U+FF0D is folded).
constexpr bool IsDash(char16_t c) { return c == u'-' || c == 0x2010 || c == 0x2011 || c == 0x2212; }

// text without the blanks around it and the CRs at its end (an argument
// cut from a CRLF file keeps its CR).
inline std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsOperandBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && (IsOperandBlank(text.back()) || text.back() == u'\r')) {
    text.remove_suffix(1);
  }
  return text;
}

// Whether text is word, its ASCII letters read in either case ("Today",
// "3MO"); word is written in lower case.
inline bool IsWordInAnyCase(std::u16string_view text, std::u16string_view word) {
  const auto lower = [](char16_t c) -> char16_t { return c >= u'A' && c <= u'Z' ? c + 32 : c; };
  return text.size() == word.size() &&
         std::equal(text.begin(), text.end(), word.begin(),
                    [&](char16_t a, char16_t b) { return lower(a) == b; });
}

}  // namespace kalvenor::reader
