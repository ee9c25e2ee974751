#include "parse/plain_date.h"

#include <cstdint>
#include <optional>

#include "numeric/checked.h"

namespace kalvenor {

bool ReadPlainDate(std::u16string_view text, DateParts& date) {
  // Years of one or two digits take the two-digit rule ("5" is 2005, "05"
  // the year 5), so they stay with the general path.
  constexpr int kMostDigits[3] = {5, 2, 2};
  constexpr int kLeastDigits[3] = {3, 1, 1};
  int values[3] = {0, 0, 0};  // [0, 99999], [0, 99], [0, 99]
  int digits[3] = {0, 0, 0};
  int field = 0;
  for (const char16_t c : text) {
    if (c == u'/') {
      if (++field > 2) return false;
      continue;
    }
    const unsigned digit = static_cast<unsigned>(c) - u'0';
    if (digit > 9 || ++digits[field] > kMostDigits[field]) return false;
    values[field] = values[field] * 10 + static_cast<int>(digit);
  }
  for (int i = 0; i < 3; ++i) {
    if (digits[i] < kLeastDigits[i]) return false;
  }
  const auto [year, month, day] = values;
  const std::optional<std::int16_t> year16 = checked::TryInt16(year);
  if (!year16) return false;
  const DateParts read{*year16, static_cast<std::int16_t>(month), static_cast<std::int16_t>(day)};
  if (!read.IsValid()) return false;
  date = read;
  return true;
}

}  // namespace kalvenor
