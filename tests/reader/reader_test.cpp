// kalvenor-cli's strict reader in process: the rules it shares with the window's language, met
// through its own forms, and what only it refuses. The CLI case tables run the program itself.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "reader/date_input.h"
#include "support/date_parts_output.h"
#include "text/utf8.h"

namespace kalvenor::reader {
namespace {

using Cases = std::vector<std::pair<std::vector<std::u16string>, std::optional<DateParts>>>;
constexpr DateParts kToday{1999, 4, 20};  // a Tuesday
constexpr std::nullopt_t kRefused = std::nullopt;

void Expect(const Cases& cases) {
  for (const auto& [texts, want] : cases) {
    for (const std::u16string& text : texts) {
      const DateRead read = ReadDate(text, {kToday});
      EXPECT_EQ(want, read.refusal ? std::nullopt : std::optional(read.date)) << text::ToUtf8(text);
    }
  }
}

// Leading fields left out are completed from today as the window completes them.
TEST(ReadDate, CompletesAsTheWindowDoes) {
  // clang-format off
  Expect({{{u"25", u"25日"}, {{1999, 4, 25}}}, {{u"5", u" 5 日", u"五日"}, {{1999, 5, 5}}},
          {{u"E", u"4/e"}, {{1999, 4, 30}}}, {{u"月", u"1999/4/月"}, {{1999, 4, 26}}},
          {{u"4/19", u"4月19日"}, {{2000, 4, 19}}}, {{u"4/月3"}, {{2000, 4, 17}}},
          {{u"2/29", u"2/E", u"二月二十九日"}, {{2000, 2, 29}}}, {{u"12/月5"}, {{2001, 12, 31}}},
          // 31 in a 30-day month is no date; numbers past 16 bits neither.
          {{u"31", u"31日", u"2/30", u"13/1", u"0", u"99", u"2000/2/月5", u"1/32768", u"32768/1"},
           kRefused}});
  // clang-format on
}

// Two digits take the two-digit rule, three or more digits are the year as written, in 16 bits.
TEST(ReadDate, ReadsYearsAsWritten) {
  // clang-format off
  Expect({{{u"099/1/1", u"099.1.1", u"099年1月1日"}, {{99, 1, 1}}}, {{u"99/1/1"}, {{1999, 1, 1}}},
          {{u"32767/12/31", u"R30749/12/31"}, {{32767, 12, 31}}},
          {{u"-32768/1/1"}, {{-32768, 1, 1}}},
          {{u"32768/1/1", u"R30750/1/1", u"-32769/1/1"}, kRefused}});
  // clang-format on
}

// Kanji numerals are written digit by digit or counted, each unit at most once and largest first;
// a number and its unit stand together.
TEST(ReadDate, ReadsKanjiNumeralsStrictly) {
  // clang-format off
  Expect({{{u"千九百八十九年一月八日", u"一九八九年一月八日"}, {{1989, 1, 8}}},
          {{u"百年十月十日"}, {{100, 10, 10}}}, {{u"十日"}, {{1999, 5, 10}}},
          {{u"2000年1月十十日", u"百百年1月1日", u"千千年1月1日", u"2000年1月二二十日", u"2000年十百月1日",
            u"2000年1月〇十日", u"2026二日", u"4十日"}, kRefused}});
  // clang-format on
}

}  // namespace
}  // namespace kalvenor::reader
