// The boxes' texts as the operands of a calculation of the command layer,
// and its failures as errors that name their box.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "commands/commands.h"
#include "commands/date_output.h"
#include "view.h"

namespace kalvenor::web {

using commands::Failure;
using commands::Problem;

// The user's texts as operands, with the boxes they came from.
struct Inputs {
  commands::Operand operands[2];
  std::string_view texts[2];  // as typed, for the messages
  std::string_view boxes[2];  // d1, d2 or n
  std::size_t count = 2;

  Inputs(std::string_view box1, std::string_view text1, std::string_view box2 = {},
         std::string_view text2 = {});
  commands::Operands All() { return commands::Operands(operands, count); }
};

// The failure's message, named by its box: the operand's own for a text
// refused, `blamed` for a calculation that failed on the way.
void Fail(const Failure& failure, Inputs& inputs, std::string_view blamed, View& view);

// Reads operand `index` and shows its date in the box in the style; an
// empty text is no date and no failure.
std::optional<Failure> ShowDate(Inputs& inputs, std::size_t index,
                                const commands::Settings& settings, commands::OutputStyle style,
                                BoxView& box, std::optional<DateParts>& date);

}  // namespace kalvenor::web
