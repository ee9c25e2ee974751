// Operand bytes to the UTF-16 text the engine reads.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// Decodes UTF-8 into text, reusing its storage; plain ASCII, the usual
// batch line, takes a fast path.
void DecodeOperand(std::string_view bytes, std::u16string& text);

}  // namespace cli
