// What an operand or stream line means as a date: kalvenor-cli's own rules
// in front of the window's date language, which they leave unchanged.
#pragma once

#include <optional>
#include <string>

#include "calendar/gregorian.h"

namespace kalvenor::cli {

// The date of text (already decoded and width-folded, see operand_text.h),
// tried in this order:
//   today, TODAY, 今日     today, like the empty text (blanks around allowed)
//   2026-12-07           an ISO date; refused unless valid (cli/iso_date.h)
//   令和8年12月7日        a kanji date, rewritten (cli/kanji_date.h)
// and then the date language with the era letters of kEras, R (Reiwa, R1 =
// 2019) included, forms that leave fields out completed from today.
// Nothing when text is no date.
std::optional<DateParts> ReadDate(const std::u16string& text, const DateParts& today);

}  // namespace kalvenor::cli
