#include "cli/encoding.h"

#include <cstdint>

#include "text/utf8.h"

namespace kalvenor::cli {

bool IsUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    // Sequence length and the range of the second byte (which rules out
    // overlong forms, surrogates and code points past U+10FFFF).
    std::size_t length = 1;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (bytes.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto c = static_cast<unsigned char>(bytes[i + k]);
      if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

void Utf16Decoder::Decode(std::string_view bytes, std::string& out) {
  pending_ += bytes;
  std::u16string units;
  std::size_t used = 0;
  for (; used + 1 < pending_.size(); used += 2) {
    const auto first = static_cast<unsigned char>(pending_[used]);
    const auto second = static_cast<unsigned char>(pending_[used + 1]);
    units += static_cast<char16_t>(bigEndian_ ? first << 8 | second : second << 8 | first);
  }
  // A high surrogate at the end waits for its partner.
  if (!units.empty() && units.back() >= 0xD800 && units.back() <= 0xDBFF) {
    units.pop_back();
    used -= 2;
  }
  pending_.erase(0, used);
  out += text::ToUtf8(units);
}

}  // namespace kalvenor::cli
