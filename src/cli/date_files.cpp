#include "cli/date_files.h"

#include <string_view>

#include "cli/input_file.h"
#include "cli/line_reader.h"
#include "commands/day_list.h"
#include "commands/messages.h"

namespace kalvenor::cli {
namespace {

constexpr std::size_t kFileBlockBytes = 1 << 16;

// Adds the dates of one file to days; false (with the messages) when the
// file cannot be read or a line is no date.
bool ReadDateFile(std::string_view name, Encoding encoding, const reader::ReadOptions& read,
                  std::vector<SerialDay>& days, std::vector<std::string>& errors) {
  const InputFile file{std::string(name)};
  if (file.Descriptor() < 0) {
    errors.push_back(commands::messages::CannotOpen(name));
    return false;
  }
  LineReader reader(file.Descriptor(), kFileBlockBytes, encoding);
  std::string_view line;
  bool tooLong = false;
  std::u16string text;
  bool allRead = true;
  for (long long number = 1; reader.Next(line, tooLong); ++number) {
    const auto date = commands::ReadDayLine(line, read, text);
    if (!date && !tooLong) continue;
    if (tooLong || date->refusal) {  // a line too long is refused even when blank
      errors.push_back(commands::messages::NotADateInFile(name, number, line));
      allRead = false;
    } else {
      days.push_back(SerialOf(date->date));
    }
  }
  if (reader.Error() != 0) {
    errors.push_back(commands::messages::CannotOpen(name));
    return false;
  }
  return allRead;
}

bool ReadDateFiles(const std::vector<std::string_view>& names, Encoding encoding,
                   const reader::ReadOptions& read, std::vector<SerialDay>& days,
                   std::vector<std::string>& errors) {
  bool allRead = true;
  for (const std::string_view name : names) {
    allRead &= ReadDateFile(name, encoding, read, days, errors);
  }
  return allRead;
}

}  // namespace

std::optional<BusinessRules> LoadBusinessRules(const BusinessOptions& options, Encoding encoding,
                                               const reader::ReadOptions& read,
                                               std::vector<std::string>& errors) {
  BusinessRules rules = options.rules;
  const bool closedRead = ReadDateFiles(options.closed_files, encoding, read, rules.closed, errors);
  if (!ReadDateFiles(options.open_files, encoding, read, rules.open, errors) || !closedRead) {
    return std::nullopt;
  }
  return rules;
}

}  // namespace kalvenor::cli
