// A list of dates in the form of kalvenor-cli's --closed and --open files,
// given as one text (the page keeps its lists in a text area): one date a
// line in any form the reader takes, "#" starting a comment, blank lines
// skipped.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/gregorian.h"
#include "reader/date_input.h"

namespace kalvenor::commands {

struct DayList {
  std::vector<SerialDay> days;
  // The first line that is not a date: its number (1 for the first) and text.
  std::optional<std::size_t> bad_line;
  std::string_view bad_text;
};

// One line of a list, without its line end: nothing for a blank or
// comment-only line, else what the reader reads of it. decoded is the
// caller's buffer for the decoded text.
std::optional<reader::DateRead> ReadDayLine(std::string_view line, const reader::ReadOptions& read,
                                            std::u16string& decoded);

// text must outlive the result (bad_text points into it).
DayList ReadDayList(std::string_view text, const reader::ReadOptions& read);

}  // namespace kalvenor::commands
