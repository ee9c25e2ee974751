// The encodings of standard input, the date files and the output besides
// UTF-8: CP932 (Shift_JIS as Windows writes it, Japanese Excel's CSV) and
// UTF-16, with a byte-order mark (PowerShell 5) or without (what some
// Windows tools write). The conversions to and from CP932 are the
// platform's own (iconv; MultiByteToWideChar on Windows).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalvenor::cli {

// Appends CP932 bytes converted to UTF-8; false, with out as it was, when
// bytes are not CP932.
bool Cp932ToUtf8(std::string_view bytes, std::string& out);

// Appends UTF-8 converted to CP932; a character CP932 lacks becomes "?".
void Utf8ToCp932(std::string_view utf8, std::string& out);

enum class ByteOrder { Little, Big };

// Whether a text that begins with bytes is UTF-16, and in which order. A
// byte-order mark says so, and is removed from bytes. Without one, NUL
// bytes do: UTF-8 and CP932 text holds none, while every ASCII character
// of UTF-16 holds one. The order is then where a line feed's byte stands,
// first in its unit (little-endian) or second; on a text without one,
// where most NULs stand, second in their units (little-endian, what
// Windows writes, also on a tie) or first. Nothing when bytes hold neither
// a mark nor a NUL.
std::optional<ByteOrder> FindUtf16(std::string_view& bytes);

// UTF-16 bytes, in pieces as they are read, to UTF-8: a unit or a
// surrogate pair split between two pieces is kept for the next.
class Utf16Decoder {
 public:
  explicit Utf16Decoder(ByteOrder order) : bigEndian_(order == ByteOrder::Big) {}
  // Appends what bytes complete; an unpaired surrogate becomes U+FFFD.
  void Decode(std::string_view bytes, std::string& out);

 private:
  bool bigEndian_;
  std::string pending_;  // an odd byte, and a high surrogate, left over
};

}  // namespace kalvenor::cli
