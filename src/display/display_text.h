// The display text of a date: "H 12/ 1/ 1(土)" or " 2000/ 1/ 1(土)".
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "calendar/eras.h"
#include "calendar/gregorian.h"

namespace kalvenor {

enum class DisplayStyle { Era, Western };

// A number as the user sees it: a blank before 0 and above, a minus sign
// before a negative number, no leading zeros (" 365", " 0", "-31").
std::u16string NumberText(std::int32_t value);

// The era text ("H 12/ 1/ 1") with the newest of eras whose boundary the
// date has passed, or the Western text for dates before the oldest era. The
// era is chosen by the folded date, the era year always from the year field
// as written.
std::u16string FormatEraDate(const DateParts& date, std::span<const Era> eras = kWindowEras);

// The whole display text: the date in the style, then its weekday kanji in
// parentheses. Dates before 0001-01-01 get their true proleptic weekday.
std::u16string DisplayText(const DateParts& date, DisplayStyle style,
                           std::span<const Era> eras = kWindowEras);

}  // namespace kalvenor
