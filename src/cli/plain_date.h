// A shortcut for the usual line of a batch file, "2024/3/15".
//
// For a year of three to five digits, and a month and day of one or two
// digits, the date language takes the numbers as written ("0999" too): no
// era, no two-digit year, no today, no weekday. The general parser copies
// fields and reads each number as a double, which dominates the time of a
// large batch; this reads such a text directly. The tests hold it to the
// parser's answers.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/gregorian.h"

namespace cli {

// The date of a plain "Y/M/D" text that is a valid date; nullopt for every
// other text (including plain ones that are no date), which then goes the
// long way through the parser.
std::optional<ymd::DateParts> ReadPlainDate(std::u16string_view text);

}  // namespace cli
