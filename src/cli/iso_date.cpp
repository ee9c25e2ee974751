#include "cli/iso_date.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

#include "cli/blanks.h"
#include "parse/date_parser.h"

namespace kalvenor::cli {
namespace {

// Writes the last count digits of value (0 or more), zeros in front.
char* WriteDigits(int value, int count, char* out) {
  for (int i = count - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return out + count;
}

// The value of a text of ASCII digits only, or -1.
int DigitsValue(std::u16string_view text) {
  int value = 0;  // [0, 99999]: at most five digits
  for (const char16_t c : text) {
    if (c < u'0' || c > u'9') return -1;
    value = value * 10 + (c - u'0');
  }
  return value;
}

}  // namespace

void AppendIsoDate(const DateParts& date, std::string& out) {
  char text[16];  // "-32768-12-31" at the longest
  char* end = text;
  if (date.year < 0) *end++ = '-';
  const int year = std::abs(static_cast<int>(date.year));  // [0, 32768]
  end = WriteDigits(year, year >= 10000 ? 5 : 4, end);
  *end++ = '-';
  end = WriteDigits(date.month, 2, end);
  *end++ = '-';
  end = WriteDigits(date.day, 2, end);
  out.append(text, end);
}

std::optional<DateParts> ReadIsoDate(std::u16string_view text) {
  text = Trimmed(text);
  const bool negative = text.starts_with(u'-');
  if (negative || text.starts_with(u'+')) text.remove_prefix(1);
  if (text.size() != 10 && text.size() != 11) return std::nullopt;
  const std::size_t yearDigits = text.size() - 6;  // 4 or 5
  if (text[yearDigits] != u'-' || text[yearDigits + 3] != u'-') return std::nullopt;
  const int year = DigitsValue(text.substr(0, yearDigits));
  const int month = DigitsValue(text.substr(yearDigits + 1, 2));
  const int day = DigitsValue(text.substr(yearDigits + 4, 2));
  if (year < 0 || month < 0 || day < 0) return std::nullopt;
  const int signedYear = negative ? -year : year;
  DateParts date{0, 0, kDayInvalid};
  if (signedYear < std::numeric_limits<std::int16_t>::min() ||
      signedYear > std::numeric_limits<std::int16_t>::max() || month < 1 || month > 12) {
    return date;
  }
  date.year = static_cast<std::int16_t>(signedYear);
  date.month = static_cast<std::int16_t>(month);
  if (day >= 1 && day <= DaysInMonth(date.year, date.month)) {
    date.day = static_cast<std::int16_t>(day);
  }
  return date;
}

}  // namespace kalvenor::cli
