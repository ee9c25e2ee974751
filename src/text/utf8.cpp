#include "text/utf8.h"

#include <cstdint>

namespace kalvenor::text {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsContinuation(std::uint8_t byte) { return (byte & 0xC0) == 0x80; }

// The code point of the well-formed sequence at bytes[at], with its length
// in used; 0 in used when the sequence is ill-formed. The second byte's
// range depends on the first, which rules out overlong forms, surrogates
// and values past U+10FFFF.
char32_t Decode(std::string_view bytes, std::size_t at, std::size_t& used) {
  used = 0;
  const std::uint8_t lead = bytes[at];
  std::size_t length;
  char32_t value;
  std::uint8_t low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead < 0x80) {
    used = 1;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  const std::uint8_t second = bytes[at + 1];
  if (second < low || second > high) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const std::uint8_t byte = bytes[at + k];
    if (!IsContinuation(byte)) return 0;
    value = (value << 6) | (byte & 0x3F);
  }
  used = length;
  return value;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

void FromUtf8(std::string_view bytes, std::u16string& text) {
  text.clear();
  text.reserve(bytes.size());
  for (std::size_t at = 0; at < bytes.size();) {
    std::size_t used;
    const char32_t c = Decode(bytes, at, used);
    if (used == 0) {
      // Only the first byte is given up; the next may start a good sequence.
      text.push_back(kReplacement);
      ++at;
    } else if (c < 0x10000) {
      text.push_back(static_cast<char16_t>(c));
      at += used;
    } else {
      text.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      text.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
      at += used;
    }
  }
}

std::u16string FromUtf8(std::string_view bytes) {
  std::u16string text;
  FromUtf8(bytes, text);
  return text;
}

bool IsUtf8(std::string_view bytes) {
  for (std::size_t at = 0, used = 0; at < bytes.size(); at += used) {
    Decode(bytes, at, used);
    if (used == 0) return false;
  }
  return true;
}

std::string ToUtf8(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      const char32_t low = text[i + 1] - 0xDC00;
      AppendUtf8(bytes, 0x10000 + ((u - 0xD800) << 10) + low);
      ++i;
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      AppendUtf8(bytes, kReplacement);
    } else {
      AppendUtf8(bytes, u);
    }
  }
  return bytes;
}

}  // namespace kalvenor::text
