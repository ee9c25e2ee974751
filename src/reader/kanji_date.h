// Dates as written in Japanese documents: 令和8年12月7日(月).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "calendar/gregorian.h"
#include "reader/date_form.h"
#include "reader/scanner.h"

namespace kalvenor::reader {

// At the front of scanner, blanks allowed around each part:
//   [era](N|元)年M月D日   令和8年12月7日, 平成元年1月8日, 2026年12月7日, -5年1月1日
//   M月D日                12月31日 (completed from today, as the window does)
//   D日                   31日
// The era is a name, its first character or its letter (date_form.h);
// numbers are Arabic or kanji numerals (kanji_number.h), and only an
// Arabic year without an era may carry a minus sign. A year without an era
// needs four digits or a sign: 8年12月7日 is of the form but no date
// (EraNeeded), since it may mean 令和8年 or 2008. The year may stand beside
// the same year in brackets, one with its era and one without:
// 令和8（2026）年12月7日, 2026年（令和8年）12月7日 (YearsDisagree when the two
// differ). Nothing when the front has another shape.
std::optional<FormDate> ReadKanjiDate(Scanner& scanner, const DateParts& today);

// The YEAR of holidays, a whole text: an era year with or without 年 (R8,
// 令和8年, 平成元年, 令和八年), one to four digits as written (2026, 1948,
// 26), or four digits and 年 (2026年). Nothing for any other text.
std::optional<std::int16_t> ReadYear(std::u16string_view text);

}  // namespace kalvenor::reader
