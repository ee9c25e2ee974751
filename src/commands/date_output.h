// A date written in the style of show and add.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/gregorian.h"

namespace kalvenor::commands {

// How show and add write a date.
enum class OutputStyle { Era, Reiwa, Kanji, Western, Iso };

// Appends the date (valid fields) in the style, without a line end:
//   Era      H 38/ 12/ 7(月)     the window's era style, H the newest era
//   Reiwa    R 8/ 12/ 7(月)      the eras of kEras, R from 2019-05-01
//   Kanji    令和8年12月7日(月)   kanji_text.cpp
//   Western   2026/ 12/ 7(月)
//   Iso      2026-12-07          iso_text.cpp
void AppendDate(const DateParts& date, OutputStyle style, std::string& out);

// The two styles of the command line's own (iso_text.cpp, kanji_text.cpp).
// AppendIsoDate: the year zero-padded to four digits, a minus sign before a
// negative year, month and day to two digits. AppendKanjiDate: the eras of
// kEras and no blanks: 令和元年5月1日(水), 1867年12月31日(火) before Meiji,
// 0005年1月1日(土) (four digits, as the reader needs), -5年1月1日(日).
void AppendIsoDate(const DateParts& date, std::string& out);
void AppendKanjiDate(const DateParts& date, std::string& out);
// AppendIsoDate's text on its own, for messages.
std::string IsoText(const DateParts& date);

// Appends a count in decimal, "-" before a negative one.
void AppendNumber(std::int32_t number, std::string& out);

}  // namespace kalvenor::commands
