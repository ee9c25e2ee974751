#include "cli/arguments.h"

#include <algorithm>
#include <array>
#include <optional>

#include "cli/calendar_options.h"
#include "cli/messages.h"

namespace kalvenor::cli {
namespace {

constexpr std::string_view kEndOfOptions = "--";
constexpr std::string_view kEncodingOption = "--encoding=";

struct StyleName {
  std::string_view option;
  OutputStyle style;
};
constexpr std::array<StyleName, 5> kStyles = {{{"--era", OutputStyle::Era},
                                               {"--reiwa", OutputStyle::Reiwa},
                                               {"--kanji", OutputStyle::Kanji},
                                               {"--western", OutputStyle::Western},
                                               {"--iso", OutputStyle::Iso}}};

// The options that only switch something on.
struct Switch {
  std::string_view option;
  bool Invocation::*flag;
};
constexpr std::array<Switch, 3> kSwitches = {{{"--line-buffered", &Invocation::lineBuffered},
                                              {"--window-language", &Invocation::windowLanguage},
                                              {"--strict", &Invocation::strict}}};

struct EncodingName {
  std::string_view name;
  Encoding encoding;
};
constexpr std::array<EncodingName, 3> kEncodings = {
    {{"utf-8", Encoding::Utf8}, {"utf-16", Encoding::Utf16}, {"cp932", Encoding::Cp932}}};

std::optional<Action> HelpOrVersion(std::string_view arg) {
  if (arg == "-h" || arg == "--help") return Action::Help;
  if (arg == "-V" || arg == "--version") return Action::Version;
  return std::nullopt;
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// "--iso", "-x"; not "-" (standard input), "-5/1/1" or "-1" (a date or a
// day count).
bool LooksLikeOption(std::string_view arg) {
  return arg.size() > 1 && arg[0] == '-' && (arg[1] == '-' || IsAsciiLetter(arg[1]));
}

// Takes one option before the command word into invocation; the reason
// when it is not one or does not fit the others.
std::optional<UsageError> TakeOption(std::string_view arg, bool& styled, Invocation& invocation) {
  for (const StyleName& style : kStyles) {
    if (arg != style.option) continue;
    if (styled) return UsageError{messages::OneStyleOnly()};
    styled = true;
    invocation.style = style.style;
    return std::nullopt;
  }
  for (const Switch& option : kSwitches) {
    if (arg != option.option) continue;
    invocation.*option.flag = true;
    return std::nullopt;
  }
  if (arg.starts_with(kEncodingOption)) {
    const std::string_view name = arg.substr(kEncodingOption.size());
    const auto* known = std::ranges::find(kEncodings, name, &EncodingName::name);
    if (known == kEncodings.end()) return UsageError{messages::UnknownEncoding(name)};
    invocation.encoding = known->encoding;
    return std::nullopt;
  }
  return UsageError{LooksLikeOption(arg) ? messages::UnknownOption(arg)
                                         : messages::UnknownCommand(arg)};
}

// Why the operands do not suit the command, if they do not.
std::optional<UsageError> CheckOperands(const Invocation& invocation) {
  const CommandRow& command = *invocation.command;
  const auto count = invocation.operands.size();
  if (count < command.least || count > command.most) {
    return UsageError{messages::WrongOperandCount(command)};
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

// --help or --version, the first of them before any "--".
std::optional<Action> AskedForHelpOrVersion(std::span<const std::string_view> args) {
  for (const std::string_view arg : args) {
    if (arg == kEndOfOptions) break;
    if (const auto action = HelpOrVersion(arg)) return action;
  }
  return std::nullopt;
}

}  // namespace

std::variant<Invocation, UsageError> ParseArguments(std::span<const std::string_view> args) {
  Invocation invocation;
  if (const auto action = AskedForHelpOrVersion(args)) {
    invocation.action = *action;
    return invocation;
  }
  bool styled = false;
  std::vector<std::string_view> calendarOptions;
  bool optionsEnded = false;
  std::size_t next = 0;
  for (; next < args.size(); ++next) {
    const std::string_view arg = args[next];
    if (const CommandRow* command = commands::FindCommand(arg)) {
      invocation.action = Action::Calculate;
      invocation.command = command;
      break;
    }
    if (optionsEnded) return UsageError{messages::UnknownCommand(arg)};
    std::optional<UsageError> badValue;
    if (arg == kEndOfOptions) {
      optionsEnded = true;
    } else if (TakeCalendarOption(arg, invocation, badValue)) {
      if (badValue) return *badValue;
      calendarOptions.push_back(arg);
    } else if (auto error = TakeOption(arg, styled, invocation)) {
      return *error;
    }
  }
  if (next == args.size()) return UsageError{messages::MissingCommand()};
  if (styled && !invocation.command->takes.style) {
    return UsageError{messages::TakesNoStyle(invocation.command->word)};
  }
  if (auto error = CheckCalendarOptions(*invocation.command, calendarOptions)) return *error;
  if (auto error = TakeOperands(args.subspan(next + 1), optionsEnded, invocation)) return *error;
  return invocation;
}

}  // namespace kalvenor::cli
