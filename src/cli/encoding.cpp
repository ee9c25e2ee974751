#include "cli/encoding.h"

#include <cstdint>

#include "text/utf8.h"

namespace kalvenor::cli {

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
