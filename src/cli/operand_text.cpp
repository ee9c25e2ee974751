#include "cli/operand_text.h"

#include <algorithm>

#include "text/utf8.h"

namespace cli {

void DecodeOperand(std::string_view bytes, std::u16string& text) {
  const bool ascii = std::ranges::all_of(
      bytes, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii) {
    text = chars::FromUtf8(bytes);
    return;
  }
  text.resize(bytes.size());
  std::ranges::transform(bytes, text.begin(), [](char c) {
    return static_cast<char16_t>(static_cast<unsigned char>(c));
  });
}

}  // namespace cli
