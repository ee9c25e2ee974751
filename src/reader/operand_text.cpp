#include "reader/operand_text.h"

#include "text/full_width.h"
#include "text/utf8.h"

namespace kalvenor::reader {
namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;
}  // namespace

void DecodeOperand(std::string_view bytes, std::u16string& text) {
  // Widen byte by byte, noting whether any byte had its high bit set: one
  // pass for the usual ASCII line, a real decoding only for the others.
  text.resize(bytes.size());
  unsigned char seen = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    seen |= byte;
    text[i] = byte;
  }
  if (seen < 0x80) return;
  text::FromUtf8(bytes, text);
  if (!text.empty() && text[0] == kByteOrderMark) text.erase(0, 1);
  text::FoldFullWidth(text);
}

}  // namespace kalvenor::reader
