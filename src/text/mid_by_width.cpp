// MidByWidth walks the UTF-16LE byte image of a text, where every non-zero
// byte is one width unit.
#include <algorithm>
#include <cstdint>

#include "numeric/checked.h"
#include "text/fields.h"

namespace kalvenor::text {
namespace {

// Byte i (1-based) of the text's UTF-16LE image: low byte first.
std::uint8_t ImageByte(const std::u16string& text, int i) {
  const char16_t unit = text[(i - 1) / 2];
  return (i % 2 == 1) ? (unit & 0xFF) : (unit >> 8);
}

// Bytes first..last of the image read back as a text; an odd final byte
// becomes a code unit of its own.
std::u16string FromImage(const std::u16string& text, int first, int last) {
  std::u16string part;
  for (int i = first; i <= last; i += 2) {
    const char16_t low = ImageByte(text, i);
    const char16_t high = (i < last) ? ImageByte(text, i + 1) : 0;
    part.push_back(static_cast<char16_t>(low | (high << 8)));
  }
  return part;
}

}  // namespace

std::u16string MidByWidth(const std::u16string& text, std::int16_t start, std::int16_t count) {
  const std::int16_t imageLength = checked::Int16(2 * static_cast<std::int64_t>(text.size()));
  int units = 0;      // [0, imageLength]
  int startByte = 0;  // 0 until the start-th unit is met
  int taken = -1;     // units taken since startByte; negative before it
  int endByte = imageLength + 1;
  for (int i = 1; i <= imageLength; ++i) {
    ++units;
    if (taken > 0) ++taken;
    if (ImageByte(text, i) == 0) {
      --units;
      --taken;
    }
    if (units == start && startByte == 0) {
      startByte = i;
      taken = 1;
    }
    if (taken == count) {
      endByte = i;
      break;
    }
  }
  if (startByte == 0) return {};
  // The part reaches one byte past its last unit, cut at the image's end.
  return FromImage(text, startByte, std::min<int>(endByte + 1, imageLength));
}

}  // namespace kalvenor::text
