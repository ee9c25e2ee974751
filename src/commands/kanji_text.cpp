// Dates as written in Japanese documents: 令和8年12月7日(月).
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "calendar/date.h"
#include "calendar/eras.h"
#include "calendar/weekday_chars.h"
#include "commands/date_output.h"
#include "text/utf8.h"

namespace kalvenor::commands {
namespace {

// Written straight into UTF-8 and appended once: --kanji output of a large
// batch must cost little more than --iso.
class KanjiText {
 public:
  void Put(std::string_view bytes) {
    std::memcpy(end_, bytes.data(), bytes.size());
    end_ += bytes.size();
  }
  void Number(std::int32_t value, std::string_view unit) {
    end_ = std::to_chars(end_, text_ + sizeof text_, value).ptr;
    Put(unit);
  }
  void AppendTo(std::string& out) const {
    out.append(text_, static_cast<std::size_t>(end_ - text_));
  }

 private:
  char text_[64] = {};  // 令和30749年12月31日(日) at the longest: 37 bytes
  char* end_ = text_;
};

const std::string& EraName(const Era& era) {
  static const std::array<std::string, kEras.size()> kNames = [] {
    std::array<std::string, kEras.size()> names;
    for (std::size_t i = 0; i < kEras.size(); ++i) names[i] = text::ToUtf8(kEras[i].name);
    return names;
  }();
  return kNames[&era - kEras.data()];
}

const std::string& WeekdayInParentheses(int weekday) {
  static const std::array<std::string, 7> kWeekdays = [] {
    std::array<std::string, 7> weekdays;
    for (std::size_t i = 0; i < weekdays.size(); ++i) {
      const char16_t inParentheses[] = {u'(', kWeekdayChars[i], u')'};
      weekdays[i] = text::ToUtf8(std::u16string_view(inParentheses, 3));
    }
    return weekdays;
  }();
  return kWeekdays[weekday];
}

void PutYear(const DateParts& date, KanjiText& text) {
  const Era* era = EraOf(date, kEras);
  if (era == nullptr && date.year >= 0 && date.year < 1000) {
    // Four digits, as a year without an era must have to read back (8年
    // may be 令和8年).
    const char digits[] = {'0', static_cast<char>('0' + date.year / 100),
                           static_cast<char>('0' + date.year / 10 % 10),
                           static_cast<char>('0' + date.year % 10)};
    text.Put(std::string_view(digits, 4));
    text.Put("年");
  } else if (era == nullptr) {
    text.Number(date.year, "年");
  } else {
    text.Put(EraName(*era));
    const std::int32_t eraYear = date.year - era->offset;
    if (eraYear == 1) {
      text.Put("元年");
    } else {
      text.Number(eraYear, "年");
    }
  }
}

}  // namespace

void AppendKanjiDate(const DateParts& date, std::string& out) {
  KanjiText text;
  PutYear(date, text);
  text.Number(date.month, "月");
  text.Number(date.day, "日");
  text.Put(WeekdayInParentheses(WeekdayOf(date)));
  text.AppendTo(out);
}

}  // namespace kalvenor::commands
