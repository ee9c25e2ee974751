// The page's calculator: the command layer's show, add, diff and workdays,
// each on the page's texts and the page's today (the browser's local date),
// answering with the text to show, and the national holiday a date falls
// on, or the message to give.
#include <emscripten/bind.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "commands/business_days.h"
#include "commands/commands.h"
#include "commands/date_output.h"
#include "commands/failure_text.h"
#include "commands/translation.h"
#include "holidays/business_days.h"
#include "reader/operand_text.h"
#include "text/utf8.h"
#include "ui/texts.h"

namespace kalvenor::web {
namespace {

struct Answer {
  bool ok = false;
  std::string text;     // the result, or the message when not ok
  std::string holiday;  // the national holiday on the date shown, if any
};

// The window's own message where it has one; kalvenor-cli's otherwise.
std::string Describe(const commands::Failure& failure, std::span<const std::string_view> texts) {
  switch (failure.problem) {
    case commands::Problem::OutOfRange: return text::ToUtf8(ui::texts::kOutOfRange);
    case commands::Problem::Overflow: return text::ToUtf8(ui::texts::kOverflow);
    default: return commands::DescribeFailure(failure, texts);
  }
}

// Business days with the national holidays and the rest weekdays (bit w:
// weekday w, 0 Sunday), each calendar worked out once.
commands::BusinessDays& BusinessDaysResting(int restWeekdays) {
  static std::map<int, commands::BusinessDays> calendars;
  BusinessRules rules;
  rules.rest_weekdays = static_cast<std::uint8_t>(restWeekdays);
  return calendars.try_emplace(restWeekdays, rules).first->second;
}

// The answer's text: a date in the style with its holiday's name apart, or
// a number of days.
void Answered(const commands::Result& result, commands::OutputStyle style, Answer& answer) {
  if (const auto* date = std::get_if<commands::DateResult>(&result)) {
    commands::AppendDate(date->date, style, answer.text);
    if (date->holiday) answer.holiday = text::ToUtf8(*date->holiday);
  } else {
    commands::AppendNumber(std::get<commands::CountResult>(result).days, answer.text);
  }
}

Answer Calculate(commands::Calculation calculation, std::initializer_list<std::string_view> texts,
                 commands::Settings settings, commands::OutputStyle style) {
  commands::Operand operands[2];
  std::size_t count = 0;
  for (const std::string_view typed : texts) reader::DecodeOperand(typed, operands[count++].text);
  const commands::Operands used(operands, count);
  commands::Result result;
  // A date's holiday is named where the holiday data reach; elsewhere the
  // date alone is the answer.
  auto failure = commands::Run(calculation, used, settings, result);
  if (failure && failure->problem == commands::Problem::HolidaysUnknown && settings.holiday_names) {
    settings.holiday_names = false;
    failure = commands::Run(calculation, used, settings, result);
  }
  Answer answer;
  answer.ok = !failure;
  if (failure) {
    answer.text = Describe(*failure, std::span(texts.begin(), texts.size()));
  } else {
    Answered(result, style, answer);
  }
  return answer;
}

commands::Settings SettingsOf(const DateParts& today, int restWeekdays = 0) {
  commands::Settings settings{.read = reader::ReadOptions{today}};
  settings.holiday_names = true;
  settings.business = &BusinessDaysResting(restWeekdays);
  return settings;
}

Answer Show(const std::string& date, const DateParts& today, commands::OutputStyle style) {
  return Calculate(commands::Show, {date}, SettingsOf(today), style);
}

// days may count business days ("3営業日", "3b").
Answer Add(const std::string& date, const std::string& days, const DateParts& today,
           commands::OutputStyle style, int restWeekdays) {
  return Calculate(commands::Add, {date, days}, SettingsOf(today, restWeekdays), style);
}

// diff and workdays write no date: any style does.
Answer Diff(const std::string& date1, const std::string& date2, const DateParts& today) {
  return Calculate(commands::Diff, {date1, date2}, SettingsOf(today), commands::OutputStyle::Iso);
}

Answer Workdays(const std::string& date1, const std::string& date2, const DateParts& today,
                int restWeekdays) {
  return Calculate(commands::Workdays, {date1, date2}, SettingsOf(today, restWeekdays),
                   commands::OutputStyle::Iso);
}

// The messages in Japanese, from the catalogue built into the module.
void UseJapanese() {
  setenv("LANG", "ja_JP.UTF-8", 1);
  commands::translation::Load("/locale");
}

}  // namespace

EMSCRIPTEN_BINDINGS(kalvenor) {
  emscripten::enum_<commands::OutputStyle>("Style")
      .value("Era", commands::OutputStyle::Era)
      .value("Reiwa", commands::OutputStyle::Reiwa)
      .value("Kanji", commands::OutputStyle::Kanji)
      .value("Western", commands::OutputStyle::Western)
      .value("Iso", commands::OutputStyle::Iso);
  emscripten::value_object<DateParts>("Date")
      .field("year", &DateParts::year)
      .field("month", &DateParts::month)
      .field("day", &DateParts::day);
  emscripten::value_object<Answer>("Answer")
      .field("ok", &Answer::ok)
      .field("text", &Answer::text)
      .field("holiday", &Answer::holiday);
  emscripten::function("show", &Show);
  emscripten::function("add", &Add);
  emscripten::function("diff", &Diff);
  emscripten::function("workdays", &Workdays);
  emscripten::function("useJapanese", &UseJapanese);
}

}  // namespace kalvenor::web
