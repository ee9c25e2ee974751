// The commands of kalvenor-cli, a row each: everything the program needs
// to know of a command is here, so that a new command is one row and its
// calculation. The argument parser, the usage and --help, the runner and
// its stream alignment all loop over this table.
#pragma once

#include <cstddef>
#include <limits>
#include <span>
#include <string_view>

#include "commands/commands.h"

namespace kalvenor::commands {

// The options a command takes; the others are refused with it.
struct Takes {
  bool style = false;          // --era, --reiwa, --kanji, --western, --iso
  bool inclusive = false;      // --inclusive
  bool holiday_names = false;  // --holiday
  // --rest=, --holidays=, --closed=, --open=, --year-end=; the command runs
  // on the business-day calendar they describe.
  bool business_days = false;
  bool long_form = false;  // --long
};

inline constexpr std::size_t kAnyNumber = std::numeric_limits<std::size_t>::max();

struct CommandRow {
  std::string_view word;
  std::string_view operands;  // as the usage and --help show them: "DATE1 DATE2"
  std::size_t least = 0;      // how many operands it takes
  std::size_t most = 0;
  Takes takes;
  // Each operand is a calculation of its own (show's texts), so each gives
  // a line, an empty one when refused; otherwise a refused calculation
  // outside a stream gives no line.
  bool each_operand = false;
  // The usage error for a wrong number of operands and what --help says
  // the command does: English msgids (messages.h), "%s" the command word.
  std::string_view wrong_count;
  std::string_view summary;
  Calculation calculation = nullptr;
};

std::span<const CommandRow> Commands();

// The row of a command word, or null.
const CommandRow* FindCommand(std::string_view word);

}  // namespace kalvenor::commands
