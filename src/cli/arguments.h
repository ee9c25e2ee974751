// The command line: options first, then the command word, then operands.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli {

enum class Command { Show, Add, Diff, Help, Version };

// How show and add write a date.
enum class OutputStyle { Era, Western, Iso };

struct Invocation {
  Command command = Command::Help;
  OutputStyle style = OutputStyle::Era;
  // Everything after the command word, taken as written ("-" reads stdin).
  std::vector<std::string_view> operands;
};

// Why the command line was refused, in the user's language.
struct UsageError {
  std::string reason;
};

// args excludes the program name.
std::variant<Invocation, UsageError> ParseArguments(std::span<const std::string_view> args);

// The operand that stands for standard input.
inline constexpr std::string_view kStdinOperand = "-";

}  // namespace cli
