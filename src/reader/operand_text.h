// Operand bytes to the UTF-16 text the engine reads.
#pragma once

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

}  // namespace kalvenor::reader
