#include "cli/date_input.h"

#include "calendar/eras.h"
#include "cli/blanks.h"
#include "cli/iso_date.h"
#include "cli/kanji_date.h"
#include "parse/date_parser.h"
#include "parse/plain_date.h"

namespace kalvenor::cli {
namespace {

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; }

bool IsTodayKeyword(std::u16string_view text) {
  text = Trimmed(text);
  if (text == u"今日") return true;
  constexpr std::u16string_view kToday = u"today";
  if (text.size() != kToday.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (Lower(text[i]) != kToday[i]) return false;
  }
  return true;
}

std::optional<DateParts> Parse(const std::u16string& text, const DateParts& today) {
  return ParseDate(text, today, kEras).date;  // raises nothing: a number too big is no date
}

}  // namespace

std::optional<DateParts> ReadDate(const std::u16string& text, const DateParts& today) {
  // The usual batch line, "2024/3/15", is none of the forms below: it goes
  // straight to the date language's fast path.
  DateParts plain;
  if (ReadPlainDate(text, plain)) return plain;
  if (IsTodayKeyword(text)) return Parse(u"", today);
  if (const auto iso = ReadIsoDate(text)) {
    if (iso->day == kDayInvalid) return std::nullopt;
    return iso;
  }
  if (const auto rewritten = RewriteKanjiDate(text)) return Parse(*rewritten, today);
  return Parse(text, today);
}

}  // namespace kalvenor::cli
