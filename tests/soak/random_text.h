// Random texts a user might type or paste into a date box: date-like texts
// in every form of the date language, huge numbers, kanji, control
// characters, and long pastes.
#pragma once

#include <random>
#include <string>

namespace ui::testing {

// A short text, usually under 30 characters.
std::u16string RandomText(std::mt19937& random);

// A long text (up to 16,000 characters), mostly made of RandomText pieces.
std::u16string LongPaste(std::mt19937& random);

}  // namespace ui::testing
