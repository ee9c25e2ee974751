#include "cli/operand_text.h"

#include "text/utf8.h"

namespace kalvenor::cli {
namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;
constexpr char16_t kIdeographicSpace = 0x3000;
constexpr char16_t kFirstFullWidth = 0xFF01;  // "！", the twin of "!"
constexpr char16_t kLastFullWidth = 0xFF5E;   // "～", the twin of "~"
constexpr char16_t kFullWidthShift = kFirstFullWidth - u'!';

void FoldWidth(std::u16string& text) {
  for (char16_t& c : text) {
    if (c >= kFirstFullWidth && c <= kLastFullWidth) {
      c = static_cast<char16_t>(c - kFullWidthShift);
    } else if (c == kIdeographicSpace) {
      c = u' ';
    }
  }
}

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
  text = text::FromUtf8(bytes);
  if (!text.empty() && text[0] == kByteOrderMark) text.erase(0, 1);
  FoldWidth(text);
}

}  // namespace kalvenor::cli
