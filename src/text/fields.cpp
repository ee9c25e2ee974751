#include "text/fields.h"

#include "numeric/checked.h"

namespace kalvenor::text {

bool GetField(std::u16string& field, const std::u16string& text, const std::u16string& delimiters,
              std::int16_t n) {
  field.clear();
  const std::int16_t length = checked::Int16(text.size());
  int delimitersSeen = 0;
  std::size_t fieldStart = 0;
  for (std::size_t i = 0; i < static_cast<std::size_t>(length); ++i) {
    if (delimiters.find(text[i]) == std::u16string::npos) continue;
    ++delimitersSeen;
    if (delimitersSeen == n) {
      // Nothing behind the n-th delimiter is looked at.
      field = text.substr(fieldStart, i - fieldStart);
      return false;
    }
    fieldStart = i + 1;
  }
  // Counted wide, so n = -32768 is just another "0 or less".
  const int wanted = n - 1;
  if (delimitersSeen == wanted) {
    field = text.substr(fieldStart);
    return false;
  }
  return delimitersSeen < wanted;
}

}  // namespace kalvenor::text
