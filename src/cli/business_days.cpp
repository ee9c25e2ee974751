#include "cli/business_days.h"

#include <cstdio>
#include <memory>

#include "cli/blanks.h"
#include "cli/commands.h"
#include "cli/date_input.h"
#include "cli/date_output.h"
#include "cli/line_reader.h"
#include "cli/messages.h"
#include "cli/operand_text.h"
#include "holidays/holidays.h"
#include "text/utf8.h"

namespace kalvenor::cli {
namespace {

constexpr std::size_t kFileBlockBytes = 1 << 16;

// Adds the dates of one file to days; false (with the messages) when the
// file cannot be read or a line is no date.
bool ReadDateFile(std::string_view name, const DateParts& today, std::vector<SerialDay>& days,
                  std::vector<std::string>& errors) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
      std::fopen(std::string(name).c_str(), "rb"), std::fclose);
  if (!file) {
    errors.push_back(messages::CannotOpen(name));
    return false;
  }
  LineReader reader(file.get(), kFileBlockBytes);
  std::string_view line;
  std::u16string text;
  bool allRead = true;
  for (long long number = 1; reader.Next(line); ++number) {
    const std::string_view content = line.substr(0, line.find('#'));  // no date holds a '#'
    DecodeOperand(content, text);
    if (Trimmed(text).empty()) continue;
    if (const auto date = ReadDate(text, today)) {
      days.push_back(SerialOf(*date));
    } else {
      errors.push_back(messages::NotADateInFile(name, number, line));
      allRead = false;
    }
  }
  if (reader.Failed()) {
    errors.push_back(messages::CannotOpen(name));
    return false;
  }
  return allRead;
}

bool ReadDateFiles(const std::vector<std::string_view>& names, const DateParts& today,
                   std::vector<SerialDay>& days, std::vector<std::string>& errors) {
  bool allRead = true;
  for (const std::string_view name : names) allRead &= ReadDateFile(name, today, days, errors);
  return allRead;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::optional<BusinessRules> LoadBusinessRules(const BusinessOptions& options,
                                               const DateParts& today,
                                               std::vector<std::string>& errors) {
  BusinessRules rules{options.rest_weekdays, options.national_holidays, {}, {}};
  const bool closedRead = ReadDateFiles(options.closed_files, today, rules.closed, errors);
  if (!ReadDateFiles(options.open_files, today, rules.open, errors) || !closedRead) {
    return std::nullopt;
  }
  return rules;
}

const BusinessCalendar& BusinessDays::Calendar() {
  if (!calendar_) calendar_.emplace(rules_);
  return *calendar_;
}

std::optional<std::optional<std::int32_t>> BusinessDayCount(std::u16string_view days) {
  days = Trimmed(days);
  if (days.ends_with(u"営業日")) {
    days.remove_suffix(3);
  } else if (days.ends_with(u'b')) {
    days.remove_suffix(1);
  } else {
    return std::nullopt;
  }
  days = Trimmed(days);
  const bool negative = days.starts_with(u'-');
  if (negative || days.starts_with(u'+')) days.remove_prefix(1);
  if (days.empty() || days.size() > 9) return std::optional<std::int32_t>{};
  std::int32_t count = 0;
  for (const char16_t c : days) {
    if (!IsDigit(c)) return std::optional<std::int32_t>{};
    count = count * 10 + (c - u'0');
  }
  return negative ? -count : count;
}

void AppendHolidayName(const DateParts& date, std::string& out) {
  const auto name = HolidayOn(SerialOf(date));
  if (!name) throw HolidaysUnknownError();
  if (name->empty()) return;
  out += '\t';
  out += text::ToUtf8(*name);
}

std::optional<Failure> Workdays(Operands operands, const Settings& settings, std::string& out) {
  DateParts first;
  DateParts second;
  if (auto failure = ParseOperand(operands, 0, settings.today, first)) return failure;
  if (auto failure = ParseOperand(operands, 1, settings.today, second)) return failure;
  const SerialDay from = SerialOf(first);
  const SerialDay to = SerialOf(second);
  const BusinessCalendar& calendar = settings.business->Calendar();
  std::int32_t count = calendar.Count(from, to);
  // Both ends, as people count 営業日数.
  if (settings.inclusive && calendar.IsBusinessDay(from)) count += to >= from ? 1 : -1;
  AppendNumber(count, out);
  return std::nullopt;
}

}  // namespace kalvenor::cli
