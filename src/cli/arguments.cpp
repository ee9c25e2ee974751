#include "cli/arguments.h"

#include <algorithm>
#include <optional>

#include "cli/messages.h"

namespace cli {
namespace {

std::optional<OutputStyle> StyleOption(std::string_view arg) {
  if (arg == "--era") return OutputStyle::Era;
  if (arg == "--western") return OutputStyle::Western;
  if (arg == "--iso") return OutputStyle::Iso;
  return std::nullopt;
}

std::optional<Command> CommandWord(std::string_view arg) {
  if (arg == "show") return Command::Show;
  if (arg == "add") return Command::Add;
  if (arg == "diff") return Command::Diff;
  return std::nullopt;
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
    case Command::Help:
    case Command::Version: break;
  }
  // Standard input can be read only once.
  if (std::ranges::count(invocation.operands, kStdinOperand) > 1) {
    return UsageError{messages::StdinOnce()};
  }
  return std::nullopt;
}

}  // namespace

std::variant<Invocation, UsageError> ParseArguments(std::span<const std::string_view> args) {
  Invocation invocation;
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "--version")) {
    invocation.command = args[0] == "--help" ? Command::Help : Command::Version;
    return invocation;
  }

  std::optional<OutputStyle> style;
  std::size_t next = 0;
  for (; next < args.size(); ++next) {
    const std::string_view arg = args[next];
    if (const auto command = CommandWord(arg)) {
      invocation.command = *command;
      break;
    }
    if (arg == "--help" || arg == "--version") {
      return UsageError{messages::HelpVersionAlone()};
    }
    const auto option = StyleOption(arg);
    if (!option) {
      return UsageError{arg.starts_with('-') ? messages::UnknownOption(arg)
                                             : messages::UnknownCommand(arg)};
    }
    if (style) return UsageError{messages::OneStyleOnly()};
    style = option;
  }
  if (next == args.size()) return UsageError{messages::MissingCommand()};
  if (style && invocation.command == Command::Diff) {
    return UsageError{messages::DiffTakesNoStyle()};
  }
  invocation.style = style.value_or(OutputStyle::Era);
  invocation.operands.assign(args.begin() + next + 1, args.end());
  if (auto error = CheckOperands(invocation)) return *error;
  return invocation;
}

}  // namespace cli
