// A date written in the style of show and add.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/gregorian.h"

namespace kalvenor::cli {

// How show and add write a date.
enum class OutputStyle { Era, Reiwa, Kanji, Western, Iso };

// Appends the date (valid fields) in the style, without a line end:
//   Era      H 38/ 12/ 7(月)     the window's era style, H the newest era
//   Reiwa    R 8/ 12/ 7(月)      the eras of kEras, R from 2019-05-01
//   Kanji    令和8年12月7日(月)   cli/kanji_date.h
//   Western   2026/ 12/ 7(月)
//   Iso      2026-12-07          cli/iso_date.h
void AppendDate(const DateParts& date, OutputStyle style, std::string& out);

// Appends a count in decimal, "-" before a negative one.
void AppendNumber(std::int32_t number, std::string& out);

}  // namespace kalvenor::cli
