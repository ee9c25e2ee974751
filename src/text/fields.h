// String routines the date language and the help launcher rest on.
//
// Texts are UTF-16 code units; positions, counts and field numbers are
// 1-based 16-bit values, and texts too long for them raise
// kalvenor::checked::OverflowError. Comparisons are exact, code unit by code unit.
#pragma once

#include <cstdint>
#include <string>

namespace kalvenor::text {

// The n-th field of text split at any character of delimiters, into field.
// A text with k delimiters has k + 1 fields; the empty text has one, empty.
// Returns true when the text has fewer than n fields (field is then empty);
// n of 0 or less gives the empty field and false.
bool GetField(std::u16string& field, const std::u16string& text, const std::u16string& delimiters,
              std::int16_t n);

// A part of text measured in width units: the text is read as its
// UTF-16LE byte image and every non-zero byte is one unit, so U+0001..U+00FF
// is one unit and nearly every kana or kanji two. The part runs from the
// start-th unit through one byte past the (start + count - 1)-th. A result
// with an odd number of bytes keeps its last byte as a code unit of its own
// (0x00..0xFF); a text with no start-th unit gives the empty text.
std::u16string MidByWidth(const std::u16string& text, std::int16_t start, std::int16_t count);

}  // namespace kalvenor::text
