#include "cli/iso_date.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace kalvenor::cli {
namespace {

// "00" to "99", for writing two digits at a time.
constexpr std::array<char, 200> kTwoDigits = [] {
  std::array<char, 200> digits{};
  for (std::size_t i = 0; i < 100; ++i) {
    digits[2 * i] = static_cast<char>('0' + i / 10);
    digits[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return digits;
}();

char* WriteTwoDigits(int value, char* out) {  // value in [0, 99]
  const auto at = static_cast<std::size_t>(value) * 2;
  out[0] = kTwoDigits[at];
  out[1] = kTwoDigits[at + 1];
  return out + 2;
}

}  // namespace

void AppendIsoDate(const DateParts& date, std::string& out) {
  char text[16];  // "-32768-12-31" at the longest
  char* end = text;
  if (date.year < 0) *end++ = '-';
  const int year = std::abs(static_cast<int>(date.year));  // [0, 32768]
  if (year >= 10000) *end++ = static_cast<char>('0' + year / 10000);
  end = WriteTwoDigits(year / 100 % 100, end);
  end = WriteTwoDigits(year % 100, end);
  *end++ = '-';
  end = WriteTwoDigits(date.month, end);
  *end++ = '-';
  end = WriteTwoDigits(date.day, end);
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
  // Four or five digits: taken as written, never by the two-digit rule.
  const auto signedYear = YearOf(nullptr, negative ? -1 : 0, Written{*year, 4});
  if (!day || !signedYear) return std::nullopt;
  const auto date = ValidDate(*signedYear, *month, *day);
  if (!date) return std::nullopt;
  return FormDate{*date, nullptr, true, {}};
}

}  // namespace kalvenor::cli
