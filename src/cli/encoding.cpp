#include "cli/encoding.h"

#include <cstdint>

#include "text/utf8.h"

namespace kalvenor::cli {

std::optional<ByteOrder> FindUtf16(std::string_view& bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    const ByteOrder order = bytes[0] == '\xFF' ? ByteOrder::Little : ByteOrder::Big;
    bytes.remove_prefix(2);
    return order;
  }
  if (bytes.find('\0') == bytes.npos) return std::nullopt;
  if (const auto lineFeed = bytes.find('\n'); lineFeed != bytes.npos) {
    return lineFeed % 2 == 0 ? ByteOrder::Little : ByteOrder::Big;
  }
  std::size_t nulsAt[2] = {0, 0};  // first and second in their units
  for (std::size_t at = 0; at < bytes.size(); ++at) nulsAt[at % 2] += bytes[at] == '\0' ? 1 : 0;
  return nulsAt[0] > nulsAt[1] ? ByteOrder::Big : ByteOrder::Little;
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
