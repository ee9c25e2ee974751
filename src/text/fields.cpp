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

std::u16string FieldOf(const std::u16string& text, const std::u16string& delimiters,
                       std::int16_t n) {
  std::u16string field;
  GetField(field, text, delimiters, n);
  return field;
}

std::int16_t NthOccurrence(const std::u16string& text, const std::u16string& pattern,
                           std::int16_t n) {
  const std::int16_t length = checked::Int16(text.size());
  int matches = 0;
  // find never reports a match that runs past the end, and positions past
  // the last character are not candidates, not even for the empty pattern.
  for (std::size_t at = text.find(pattern); at < static_cast<std::size_t>(length);
       at = text.find(pattern, at + 1)) {
    if (++matches == n) return checked::Int16(at + 1);
  }
  return -1;
}

}  // namespace kalvenor::text
