#include "commands/day_list.h"

#include <string>

#include "reader/operand_text.h"

namespace kalvenor::commands {

std::optional<reader::DateRead> ReadDayLine(std::string_view line, const reader::ReadOptions& read,
                                            std::u16string& decoded) {
  reader::DecodeOperand(line.substr(0, line.find('#')), decoded);  // no date holds a '#'
  if (reader::Trimmed(decoded).empty()) return std::nullopt;
  return reader::ReadDate(decoded, read);
}

DayList ReadDayList(std::string_view text, const reader::ReadOptions& read) {
  DayList list;
  std::u16string decoded;
  std::size_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const auto date = ReadDayLine(line, read, decoded);
    if (!date) continue;
    if (date->refusal) {
      list.bad_line = number;
      list.bad_text = line;
      return list;
    }
    list.days.push_back(SerialOf(date->date));
  }
  return list;
}

}  // namespace kalvenor::commands
