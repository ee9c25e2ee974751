// The usual line of a batch file, "2024/3/15", read without the general
// parse: the field copies and double-precision number reading of the
// general path dominate the time of a large batch.
#pragma once

#include <string_view>

#include "calendar/gregorian.h"

namespace kalvenor {

// For a year of three to five ASCII digits and a month and day of one or
// two, the date language takes the numbers as written ("0999" too): no era,
// no two-digit year, no today, no weekday. When text has that shape and is
// a valid date, sets date and returns true; otherwise (plain texts that are
// no date included) returns false, leaves date alone, and the general path
// decides.
bool ReadPlainDate(std::u16string_view text, DateParts& date);

// The same on bytes, for a stream line before it is decoded: bytes that are
// not ASCII digits or slashes make no plain date.
bool ReadPlainDate(std::string_view bytes, DateParts& date);

}  // namespace kalvenor
