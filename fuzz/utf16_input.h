// Fuzz input bytes as UTF-16 code units: each pair of bytes, low byte first,
// is one unit; an odd last byte is dropped. Unpaired surrogates and every
// other unit a user could never type come through as they are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kalvenor::testing {

inline std::u16string Utf16Units(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  return text;
}

}  // namespace kalvenor::testing
