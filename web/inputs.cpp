#include "inputs.h"

#include <span>

#include "page_texts.h"
#include "reader/operand_text.h"
#include "text/utf8.h"
#include "ui/texts.h"
#include "view_text.h"

namespace kalvenor::web {
namespace {

// The window's own message where it has one, kalvenor-cli's otherwise.
std::string Describe(const Failure& failure, std::span<const std::string_view> texts) {
  switch (failure.problem) {
    case Problem::OutOfRange: return text::ToUtf8(ui::texts::kOutOfRange);
    case Problem::Overflow: return text::ToUtf8(ui::texts::kOverflow);
    default: return commands::DescribeFailure(failure, texts);
  }
}

}  // namespace

Inputs::Inputs(std::string_view box1, std::string_view text1, std::string_view box2,
               std::string_view text2)
    : texts{text1, text2}, boxes{box1, box2}, count(box2.empty() ? 1 : 2) {
  reader::DecodeOperand(text1, operands[0].text);
  reader::DecodeOperand(text2, operands[1].text);
}

void Fail(const Failure& failure, Inputs& inputs, std::string_view blamed, View& view) {
  const bool ofOperand = failure.problem == Problem::NotADate ||
                         failure.problem == Problem::NotANumber ||
                         failure.problem == Problem::NotAYear;
  const std::string_view box = ofOperand ? inputs.boxes[failure.operand] : blamed;
  view.error = ErrorView{box, std::string(BoxName(box)) + std::string(texts::kNameSeparator) +
                                  Describe(failure, std::span(inputs.texts, inputs.count))};
  view.announce = view.error->message;
}

std::optional<Failure> ShowDate(Inputs& inputs, std::size_t index,
                                const commands::Settings& settings, commands::OutputStyle style,
                                BoxView& box, std::optional<DateParts>& date) {
  DateParts read;
  auto failure = commands::ReadOperand(inputs.All(), index, settings, read);
  if (failure && failure->problem == Problem::NotADate &&
      failure->refusal == commands::Refusal::Empty) {
    return std::nullopt;
  }
  if (failure) return failure;
  date = read;
  box.text = DateText(read, style);
  box.holiday = HolidayName(read);
  return std::nullopt;
}

}  // namespace kalvenor::web
