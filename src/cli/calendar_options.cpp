#include "cli/calendar_options.h"

#include <algorithm>
#include <array>

#include "calendar/weekday_chars.h"
#include "cli/messages.h"
#include "text/utf8.h"

namespace kalvenor::cli {
namespace {

constexpr std::string_view kInclusive = "--inclusive";
constexpr std::string_view kHolidayNames = "--holiday";
constexpr std::string_view kRest = "--rest=";
constexpr std::string_view kHolidays = "--holidays=";
constexpr std::string_view kClosed = "--closed=";
constexpr std::string_view kOpen = "--open=";
constexpr std::string_view kYearEnd = "--year-end=";
constexpr std::string_view kLong = "--long";

struct YearEndName {
  std::string_view name;
  YearEnd yearEnd;
};
constexpr std::array<YearEndName, 2> kYearEnds = {
    {{"12/29", YearEnd::FromDecember29}, {"12/31", YearEnd::FromDecember31}}};

// The weekday kanji of value as bits, Sunday (日) bit 0.
std::optional<std::uint8_t> RestWeekdays(std::string_view value) {
  std::uint8_t bits = 0;
  for (const char16_t c : text::FromUtf8(value)) {
    const auto weekday = kWeekdayChars.find(c);
    if (weekday == kWeekdayChars.npos) return std::nullopt;
    bits |= static_cast<std::uint8_t>(1U << weekday);
  }
  return bits;
}

std::optional<UsageError> TakeBusinessOption(std::string_view arg, BusinessOptions& business) {
  if (arg.starts_with(kRest)) {
    const auto bits = RestWeekdays(arg.substr(kRest.size()));
    if (!bits) return UsageError{messages::BadRest(arg.substr(kRest.size()))};
    // Seven rest days leave nothing to count or step onto.
    if (*bits == 0x7F) return UsageError{messages::NoBusinessDay()};
    business.rules.rest_weekdays = *bits;
  } else if (arg.starts_with(kHolidays)) {
    const std::string_view value = arg.substr(kHolidays.size());
    if (value != "jp" && value != "none") return UsageError{messages::BadHolidays(value)};
    business.rules.national_holidays = value == "jp";
  } else if (arg.starts_with(kYearEnd)) {
    const std::string_view value = arg.substr(kYearEnd.size());
    const auto* known = std::ranges::find(kYearEnds, value, &YearEndName::name);
    if (known == kYearEnds.end()) return UsageError{messages::BadYearEnd(value)};
    business.rules.year_end = known->yearEnd;
  } else if (arg.starts_with(kClosed)) {
    business.closed_files.push_back(arg.substr(kClosed.size()));
  } else {
    business.open_files.push_back(arg.substr(kOpen.size()));
  }
  return std::nullopt;
}

bool IsBusinessOption(std::string_view arg) {
  return arg.starts_with(kRest) || arg.starts_with(kHolidays) || arg.starts_with(kClosed) ||
         arg.starts_with(kOpen) || arg.starts_with(kYearEnd);
}

bool AppliesTo(std::string_view option, const CommandRow& command) {
  if (option == kInclusive) return command.takes.inclusive;
  if (option == kHolidayNames) return command.takes.holiday_names;
  if (option == kLong) return command.takes.long_form;
  return command.takes.business_days;
}

}  // namespace

bool TakeCalendarOption(std::string_view arg, Invocation& invocation,
                        std::optional<UsageError>& error) {
  if (arg == kInclusive) {
    invocation.inclusive = true;
  } else if (arg == kHolidayNames) {
    invocation.holiday_names = true;
  } else if (arg == kLong) {
    invocation.long_form = true;
  } else if (IsBusinessOption(arg)) {
    error = TakeBusinessOption(arg, invocation.business);
  } else {
    return false;
  }
  return true;
}

std::optional<UsageError> CheckCalendarOptions(const CommandRow& command,
                                               std::span<const std::string_view> given) {
  for (const std::string_view option : given) {
    const std::string_view name = option.substr(0, option.find('=') + 1);
    if (!AppliesTo(name.empty() ? option : name, command)) {
      return UsageError{messages::OptionNotForCommand(option)};
    }
  }
  return std::nullopt;
}

}  // namespace kalvenor::cli
