// The command line: options first, then the command word, then operands.
// "--" ends the options; after the command word a word that looks like an
// option ("--iso", "-x") is refused unless "--" came before it, while "-"
// and texts such as "-5/1/1" or "-1" are operands. --help and --version
// may stand anywhere before "--" and win over everything else.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "commands/command_table.h"
#include "commands/date_output.h"
#include "holidays/business_days.h"

namespace kalvenor::cli {

using commands::CommandRow;
using commands::OutputStyle;

// What counts as a business day, as the options give it: --rest,
// --holidays and --year-end in rules, whose closed and open days come from
// the files, read when the run starts.
struct BusinessOptions {
  BusinessRules rules;
  std::vector<std::string_view> closed_files;
  std::vector<std::string_view> open_files;
};

enum class Action { Calculate, Help, Version };

// The encoding of standard input (and, for Cp932, of the output); Auto
// finds it from a byte-order mark or from bytes that are not UTF-8.
enum class Encoding { Auto, Utf8, Utf16, Cp932 };

struct Invocation {
  Action action = Action::Help;
  const CommandRow* command = nullptr;  // the command's row, for Calculate
  OutputStyle style = OutputStyle::Era;
  Encoding encoding = Encoding::Auto;
  bool lineBuffered = false;    // flush after every output line
  bool windowLanguage = false;  // read dates exactly as the window does
  bool strict = false;          // also refuse an era year outside its era
  // The words after the command word, taken as written ("-" reads stdin).
  std::vector<std::string_view> operands;
  bool inclusive = false;      // --inclusive: add, diff, workdays and span count the first day
  bool holiday_names = false;  // --holiday: show and add name a national holiday
  bool long_form = false;      // --long: age adds months and days
  BusinessOptions business{};  // what a business day is: workdays, add
};

// Why the command line was refused, in the user's language.
struct UsageError {
  std::string reason;
};

// args excludes the program name.
std::variant<Invocation, UsageError> ParseArguments(std::span<const std::string_view> args);

// The operand that stands for standard input.
inline constexpr std::string_view kStdinOperand = "-";

}  // namespace kalvenor::cli
