// kalvenor-cli's strict reader in process: the rules it shares with the window's language, met
// through its own forms, what documents and logs add, and why it refuses what it refuses. The CLI
// case tables run the program itself and check the messages, with what each reason names.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "reader/date_input.h"
#include "reader/kanji_date.h"
#include "support/date_parts_output.h"
#include "text/utf8.h"

namespace kalvenor::reader {
namespace {

using Outcome = std::variant<DateParts, Refusal>;
using Cases = std::vector<std::pair<std::vector<std::u16string>, Outcome>>;
constexpr DateParts kToday{1999, 4, 20};  // a Tuesday

DateRead Read(const std::u16string& text) { return ReadDate(text, {kToday}); }

void Expect(const Cases& cases) {
  for (const auto& [texts, want] : cases) {
    for (const std::u16string& text : texts) {
      const DateRead read = Read(text);
      const Outcome got = read.refusal ? Outcome(*read.refusal) : Outcome(read.date);
      EXPECT_EQ(want, got) << text::ToUtf8(text);
    }
  }
}

// Leading fields left out are completed from today as the window completes them.
TEST(ReadDate, CompletesAsTheWindowDoes) {
  // clang-format off
  Expect({{{u"25", u"25日"}, DateParts{1999, 4, 25}}, {{u"5", u" 5 日", u"五日"}, DateParts{1999, 5, 5}},
          {{u"E", u"4/e"}, DateParts{1999, 4, 30}}, {{u"月", u"1999/4/月"}, DateParts{1999, 4, 26}},
          {{u"4/19", u"4月19日"}, DateParts{2000, 4, 19}}, {{u"4/月3"}, DateParts{2000, 4, 17}},
          {{u"2/29", u"2/E", u"二月二十九日"}, DateParts{2000, 2, 29}}, {{u"12/月5"}, DateParts{2001, 12, 31}},
          // 31 in a 30-day month is no date; numbers past 16 bits neither.
          {{u"31", u"31日", u"2/30", u"13/1", u"0", u"99"}, Refusal::NoSuchDay},
          {{u"2000/2/月5", u"1/32768", u"32768/1"}, Refusal::NotADate}});
  // clang-format on
}

// Two digits take the two-digit rule, three or more digits are the year as written, in 16 bits;
// a kanji date's year needs four digits or its era.
TEST(ReadDate, ReadsYearsAsWritten) {
  // clang-format off
  Expect({{{u"099/1/1", u"099.1.1", u"0099年1月1日"}, DateParts{99, 1, 1}},
          {{u"99/1/1"}, DateParts{1999, 1, 1}},
          {{u"32767/12/31", u"R30749/12/31"}, DateParts{32767, 12, 31}},
          {{u"-32768/1/1"}, DateParts{-32768, 1, 1}},
          {{u"32768/1/1", u"R30750/1/1", u"-32769/1/1"}, Refusal::NotADate},
          {{u"8年12月7日", u"30年4月1日", u"五十二年一月一日", u"099年1月1日", u"百年十月十日"},
           Refusal::EraNeeded}});
  // clang-format on
}

// Kanji numerals are written digit by digit or counted, each unit at most once and largest first;
// a number and its unit stand together.
TEST(ReadDate, ReadsKanjiNumeralsStrictly) {
  // clang-format off
  Expect({{{u"千九百八十九年一月八日", u"一九八九年一月八日"}, DateParts{1989, 1, 8}},
          {{u"千百年十月十日"}, DateParts{1100, 10, 10}}, {{u"十日"}, DateParts{1999, 5, 10}},
          {{u"2000年1月十十日", u"百百年1月1日", u"千千年1月1日", u"2000年1月二二十日", u"2000年十百月1日",
            u"2000年1月〇十日", u"2026二日", u"4十日"}, Refusal::NotADate}});
  // clang-format on
}

// The weekday as documents write it, the year beside its era year, times in their ways, ISO and
// log timestamps, and the characters that pass for "-" and a blank.
TEST(ReadDate, ReadsWhatDocumentsAndLogsAdd) {
  // clang-format off
  Expect({{{u"1999/4/20火曜日", u"1999年4月20日火曜日", u"1999/4/20(火・祝)", u"1999/4/20( 火曜 / 休日 )",
            u"4/20(火祝)", u"1999/4/20㈫", u"1999/4/20 ㊋㊗", u"平成11(1999)年4月20日",
            u"1999 年 ( H11 年 ) 4月20日", u"1999/4/20(火)19:05",
            u"1999/4/20 9時", u"1999/4/20 午前9時30分15秒", u"平成11年4月20日午後三時半",
            u"20日(火)午前0時", u"1999/4/20 3:00 PM", u"1999.4.20 12:59am", u"1999/4/20 午後 3:00",
            u"1999-4-20", u"1999-04-20T09:30:00,5+0900", u"1999-04-20 09:30:00 +0000",
            u"1999-4-20 9:30 -05", u"19990420T093000", u"19990420T0930Z", u"1999\u221204\u221220",
            u"1999\u20104\u201120", u"1999/4/20\u00a0(火)", u"1999/4/20 3:00\u202fPM",
            u"1999/4/20\r", u"1999/4/20 \r"}, DateParts{1999, 4, 20}},
          {{u"平成元(1989)年1月8日"}, DateParts{1989, 1, 8}}});
  // clang-format on
}

// A text of a form that is no date says why; other texts are no date.
TEST(ReadDate, RefusesWithTheReason) {
  // clang-format off
  Expect({{{u"1999/2/29", u"1999-4-31", u"19991301", u"平成11年2月30日", u"1999.0.1"}, Refusal::NoSuchDay},
          {{u"1999/4/20 24:00", u"1999/4/20 9:60", u"1999/4/20 午後13時", u"1999/4/20 13:00 PM",
            u"1999/4/20 9時60分", u"1999-04-20T09:30+2400", u"19990420T2400"}, Refusal::NoSuchTime},
          {{u"令和8(2025)年12月7日", u"2025年(令和8年)12月7日"}, Refusal::YearsDisagree},
          {{u"\"1999/4/20\"", u"「平成11年4月20日」", u"'4/20'"}, Refusal::Quoted},
          {{u"1999\u20134\u201320", u"1999ー4ー20", u"1999/4/20\u200b", u"1999\u22154\u221520",
            u"「1999/4/20\u00ad」", u"1999/4/20\r1"}, Refusal::StrayCharacter},
          {{u"1999/4/20(月)", u"1999/4/20㈪", u"1999/4/20月曜日"}, Refusal::WrongWeekday},
          {{u"1999/4/20月曜", u"1999/4/20(火・祝・休)", u"1999/4/20 +0900", u"19990420 093000",
            u"1999/4/20 午後3:00 PM", u"1999/4/20 9時30", u"1999.4.20x", u"平成11年4月20日 締切",
            u"1999-04-20T", u"20x"}, Refusal::TextAfterDate},
          {{u"1999/4/209:30", u"令和8(平成30)年1月1日", u"2026(2026)年1月1日", u"2026x",
            u"8年12月7日 締切", u"\"1999/4/20", u"「1999/4/20\""}, Refusal::NotADate}});
  // clang-format on
}

// holidays' YEAR: an era year, or four digits with or without 年, fewer digits only bare.
TEST(ReadYear, ReadsEraYearsAndYearsAsWritten) {
  // clang-format off
  const std::pair<std::vector<std::u16string>, std::optional<std::int16_t>> cases[] = {
      {{u"2026", u"2026年", u"R8", u"令和 8 年", u"令和八年"}, 2026}, {{u" 26 "}, 26},
      {{u"平成元年"}, 1989}, {{u"h31"}, 2019}, {{u"26年", u"-5", u"20261", u"R8/1", u""}, {}}};
  // clang-format on
  for (const auto& [texts, want] : cases) {
    for (const std::u16string& text : texts) EXPECT_EQ(want, ReadYear(text)) << text::ToUtf8(text);
  }
}

}  // namespace
}  // namespace kalvenor::reader
