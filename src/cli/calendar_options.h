// The options that only some commands take: --inclusive, --holiday, --long
// and what a business day is (--rest=, --holidays=, --closed=, --open=,
// --year-end=).
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "cli/arguments.h"

namespace kalvenor::cli {

// True when arg is one of these options, stored in invocation; error then
// says why its value is refused, if it is.
bool TakeCalendarOption(std::string_view arg, Invocation& invocation,
                        std::optional<UsageError>& error);

// Why one of the options given does not suit the command, if one does not.
std::optional<UsageError> CheckCalendarOptions(const CommandRow& command,
                                               std::span<const std::string_view> given);

}  // namespace kalvenor::cli
