#include "cli/date_files.h"

#include <cstdio>
#include <memory>
#include <string_view>

#include "cli/line_reader.h"
#include "commands/messages.h"
#include "reader/operand_text.h"

namespace kalvenor::cli {
namespace {

constexpr std::size_t kFileBlockBytes = 1 << 16;

// Adds the dates of one file to days; false (with the messages) when the
// file cannot be read or a line is no date.
bool ReadDateFile(std::string_view name, const reader::ReadOptions& read,
                  std::vector<SerialDay>& days, std::vector<std::string>& errors) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
      std::fopen(std::string(name).c_str(), "rb"), std::fclose);
  if (!file) {
    errors.push_back(commands::messages::CannotOpen(name));
    return false;
  }
  LineReader reader(file.get(), kFileBlockBytes);
  std::string_view line;
  bool tooLong = false;
  std::u16string text;
  bool allRead = true;
  for (long long number = 1; reader.Next(line, tooLong); ++number) {
    const std::string_view content = line.substr(0, line.find('#'));  // no date holds a '#'
    reader::DecodeOperand(content, text);
    if (reader::Trimmed(text).empty() && !tooLong) continue;
    const reader::DateRead date = reader::ReadDate(text, read);
    if (date.refusal || tooLong) {
      errors.push_back(commands::messages::NotADateInFile(name, number, line));
      allRead = false;
    } else {
      days.push_back(SerialOf(date.date));
    }
  }
  if (reader.Error() != 0) {
    errors.push_back(commands::messages::CannotOpen(name));
    return false;
  }
  return allRead;
}

bool ReadDateFiles(const std::vector<std::string_view>& names, const reader::ReadOptions& read,
                   std::vector<SerialDay>& days, std::vector<std::string>& errors) {
  bool allRead = true;
  for (const std::string_view name : names) allRead &= ReadDateFile(name, read, days, errors);
  return allRead;
}

}  // namespace

std::optional<BusinessRules> LoadBusinessRules(const BusinessOptions& options,
                                               const reader::ReadOptions& read,
                                               std::vector<std::string>& errors) {
  BusinessRules rules{options.rest_weekdays, options.national_holidays, {}, {}, options.year_end};
  const bool closedRead = ReadDateFiles(options.closed_files, read, rules.closed, errors);
  if (!ReadDateFiles(options.open_files, read, rules.open, errors) || !closedRead) {
    return std::nullopt;
  }
  return rules;
}

}  // namespace kalvenor::cli
