#include "calendar/date.h"
#include "commands/commands.h"
#include "commands/date_output.h"
#include "commands/messages.h"

namespace kalvenor::commands {
namespace {

std::string DescribeRefusal(const Failure& failure, std::string_view text) {
  switch (failure.refusal) {
    case Refusal::Empty: return messages::NoDate();
    case Refusal::WrongWeekday:
      return messages::WrongWeekday(text, IsoText(failure.date), WeekdayOf(failure.date));
    case Refusal::OutsideEra: return messages::OutsideEra(text, failure.date);
    case Refusal::NoSuchDay: return messages::NoSuchDay(text, failure.date);
    case Refusal::NoSuchTime: return messages::NoSuchTime(text);
    case Refusal::EraNeeded: return messages::EraNeeded(text);
    case Refusal::YearsDisagree:
      return messages::YearsDisagree(text, failure.date.year, failure.otherYear);
    case Refusal::Quoted: return messages::InQuotes(text);
    case Refusal::StrayCharacter: return messages::StrayCharacter(text, failure.character);
    case Refusal::TextAfterDate: return messages::TextAfterDate(text);
    case Refusal::NotADate: break;
  }
  return messages::NotADate(text);
}

}  // namespace

std::string DescribeFailure(const Failure& failure, std::span<const std::string_view> texts) {
  switch (failure.problem) {
    case Problem::NotADate: return DescribeRefusal(failure, texts[failure.operand]);
    case Problem::NotANumber: return messages::NotANumber(texts[failure.operand]);
    case Problem::OutOfRange: return messages::OutOfRange(texts[0], texts[1]);
    case Problem::Overflow: return messages::Overflow(texts);
    case Problem::NotAYear: return messages::NotAYear(texts[failure.operand]);
    case Problem::HolidaysUnknown: return messages::HolidaysUnknown();
    case Problem::BirthAfterDate: return messages::BirthAfterDate(texts[0], IsoText(failure.date));
  }
  return {};
}

}  // namespace kalvenor::commands
