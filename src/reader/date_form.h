// What the date forms of kalvenor-cli's reader share: the date a form
// read, the era that may begin it and the year rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "calendar/eras.h"
#include "calendar/gregorian.h"
#include "reader/scanner.h"

namespace kalvenor::reader {

// An era's first year, as written in place of 1 (平成元年).
inline constexpr char16_t kFirstEraYear = u'元';

// A form's date (always valid) and how it was written.
struct FormDate {
  DateParts date;
  const Era* era = nullptr;  // the era written, if any (--strict checks the year against it)
  bool iso = false;          // an ISO or compact date, which a time may follow after "T"
  // A date whose leading fields were left out, as the window's language
  // writes it ("12/31", "25", "E", "月2"), for the window's completion from
  // today; date is then still to be found.
  std::u16string completion;
};

// An era at the front: its name (令和), its first character (令) or its
// letter in either case; blanks after it are skipped.
const Era* TakeEra(Scanner& scanner);

// The year of a written number: in the era when one was given; else taken
// as written when it has a sign (-1 or +1; 0 for none) or three or more
// digits, and by the two-digit rule (0..51 are 2000..2051, 52..99
// 1952..1999) otherwise. Nothing when it does not fit 16 bits.
std::optional<std::int16_t> YearOf(const Era* era, int sign, const Written& number);

// The date when year, month and day form a valid one.
std::optional<DateParts> ValidDate(std::int16_t year, std::int32_t month, std::int32_t day);

// The decimal text of a value of 0 or more, as the window's language reads it.
std::u16string Decimal(std::int32_t value);

}  // namespace kalvenor::reader
