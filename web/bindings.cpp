// The page's calculator: kalvenor-cli's show, add and diff, each on the
// page's texts and the page's today (the browser's local date), answering
// with the text to show or the message to give.
#include <emscripten/bind.h>

#include <cstddef>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "cli/failure_text.h"
#include "cli/operand_text.h"
#include "cli/translation.h"
#include "numeric/checked.h"
#include "text/utf8.h"
#include "ui/texts.h"

namespace kalvenor::web {
namespace {

struct Answer {
  bool ok = false;
  std::string text;  // the result, or the message when not ok
};

// The window's own message where it has one; kalvenor-cli's otherwise.
std::string Describe(const cli::Failure& failure, std::span<const std::string_view> texts) {
  switch (failure.problem) {
    case cli::Problem::OutOfRange: return text::ToUtf8(ui::texts::kOutOfRange);
    case cli::Problem::Overflow: return text::ToUtf8(ui::texts::kOverflow);
    default: return cli::DescribeFailure(failure, texts);
  }
}

Answer Calculate(cli::Calculation calculation, std::initializer_list<std::string_view> texts,
                 const DateParts& today, cli::OutputStyle style) {
  cli::Operand operands[2];
  std::size_t count = 0;
  for (const std::string_view typed : texts) cli::DecodeOperand(typed, operands[count++].text);
  const cli::Settings settings{style, cli::ReadOptions{today}};
  Answer answer;
  std::optional<cli::Failure> failure;
  try {
    failure = calculation(cli::Operands(operands, count), settings, answer.text);
  } catch (const checked::OverflowError&) {
    failure = cli::Failure{.problem = cli::Problem::Overflow};
  }
  answer.ok = !failure;
  if (failure) answer.text = Describe(*failure, std::span(texts.begin(), texts.size()));
  return answer;
}

Answer Show(const std::string& date, const DateParts& today, cli::OutputStyle style) {
  return Calculate(cli::Show, {date}, today, style);
}

Answer Add(const std::string& date, const std::string& days, const DateParts& today,
           cli::OutputStyle style) {
  return Calculate(cli::Add, {date, days}, today, style);
}

Answer Diff(const std::string& date1, const std::string& date2, const DateParts& today) {
  // diff writes no date: any style does
  return Calculate(cli::Diff, {date1, date2}, today, cli::OutputStyle::Iso);
}

// The messages in Japanese, from the catalogue built into the module.
void UseJapanese() {
  setenv("LANG", "ja_JP.UTF-8", 1);
  cli::translation::Load("/locale");
}

}  // namespace

EMSCRIPTEN_BINDINGS(kalvenor) {
  emscripten::enum_<cli::OutputStyle>("Style")
      .value("Era", cli::OutputStyle::Era)
      .value("Reiwa", cli::OutputStyle::Reiwa)
      .value("Kanji", cli::OutputStyle::Kanji)
      .value("Western", cli::OutputStyle::Western)
      .value("Iso", cli::OutputStyle::Iso);
  emscripten::value_object<DateParts>("Date")
      .field("year", &DateParts::year)
      .field("month", &DateParts::month)
      .field("day", &DateParts::day);
  emscripten::value_object<Answer>("Answer").field("ok", &Answer::ok).field("text", &Answer::text);
  emscripten::function("show", &Show);
  emscripten::function("add", &Add);
  emscripten::function("diff", &Diff);
  emscripten::function("useJapanese", &UseJapanese);
}

}  // namespace kalvenor::web
