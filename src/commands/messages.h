// The texts of a calculation that failed, in the user's language: written
// in English and translated through the catalogue the locale chooses
// (translation.h); po/ holds the translations. The user's own texts are
// quoted cut short and made harmless.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "calendar/gregorian.h"

namespace kalvenor::commands::messages {

// msgid's translation (translation::Translate).
std::string_view Tr(std::string_view msgid);
// Marks a msgid kept for translating later, as the command table's texts
// are, for xgettext (--keyword=Msgid).
constexpr std::string_view Msgid(std::string_view msgid) { return msgid; }
// pattern with each "%s" replaced by the next of args.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args);
// The user's text cut short, never inside a UTF-8 sequence, with controls
// as "?", invisible characters as "U+XXXX" and stray bytes as "\xNN", so
// the message stays on one line and shows what was typed.
std::string Quote(std::string_view text);
// Format(pattern, {Quote(text)}).
std::string Quoted(std::string_view pattern, std::string_view text);

// Input that cannot be calculated; texts are the user's own bytes.
std::string NotADate(std::string_view text);
std::string NotANumber(std::string_view text);
std::string NoDate();
// date: the ISO text of the date read; weekday: its weekday, 0 Sunday .. 6.
std::string WrongWeekday(std::string_view text, std::string_view date, int weekday);
// date: the date read, which lies in another era than the one written.
std::string OutsideEra(std::string_view text, const DateParts& date);
// fields: the year, month and day read, which make no date.
std::string NoSuchDay(std::string_view text, const DateParts& fields);
std::string NoSuchTime(std::string_view text);
std::string EraNeeded(std::string_view text);
// year: the era year's; other: the Western year written beside it.
std::string YearsDisagree(std::string_view text, std::int16_t year, std::int16_t other);
std::string InQuotes(std::string_view text);
// c: an invisible character or a look-alike, shown by its code point.
std::string StrayCharacter(std::string_view text, char16_t c);
std::string TextAfterDate(std::string_view text);
std::string OutOfRange(std::string_view date, std::string_view days);
// texts: the one or two operands of the calculation.
std::string Overflow(std::span<const std::string_view> texts);
std::string HolidaysUnknown();
// date: the ISO text of the day the age was asked for.
std::string BirthAfterDate(std::string_view birth, std::string_view date);
std::string NotAYear(std::string_view text);
std::string CannotOpen(std::string_view file);
std::string NotADateInFile(std::string_view file, long long lineNumber, std::string_view text);

}  // namespace kalvenor::commands::messages
