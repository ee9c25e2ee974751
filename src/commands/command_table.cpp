#include "commands/command_table.h"

#include <algorithm>
#include <array>

#include "commands/messages.h"

namespace kalvenor::commands {
namespace {

using messages::Msgid;

// The order of the usage and of --help. A summary's lines are at most 54
// columns wide: --help indents them to its column of summaries.
constexpr std::array kCommands = std::to_array<CommandRow>({
    {.word = "show",
     .operands = "TEXT...",
     .least = 1,
     .most = kAnyNumber,
     .takes = {.style = true, .holiday_names = true},
     .each_operand = true,
     .wrong_count = Msgid("%s needs one or more dates"),
     .summary = Msgid("the date of each TEXT with its weekday, one line each"),
     .calculation = Show},
    {.word = "add",
     .operands = "DATE DAYS",
     .least = 2,
     .most = 2,
     .takes = {.style = true, .inclusive = true, .holiday_names = true, .business_days = true},
     .wrong_count = Msgid("%s needs a date and a number of days"),
     .summary = Msgid("the date DAYS after DATE; DAYS of Nb count business\n"
                      "days: workdays DATE (add DATE Nb) is N. With\n"
                      "--inclusive DATE counts as the first day"),
     .calculation = Add},
    {.word = "diff",
     .operands = "DATE1 DATE2",
     .least = 2,
     .most = 2,
     .takes = {.inclusive = true},
     .wrong_count = Msgid("%s needs two dates"),
     .summary = Msgid("the number of days from DATE1 to DATE2 (DATE2 - DATE1)"),
     .calculation = Diff},
    {.word = "holidays",
     .operands = "YEAR [YEAR2] | DATE1 DATE2",
     .least = 1,
     .most = 2,
     .takes = {.style = true},
     .wrong_count = Msgid("%s needs a year, two years or two dates"),
     .summary = Msgid("the national holidays of the years or between the\n"
                      "dates, a line each: the date, a tab and the name.\n"
                      "With \"-\", a line per input line: its DATE<TAB>NAME\n"
                      "pairs joined by tabs, empty if there are none"),
     .calculation = Holidays},
    {.word = "workdays",
     .operands = "DATE1 DATE2",
     .least = 2,
     .most = 2,
     .takes = {.inclusive = true, .business_days = true},
     .wrong_count = Msgid("%s needs two dates"),
     .summary = Msgid("the business days stepped onto from DATE1 to DATE2:\n"
                      "DATE1 is not counted, DATE2 is; negative going back"),
     .calculation = Workdays},
    {.word = "span",
     .operands = "DATE1 DATE2",
     .least = 2,
     .most = 2,
     .takes = {.style = true, .inclusive = true},
     .wrong_count = Msgid("%s needs two dates"),
     .summary = Msgid("years, months and days from DATE1 to DATE2 (--iso:\n"
                      "P1Y2M3D)"),
     .calculation = Span},
    {.word = "age",
     .operands = "BIRTH [DATE]",
     .least = 1,
     .most = 2,
     .takes = {.style = true, .long_form = true},
     .wrong_count = Msgid("%s needs a date of birth and at most one date more"),
     .summary = Msgid("the completed years of age on DATE (today if left\n"
                      "out) as Japanese law counts them; --long adds\n"
                      "the months and days (--iso: P36Y, P36Y2M3D)"),
     .calculation = Age},
});

}  // namespace

std::span<const CommandRow> Commands() { return kCommands; }

const CommandRow* FindCommand(std::string_view word) {
  // em++'s libc++ has no std::ranges::find.
  const auto* row =
      std::find_if(kCommands.begin(), kCommands.end(),
                   [word](const CommandRow& command) { return command.word == word; });
  return row == kCommands.end() ? nullptr : row;
}

}  // namespace kalvenor::commands
