// The message for a calculation that failed, in the user's language.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "commands/commands.h"

namespace kalvenor::commands {

// texts: the operands as the user gave them, quoted in the message.
std::string DescribeFailure(const Failure& failure, std::span<const std::string_view> texts);

}  // namespace kalvenor::commands
