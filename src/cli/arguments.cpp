#include "cli/arguments.h"

#include <algorithm>
#include <optional>

#include "cli/calendar_options.h"
#include "cli/messages.h"

namespace kalvenor::cli {
namespace {

constexpr std::string_view kEndOfOptions = "--";

std::optional<OutputStyle> StyleOption(std::string_view arg) {
  if (arg == "--era") return OutputStyle::Era;
  if (arg == "--reiwa") return OutputStyle::Reiwa;
  if (arg == "--kanji") return OutputStyle::Kanji;
  if (arg == "--western") return OutputStyle::Western;
  if (arg == "--iso") return OutputStyle::Iso;
  return std::nullopt;
}

std::optional<Command> HelpOrVersion(std::string_view arg) {
  if (arg == "-h" || arg == "--help") return Command::Help;
  if (arg == "-V" || arg == "--version") return Command::Version;
  return std::nullopt;
}

std::optional<Command> CommandWord(std::string_view arg) {
  if (arg == "show") return Command::Show;
  if (arg == "add") return Command::Add;
  if (arg == "diff") return Command::Diff;
  if (arg == "holidays") return Command::Holidays;
  if (arg == "workdays") return Command::Workdays;
  if (arg == "span") return Command::Span;
  return std::nullopt;
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// "--iso", "-x"; not "-" (standard input), "-5/1/1" or "-1" (a date or a
// day count).
bool LooksLikeOption(std::string_view arg) {
  return arg.size() > 1 && arg[0] == '-' && (arg[1] == '-' || IsAsciiLetter(arg[1]));
}

// Why the operands do not suit the command, if they do not.
std::optional<UsageError> CheckOperands(const Invocation& invocation) {
  const auto count = invocation.operands.size();
  switch (invocation.command) {
    case Command::Show:
      if (count == 0) return UsageError{messages::ShowNeedsText()};
      break;
    case Command::Add:
      if (count != 2) return UsageError{messages::AddNeedsTwo()};
      break;
    case Command::Diff:
      if (count != 2) return UsageError{messages::DiffNeedsTwo()};
      break;
    case Command::Holidays:
      if (count != 1 && count != 2) return UsageError{messages::HolidaysNeedsRange()};
      break;
    case Command::Workdays:
      if (count != 2) return UsageError{messages::WorkdaysNeedsTwo()};
      break;
    case Command::Span:
      if (count != 2) return UsageError{messages::SpanNeedsTwo()};
      break;
    case Command::Help:
    case Command::Version: break;
  }
  // Standard input can be read only once.
  if (std::ranges::count(invocation.operands, kStdinOperand) > 1) {
    return UsageError{messages::StdinOnce()};
  }
  return std::nullopt;
}

// The operands after the command word; "--" among them ends the options,
// and before it a word that looks like an option is refused.
std::optional<UsageError> TakeOperands(std::span<const std::string_view> args, bool optionsEnded,
                                       Invocation& invocation) {
  for (const std::string_view arg : args) {
    if (!optionsEnded && arg == kEndOfOptions) {
      optionsEnded = true;
    } else if (!optionsEnded && LooksLikeOption(arg)) {
      return UsageError{messages::OptionAfterCommand(arg)};
    } else {
      invocation.operands.push_back(arg);
    }
  }
  return CheckOperands(invocation);
}

}  // namespace

std::variant<Invocation, UsageError> ParseArguments(std::span<const std::string_view> args) {
  Invocation invocation;
  if (args.size() == 1) {
    if (const auto command = HelpOrVersion(args[0])) {
      invocation.command = *command;
      return invocation;
    }
  }
  std::optional<OutputStyle> style;
  std::vector<std::string_view> calendarOptions;
  bool optionsEnded = false;
  std::size_t next = 0;
  for (; next < args.size(); ++next) {
    const std::string_view arg = args[next];
    if (const auto command = CommandWord(arg)) {
      invocation.command = *command;
      break;
    }
    if (!optionsEnded && arg == kEndOfOptions) {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && HelpOrVersion(arg)) return UsageError{messages::HelpVersionAlone()};
    std::optional<UsageError> badValue;
    if (!optionsEnded && TakeCalendarOption(arg, invocation, badValue)) {
      if (badValue) return *badValue;
      calendarOptions.push_back(arg);
      continue;
    }
    const auto option = optionsEnded ? std::nullopt : StyleOption(arg);
    if (!option) {
      return UsageError{!optionsEnded && LooksLikeOption(arg) ? messages::UnknownOption(arg)
                                                              : messages::UnknownCommand(arg)};
    }
    if (style) return UsageError{messages::OneStyleOnly()};
    style = option;
  }
  if (next == args.size()) return UsageError{messages::MissingCommand()};
  if (style && invocation.command == Command::Diff) {
    return UsageError{messages::DiffTakesNoStyle()};
  }
  if (style && invocation.command == Command::Workdays) {
    return UsageError{messages::WorkdaysTakesNoStyle()};
  }
  if (auto error = CheckCalendarOptions(invocation.command, calendarOptions)) return *error;
  invocation.style = style.value_or(OutputStyle::Era);
  if (auto error = TakeOperands(args.subspan(next + 1), optionsEnded, invocation)) return *error;
  return invocation;
}

}  // namespace kalvenor::cli
