// Dates as YYYY-MM-DD for scripts: "2000-01-01", "0005-03-01",
// "-0100-12-31", "32767-12-31", and the compact 20001231 too. Every text
// AppendIsoDate writes, ReadIsoDate reads back as the same date.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/gregorian.h"
#include "cli/date_form.h"
#include "cli/scanner.h"

namespace kalvenor::cli {

// Appends the date of valid fields: the year zero-padded to four digits
// with a minus sign before a negative year, month and day to two.
void AppendIsoDate(const DateParts& date, std::string& out);

// At the front of scanner: an optional sign, four or five digits, "-",
// two digits, "-", two digits; or the compact YYYYMMDD. Nothing when the
// text has another shape or is no date (2000-02-30, a year beyond 16 bits).
std::optional<FormDate> ReadIsoDate(Scanner& scanner);

}  // namespace kalvenor::cli
