#include "cli/plain_date.h"

#include <cstdint>

namespace cli {

std::optional<ymd::DateParts> ReadPlainDate(std::u16string_view text) {
  // Years of one or two digits take the two-digit rule ("5" is 2005, "05"
  // the year 5): the parser's business, like every other shape.
  constexpr int kMostDigits[3] = {5, 2, 2};
  constexpr int kLeastDigits[3] = {3, 1, 1};
  int values[3] = {0, 0, 0};  // [0, 99999], [0, 99], [0, 99]
  int digits[3] = {0, 0, 0};
  int field = 0;
  for (const char16_t c : text) {
    if (c == u'/') {
      if (++field > 2) return std::nullopt;
      continue;
    }
    const unsigned digit = static_cast<unsigned>(c) - u'0';
    if (digit > 9 || ++digits[field] > kMostDigits[field]) return std::nullopt;
    values[field] = values[field] * 10 + static_cast<int>(digit);
  }
  for (int i = 0; i < 3; ++i) {
    if (digits[i] < kLeastDigits[i]) return std::nullopt;
  }
  const auto [year, month, day] = values;
  if (year > 32767 || month < 1 || month > 12) return std::nullopt;
  const ymd::DateParts date{static_cast<std::int16_t>(year),
                            static_cast<std::int16_t>(month),
                            static_cast<std::int16_t>(day)};
  if (day < 1 || day > ymd::DaysInMonth(date.year, date.month)) {
    return std::nullopt;
  }
  return date;
}

}  // namespace cli
