// ISO dates as scripts and logs write them: "2000-01-01", "2000-1-1",
// "0005-03-01", "-0100-12-31", "32767-12-31", and the compact 20001231.
#pragma once

#include <optional>

#include "calendar/gregorian.h"
#include "reader/date_form.h"
#include "reader/scanner.h"

namespace kalvenor::reader {

// At the front of scanner: an optional sign, four or five digits, "-",
// one or two digits, "-", one or two digits; or the compact YYYYMMDD.
// Nothing when the text has another shape or a year beyond 16 bits; a date
// that does not exist (2000-02-30) comes with its reason.
std::optional<FormDate> ReadIsoDate(Scanner& scanner);

}  // namespace kalvenor::reader
