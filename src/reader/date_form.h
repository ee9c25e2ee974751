// What the date forms of kalvenor-cli's reader share: the date a form
// read, the era that may begin it, and its fields turned into a date by
// the date language's rules (parse/date_rules.h).
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/eras.h"
#include "calendar/gregorian.h"
#include "parse/date_rules.h"
#include "reader/scanner.h"

namespace kalvenor::reader {

// An era's first year, as written in place of 1 (平成元年).
inline constexpr char16_t kFirstEraYear = u'元';

// A form's date (always valid) and how it was written.
struct FormDate {
  DateParts date;
  const Era* era = nullptr;  // the era written, if any (--strict checks the year against it)
  bool iso = false;          // an ISO or compact date, which a time may follow after "T"
};

// An era at the front: its name (令和), its first character (令) or its
// letter in either case; blanks after it are skipped.
const Era* TakeEra(Scanner& scanner);

// The year of a written number: in the era when one was given; else taken
// as written when it has a sign (-1 or +1; 0 for none) or three or more
// digits, and by the two-digit rule otherwise. Nothing when it does not fit
// 16 bits.
std::optional<std::int16_t> YearOf(const Era* era, int sign, const Written& number);

// The date of year, month and day numbers, when they form a valid one.
std::optional<DateParts> NumberDate(std::int16_t year, std::int32_t month, std::int32_t day);

// A written day number as a day field; nothing for one too large for any.
std::optional<DayField> DayNumber(const Written& day);

// A date whose leading fields were left out, completed from today: the
// month and day, or the day alone when month is nothing. Nothing when day
// is nothing or no date is found.
std::optional<FormDate> CompletedForm(const std::optional<Written>& month,
                                      const std::optional<DayField>& day, const DateParts& today);

}  // namespace kalvenor::reader
