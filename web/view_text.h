// The texts of the view shared by its parts: a date in the page's style,
// the holiday on it, and the names of the boxes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/gregorian.h"
#include "commands/date_output.h"

namespace kalvenor::web {

// The date in the style; 西暦 without the window's padding blanks.
std::string DateText(const DateParts& date, commands::OutputStyle style);

// The national holiday's name on the date; empty for none and outside the
// holiday data.
std::string HolidayName(const DateParts& date);

// An ISO date written by the page or by the command layer.
std::optional<DateParts> IsoDate(std::string_view text);

// The caption of a box of the view: d1 is 日付１.
std::string_view BoxName(std::string_view box);

}  // namespace kalvenor::web
