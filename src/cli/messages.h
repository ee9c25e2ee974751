// The texts of the command line itself: its help, its usage errors and
// its streams' troubles. Written in English and translated as the
// calculations' messages are (commands/messages.h).
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "commands/command_table.h"
#include "version.h"

namespace kalvenor::cli::messages {

inline constexpr std::string_view kProgram = "kalvenor-cli";
inline constexpr std::string_view kVersion =
    "kalvenor-cli (Kalvenor) " KALVENOR_VERSION_TEXT "\n" KALVENOR_COPYRIGHT_TEXT "\n";

// The usage: a line per command of the table.
std::string Usage();
// The rest of --help, after the usage: the commands of the table, the
// styles, options and dates, then the calendar options.
std::string CommandList();
std::string HelpBody();
std::string CalendarHelp();

// Usage errors: the reason printed above the usage.
std::string MissingCommand();
std::string UnknownCommand(std::string_view word);
std::string UnknownOption(std::string_view option);
std::string OptionAfterCommand(std::string_view option);
std::string OneStyleOnly();
std::string TakesNoStyle(std::string_view command);
std::string UnknownEncoding(std::string_view name);
std::string WrongOperandCount(const commands::CommandRow& command);
std::string StdinOnce();

// Input that cannot be read.
std::string LineTooLong(std::size_t longest);

// The options only some commands take.
std::string OptionNotForCommand(std::string_view option);
std::string BadRest(std::string_view value);
std::string NoBusinessDay();
std::string BadHolidays(std::string_view value);
std::string BadYearEnd(std::string_view value);

// Trouble with the streams themselves.
// error: the errno value the stream failed with, named in the message.
std::string CannotRead(int error);
std::string CannotWrite(int error);
std::string Aborted(std::string_view reason);

// One line for stderr: the program, the input line number when there is
// one (0: none), the message.
std::string ErrorLine(std::string_view message, long long lineNumber);

}  // namespace kalvenor::cli::messages
