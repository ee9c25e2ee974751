// Dates whose fields stand between separators: the window's slash forms
// and the dot form of Japanese forms.
#pragma once

#include <optional>

#include "calendar/gregorian.h"
#include "reader/date_form.h"
#include "reader/scanner.h"

namespace kalvenor::reader {

// At the front of scanner, blanks allowed around each "/":
//   [era]Y/M/D   2026/12/7, r8/12/7, 令和8/12/7, 平成元/1/8, -1000/1/1
//   M/D          12/31 (completed from today, as the window does)
//   D            25
// Y, M and D are unsigned decimal numbers, Y may carry a sign when no era
// is given, and D may also be E (the month's last day) or a weekday kanji
// with an optional week number 1..5 (月2); today serves the weekday rule.
// Nothing when the front has another shape; a date that does not exist
// comes with its reason (date_form.h).
std::optional<FormDate> ReadSlashDate(Scanner& scanner, const DateParts& today);

// [era]Y.M.D with exactly three numeric fields: R8.12.7, 2026.12.07, 26.12.7.
std::optional<FormDate> ReadDotDate(Scanner& scanner);

}  // namespace kalvenor::reader
