#include "cli/kanji_date.h"

#include "calendar/eras.h"
#include "calendar/weekday_chars.h"
#include "cli/blanks.h"
#include "display/display_text.h"
#include "text/utf8.h"

namespace kalvenor::cli {
namespace {

constexpr std::u16string_view kUnits = u"年月日";  // after the year, the month, the day
constexpr char16_t kFirstYear = u'元';

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// text without a trailing "(X)", X one weekday character, blanks aside.
std::u16string_view WithoutWeekday(std::u16string_view text) {
  text = Trimmed(text);
  const std::size_t open = text.rfind(u'(');
  if (text.empty() || text.back() != u')' || open == text.npos) return text;
  const std::u16string_view inside = Trimmed(text.substr(open + 1, text.size() - open - 2));
  if (inside.size() != 1 || kWeekdayChars.find(inside[0]) == inside.npos) return text;
  return text.substr(0, open);
}

// Reads the parts of a kanji date from the front of a text, blanks aside.
class Reader {
 public:
  explicit Reader(std::u16string_view text) : rest_(text) {}

  const Era* EraName() {
    for (const Era& era : kEras) {
      if (Take(era.name)) return &era;
    }
    return nullptr;
  }
  bool Take(std::u16string_view word) {
    rest_ = Trimmed(rest_);
    if (!rest_.starts_with(word)) return false;
    rest_.remove_prefix(word.size());
    return true;
  }
  // Digits, with a minus sign in front when signed; empty when none.
  std::u16string_view Number(bool isSigned) {
    rest_ = Trimmed(rest_);
    std::size_t length = isSigned && rest_.starts_with(u'-') ? 1 : 0;
    const std::size_t sign = length;
    while (length < rest_.size() && IsDigit(rest_[length])) ++length;
    if (length == sign) return {};
    const std::u16string_view number = rest_.substr(0, length);
    rest_.remove_prefix(length);
    return number;
  }
  // The index of the unit kanji that comes next in kUnits, or npos.
  std::size_t Unit() {
    rest_ = Trimmed(rest_);
    if (rest_.empty()) return kUnits.npos;
    const std::size_t unit = kUnits.find(rest_[0]);
    if (unit != kUnits.npos) rest_.remove_prefix(1);
    return unit;
  }
  bool AtEnd() const { return Trimmed(rest_).empty(); }

 private:
  std::u16string_view rest_;
};

}  // namespace

std::optional<std::u16string> RewriteKanjiDate(std::u16string_view text) {
  // Every form ends in 日; most texts are out at once.
  if (text.find(kUnits.back()) == text.npos) return std::nullopt;
  Reader reader(WithoutWeekday(text));
  std::u16string rewritten;
  const Era* era = reader.EraName();
  if (era != nullptr) rewritten = era->letter;
  // The parts run 年 (only as the first), 月, 日 (always the last), each
  // after its number; an era name needs the year.
  std::size_t expected = era != nullptr ? 0 : kUnits.npos;
  for (bool first = true;; first = false) {
    std::u16string_view number;
    if (era != nullptr && first && reader.Take(std::u16string_view(&kFirstYear, 1))) {
      number = u"1";
    } else {
      number = reader.Number(era == nullptr && first);
    }
    const std::size_t unit = reader.Unit();
    if (number.empty() || unit == kUnits.npos) return std::nullopt;
    if (expected != kUnits.npos && unit != expected) return std::nullopt;
    if (number.starts_with(u'-') && unit != 0) return std::nullopt;  // only a year has a sign
    rewritten += number;
    if (unit == kUnits.size() - 1) break;
    rewritten += u'/';
    expected = unit + 1;
  }
  if (!reader.AtEnd()) return std::nullopt;
  return rewritten;
}

void AppendKanjiDate(const DateParts& date, std::string& out) {
  // The --reiwa text ("R 8/ 12/ 7(月)", " 1867/ 12/ 31(火)", "-5/ 1/ 1(日)")
  // already holds the era, the numbers and the weekday; only the way they
  // are written changes.
  const std::u16string display = DisplayText(date, DisplayStyle::Era, kEras);
  std::u16string_view rest = display;
  std::u16string kanji;
  for (const Era& era : kEras) {
    if (rest.front() == era.letter) {
      kanji = era.name;
      rest.remove_prefix(1);
    }
  }
  for (const char16_t unit : kUnits) {
    const std::size_t end = rest.find_first_of(u"/(");
    const std::u16string_view number = Trimmed(rest.substr(0, end));
    const bool firstEraYear = unit == kUnits.front() && !kanji.empty() && number == u"1";
    kanji += firstEraYear ? std::u16string_view(&kFirstYear, 1) : number;
    kanji += unit;
    rest.remove_prefix(end + (unit == kUnits.back() ? 0 : 1));
  }
  out += text::ToUtf8(kanji + std::u16string(rest));
}

}  // namespace kalvenor::cli
