// ISO dates as scripts write them: "2000-01-01", "0005-03-01",
// "-0100-12-31", "32767-12-31", and the compact 20001231.
#pragma once

#include <optional>

#include "calendar/gregorian.h"
#include "reader/date_form.h"
#include "reader/scanner.h"

namespace kalvenor::reader {

// At the front of scanner: an optional sign, four or five digits, "-",
// two digits, "-", two digits; or the compact YYYYMMDD. Nothing when the
// text has another shape or is no date (2000-02-30, a year beyond 16 bits).
std::optional<FormDate> ReadIsoDate(Scanner& scanner);

}  // namespace kalvenor::reader
