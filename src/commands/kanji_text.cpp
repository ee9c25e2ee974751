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

void AppendKanjiDate(const DateParts& date, std::string& out) {
  // Written straight into UTF-8 and appended once: --kanji output of a
  // large batch must cost little more than --iso.
  static const std::array<std::string, kEras.size()> kNames = [] {
    std::array<std::string, kEras.size()> names;
    for (std::size_t i = 0; i < kEras.size(); ++i) names[i] = text::ToUtf8(kEras[i].name);
    return names;
  }();
  static const std::array<std::string, 7> kWeekdaysUtf8 = [] {
    std::array<std::string, 7> weekdays;
    for (std::size_t i = 0; i < weekdays.size(); ++i) {
      const char16_t inParentheses[] = {u'(', kWeekdayChars[i], u')'};
      weekdays[i] = text::ToUtf8(std::u16string_view(inParentheses, 3));
    }
    return weekdays;
  }();
  char text[64];  // 令和30749年12月31日(日) at the longest: 37 bytes
  char* end = text;
  const auto put = [&end](std::string_view bytes) {
    std::memcpy(end, bytes.data(), bytes.size());
    end += bytes.size();
  };
  const auto number = [&](std::int32_t value, std::string_view unit) {
    char digits[12];
    const char* digitsEnd = std::to_chars(digits, digits + sizeof digits, value).ptr;
    put(std::string_view(digits, static_cast<std::size_t>(digitsEnd - digits)));
    put(unit);
  };
  std::int32_t year = date.year;
  const Era* era = EraOf(date, kEras);
  if (era != nullptr) {
    put(kNames[era - kEras.data()]);
    year -= era->offset;
  }
  if (era != nullptr && year == 1) {
    put("元年");
  } else if (era == nullptr && year >= 0 && year < 1000) {
    // Four digits, as a year without an era must have to read back (8年
    // may be 令和8年).
    const char digits[] = {'0', static_cast<char>('0' + year / 100),
                           static_cast<char>('0' + year / 10 % 10),
                           static_cast<char>('0' + year % 10)};
    put(std::string_view(digits, 4));
    put("年");
  } else {
    number(year, "年");
  }
  number(date.month, "月");
  number(date.day, "日");
  put(kWeekdaysUtf8[WeekdayOf(date)]);
  out.append(text, end);
}

}  // namespace kalvenor::commands
