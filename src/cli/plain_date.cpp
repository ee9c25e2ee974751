#include "cli/plain_date.h"

#include <cstddef>

namespace cli {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads minDigits..maxDigits digits and the separator after them (none at
// the end of the text); nullopt when the text has another shape there.
std::optional<int> TakeNumber(std::u16string_view& text, std::size_t minDigits,
                              std::size_t maxDigits, bool last) {
  std::size_t count = 0;
  int value = 0;  // at most five digits: [0, 99999]
  while (count < text.size() && IsDigit(text[count])) {
    if (++count > maxDigits) return std::nullopt;
    value = value * 10 + (text[count - 1] - u'0');
  }
  if (count < minDigits) return std::nullopt;
  text.remove_prefix(count);
  if (last) {
    if (!text.empty()) return std::nullopt;
  } else {
    if (text.empty() || text[0] != u'/') return std::nullopt;
    text.remove_prefix(1);
  }
  return value;
}

}  // namespace

std::optional<ymd::DateParts> ReadPlainDate(std::u16string_view text) {
  // Years of one or two digits take the two-digit rule ("5" is 2005, "05"
  // the year 5): the parser's business.
  const auto year = TakeNumber(text, 3, 5, false);
  const auto month = year ? TakeNumber(text, 1, 2, false) : std::nullopt;
  const auto day = month ? TakeNumber(text, 1, 2, true) : std::nullopt;
  if (!day || *year > 32767 || *month < 1 || *month > 12) return std::nullopt;
  const ymd::DateParts date{static_cast<std::int16_t>(*year),
                            static_cast<std::int16_t>(*month),
                            static_cast<std::int16_t>(*day)};
  if (date.day < 1 || date.day > ymd::DaysInMonth(date.year, date.month)) {
    return std::nullopt;
  }
  return date;
}

}  // namespace cli
