#include "reader/iso_date.h"

#include <cstdint>

namespace kalvenor::reader {

std::optional<FormDate> ReadIsoDate(Scanner& scanner) {
  // Every form takes eight characters at least (2026-1-1, 20261207); a
  // look at the length spares the rest.
  if (scanner.Rest().size() < 8) return std::nullopt;
  if (const auto compact = scanner.FixedDigits(8)) {
    const auto year = static_cast<std::int16_t>(*compact / 10000);  // [0, 9999]
    return Form(NumberDate(year, *compact / 100 % 100, *compact % 100), nullptr, TimeJoin::AfterT);
  }
  const bool negative = scanner.TakeDash();
  if (!negative) scanner.Take(u'+');
  auto year = scanner.FixedDigits(4);
  if (!year) year = scanner.FixedDigits(5);
  if (!year || !scanner.TakeDash()) return std::nullopt;
  const auto month = scanner.Digits(2);
  if (!month || !scanner.TakeDash()) return std::nullopt;
  const auto day = scanner.Digits(2);
  // Four or five digits: taken as written, never by the two-digit rule.
  const auto signedYear = YearOf(nullptr, negative ? -1 : 0, Written{*year, 4});
  if (!day || !signedYear) return std::nullopt;
  return Form(NumberDate(*signedYear, month->value, day->value), nullptr, TimeJoin::AfterT);
}

}  // namespace kalvenor::reader
