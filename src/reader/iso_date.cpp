#include "reader/iso_date.h"

#include <cstdint>

namespace kalvenor::reader {

std::optional<FormDate> ReadIsoDate(Scanner& scanner) {
  // Both forms need a "-" or eight digits; a quick look spares the rest.
  const std::u16string_view rest = scanner.Rest();
  if (rest.find(u'-') == rest.npos && rest.size() < 8) return std::nullopt;
  if (const auto compact = scanner.FixedDigits(8)) {
    const auto date = NumberDate(static_cast<std::int16_t>(*compact / 10000), *compact / 100 % 100,
                                 *compact % 100);
    if (!date) return std::nullopt;
    return FormDate{*date, nullptr, true};
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
  const auto date = NumberDate(*signedYear, *month, *day);
  if (!date) return std::nullopt;
  return FormDate{*date, nullptr, true};
}

}  // namespace kalvenor::reader
