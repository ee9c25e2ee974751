// Dates as YYYY-MM-DD for scripts: "2000-01-01", "0005-03-01",
// "-0100-12-31", "32767-12-31".
#pragma once

#include <string>

#include "calendar/gregorian.h"

namespace cli {

// Appends the date of valid fields: the year zero-padded to four digits
// with a minus sign before a negative year, month and day to two.
void AppendIsoDate(const ymd::DateParts& date, std::string& out);

}  // namespace cli
