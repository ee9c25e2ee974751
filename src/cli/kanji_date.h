// Dates as written in Japanese documents: 令和8年12月7日(月).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/gregorian.h"

namespace kalvenor::cli {

// A kanji date rewritten into the date language, or nothing when text is
// not one as a whole. After a trailing weekday in parentheses ("(月)") is
// removed, the forms are
//   [era name](N|元)年M月D日    令和8年12月7日 -> R8/12/7, 平成元年1月8日 -> H1/1/8,
//                               2026年12月7日 -> 2026/12/7, -5年1月1日 -> -5/1/1
//   M月D日                      12月31日 -> 12/31
//   D日                         31日 -> 31
// with N, M and D ASCII digits (a Western N may carry a minus sign) and
// blanks allowed around each part. So "月2" (the second Monday) is left
// alone.
std::optional<std::u16string> RewriteKanjiDate(std::u16string_view text);

// Appends the kanji text of a valid date, with the eras of kEras and no
// blanks: 令和元年5月1日(水), 1867年12月31日(火) before Meiji, -5年1月1日(日).
void AppendKanjiDate(const DateParts& date, std::string& out);

}  // namespace kalvenor::cli
