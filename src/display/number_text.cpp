#include <cstdint>
#include <string>

#include "display/display_text.h"

namespace kalvenor {

std::u16string NumberText(std::int32_t value) {
  const std::string digits = std::to_string(value);  // ASCII, "-" included
  std::u16string text = value >= 0 ? u" " : u"";
  text.append(digits.begin(), digits.end());
  return text;
}

}  // namespace kalvenor
