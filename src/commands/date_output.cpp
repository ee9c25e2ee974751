#include "commands/date_output.h"

#include <charconv>

#include "calendar/eras.h"
#include "display/display_text.h"
#include "text/utf8.h"

namespace kalvenor::commands {

void AppendDate(const DateParts& date, OutputStyle style, std::string& out) {
  switch (style) {
    case OutputStyle::Era: out += text::ToUtf8(DisplayText(date, DisplayStyle::Era)); break;
    case OutputStyle::Reiwa:
      out += text::ToUtf8(DisplayText(date, DisplayStyle::Era, kEras));
      break;
    case OutputStyle::Kanji: AppendKanjiDate(date, out); break;
    case OutputStyle::Western: out += text::ToUtf8(DisplayText(date, DisplayStyle::Western)); break;
    case OutputStyle::Iso: AppendIsoDate(date, out); break;
  }
}

void AppendNumber(std::int32_t number, std::string& out) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  out.append(digits, end);
}

}  // namespace kalvenor::commands
