#include "view_text.h"

#include <string>

#include "commands/business_days.h"
#include "page_texts.h"
#include "reader/date_input.h"
#include "reader/operand_text.h"
#include "text/utf8.h"

namespace kalvenor::web {

std::string DateText(const DateParts& date, commands::OutputStyle style) {
  std::string text;
  commands::AppendDate(date, style, text);
  if (style == commands::OutputStyle::Western) std::erase(text, ' ');
  return text;
}

std::string HolidayName(const DateParts& date) {
  try {
    return text::ToUtf8(commands::HolidayNameOn(date));
  } catch (const HolidaysUnknownError&) {
    return {};
  }
}

std::optional<DateParts> IsoDate(std::string_view text) {
  std::u16string decoded;
  reader::DecodeOperand(text, decoded);
  const reader::DateRead read = reader::ReadDate(decoded, {});
  if (read.refusal) return std::nullopt;
  return read.date;
}

std::string_view BoxName(std::string_view box) {
  if (box == "d1") return texts::kDate1;
  if (box == "d2") return texts::kDate2;
  if (box == "n") return texts::kDays;
  return box == "closed" ? texts::kClosed : texts::kOpen;
}

}  // namespace kalvenor::web
