#include "cli/iso_date.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

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

std::optional<FormDate> ReadIsoDate(Scanner& scanner) {
  // Both forms need a "-" or eight digits; a quick look spares the rest.
  const std::u16string_view rest = scanner.Rest();
  if (rest.find(u'-') == rest.npos && rest.size() < 8) return std::nullopt;
  if (const auto compact = scanner.FixedDigits(8)) {
    const auto date = ValidDate(static_cast<std::int16_t>(*compact / 10000), *compact / 100 % 100,
                                *compact % 100);
    if (!date) return std::nullopt;
    return FormDate{*date, nullptr, true, {}};
  }
  const bool negative = scanner.Take(u'-');
  if (!negative) scanner.Take(u'+');
  auto year = scanner.FixedDigits(4);
  if (!year) year = scanner.FixedDigits(5);
  if (!year || !scanner.Take(u'-')) return std::nullopt;
  const auto month = scanner.FixedDigits(2);
  if (!month || !scanner.Take(u'-')) return std::nullopt;
  const auto day = scanner.FixedDigits(2);
  const std::int32_t signedYear = negative ? -*year : *year;
  if (!day || signedYear < std::numeric_limits<std::int16_t>::min() ||
      signedYear > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  const auto date = ValidDate(static_cast<std::int16_t>(signedYear), *month, *day);
  if (!date) return std::nullopt;
  return FormDate{*date, nullptr, true, {}};
}

}  // namespace kalvenor::cli
