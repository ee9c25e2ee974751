#include "reader/date_form.h"

#include <limits>

namespace kalvenor::reader {

const Era* TakeEra(Scanner& scanner) {
  const char16_t first = scanner.Peek();
  if (first >= u'0' && first <= u'9') return nullptr;  // most dates: no era
  for (const Era& era : kEras) {
    const char16_t lower = era.letter - u'A' + u'a';
    if (scanner.Take(era.name) || scanner.Take(era.name.front()) || scanner.Take(era.letter) ||
        scanner.Take(lower)) {
      scanner.SkipBlanks();
      return &era;
    }
  }
  return nullptr;
}

std::optional<std::int16_t> YearOf(const Era* era, int sign, const Written& number) {
  std::int32_t year = sign < 0 ? -number.value : number.value;  // [-999999, 999999]
  if (era != nullptr) {
    year += era->offset;
  } else if (sign == 0 && number.digits <= 2) {
    year += year <= 51 ? 2000 : 1900;
  }
  if (year < std::numeric_limits<std::int16_t>::min() ||
      year > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(year);
}

std::optional<DateParts> ValidDate(std::int16_t year, std::int32_t month, std::int32_t day) {
  if (month < 1 || month > 12) return std::nullopt;
  const DateParts date{year, static_cast<std::int16_t>(month), 0};
  if (day < 1 || day > DaysInMonth(date.year, date.month)) return std::nullopt;
  return DateParts{year, date.month, static_cast<std::int16_t>(day)};
}

std::u16string Decimal(std::int32_t value) {
  std::u16string text;
  do {
    text.insert(text.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value > 0);
  return text;
}

}  // namespace kalvenor::reader
