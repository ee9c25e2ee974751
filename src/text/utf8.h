// Conversion between UTF-8 bytes and the UTF-16 texts the engine works on.
#pragma once

#include <string>
#include <string_view>

namespace kalvenor::text {

// Decodes UTF-8; each byte of an ill-formed sequence becomes U+FFFD, so any
// byte string converts and nothing is dropped silently.
std::u16string FromUtf8(std::string_view bytes);
// The same into text, reusing its storage.
void FromUtf8(std::string_view bytes, std::u16string& text);

// Whether bytes are well-formed UTF-8.
bool IsUtf8(std::string_view bytes);

// Encodes UTF-16; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

}  // namespace kalvenor::text
