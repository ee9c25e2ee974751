// Every text the command line shows its user, in one place. They are
// written in English and translated through the catalogue the locale
// chooses (cli/translation.h); po/ holds the translations.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "version.h"

namespace kalvenor::cli::messages {

inline constexpr std::string_view kProgram = "kalvenor-cli";
inline constexpr std::string_view kVersion =
    "kalvenor-cli (Kalvenor) " KALVENOR_VERSION_TEXT "\nCopyright (C) 2026 Kalvenor developers\n";

std::string Usage();
// The rest of --help, after the usage: the date commands, then the
// holiday and business-day ones.
std::string HelpBody();
std::string CalendarHelp();

// Usage errors: the reason printed above the usage.
std::string MissingCommand();
std::string UnknownCommand(std::string_view word);
std::string UnknownOption(std::string_view option);
std::string OptionAfterCommand(std::string_view option);
std::string OneStyleOnly();
std::string DiffTakesNoStyle();
std::string UnknownEncoding(std::string_view name);
std::string ShowNeedsText();
std::string AddNeedsTwo();
std::string DiffNeedsTwo();
std::string StdinOnce();

// Input that cannot be calculated; texts are the user's own bytes.
std::string NotADate(std::string_view text);
std::string NotANumber(std::string_view text);
std::string NoDate();
// date: the ISO text of the date read; weekday: its weekday, 0 Sunday .. 6.
std::string WrongWeekday(std::string_view text, std::string_view date, int weekday);
std::string OutsideEra(std::string_view text);
std::string LineTooLong(std::size_t longest);
std::string OutOfRange(std::string_view date, std::string_view days);
// texts: the one or two operands of the calculation.
std::string Overflow(std::span<const std::string_view> texts);

// The holiday, business-day and span calculations.
std::string HolidaysNeedsRange();
std::string WorkdaysNeedsTwo();
std::string SpanNeedsTwo();
std::string WorkdaysTakesNoStyle();
std::string OptionNotForCommand(std::string_view option);
std::string BadRest(std::string_view value);
std::string NoBusinessDay();
std::string BadHolidays(std::string_view value);
std::string HolidaysUnknown();
std::string NotAYear(std::string_view text);
std::string CannotOpen(std::string_view file);
std::string NotADateInFile(std::string_view file, long long lineNumber, std::string_view text);

// Trouble with the streams themselves.
// error: the errno value the stream failed with, named in the message.
std::string CannotRead(int error);
std::string CannotWrite(int error);
std::string Aborted(std::string_view reason);

// One line for stderr: the program, the input line number when there is
// one (0: none), the message.
std::string ErrorLine(std::string_view message, long long lineNumber);

}  // namespace kalvenor::cli::messages
