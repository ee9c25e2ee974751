// Dates as written in Japanese documents: 令和8年12月7日(月).
#pragma once

#include <optional>

#include "calendar/gregorian.h"
#include "reader/date_form.h"
#include "reader/scanner.h"

namespace kalvenor::reader {

// At the front of scanner, blanks allowed around each part:
//   [era](N|元)年M月D日   令和8年12月7日, 平成元年1月8日, 2026年12月7日, -5年1月1日
//   M月D日                12月31日 (completed from today, as the window does)
//   D日                   31日
// The era is a name, its first character or its letter (date_form.h);
// numbers are Arabic or kanji numerals (十二, 二〇二六, 二千二十六), and
// only an Arabic year without an era may carry a minus sign. Nothing when
// the front is no such date or the date does not exist.
std::optional<FormDate> ReadKanjiDate(Scanner& scanner, const DateParts& today);

}  // namespace kalvenor::reader
