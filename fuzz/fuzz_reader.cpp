// kalvenor-cli's reader on date texts edited with the pieces dates are made of (input: a seed's
// byte, then edits of three bytes: insert, delete or replace; where; which piece). What is read is
// a real date, and so is a refused date whose weekday, era or time is wrong, while a day that does
// not exist is none; blanks around the text change nothing (the fast path answers as the general
// one); a date with its leading fields left out is the window's date of the same text.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/weekday_chars.h"
#include "parse/date_parser.h"
#include "reader/date_input.h"
#include "reader/operand_text.h"
#include "target_support.h"
#include "text/utf8.h"

namespace {

// clang-format off
constexpr std::array<std::u16string_view, 22> kSeeds = {
    u"2026/12/7", u"r元/5/1", u"-1000/1/1", u"12/31", u"月2", u"2026/2/E", u"R8.12.7", u"20261207",
    u"2026-12-07T10:00Z", u"令和8年12月7日(月)", u"二千二十六年十二月七日", u"12月31日",
    u"2026/1/1 9:30", u"today", u"R 8/ 12/ 7(月)", u"2026.12.7 月曜日 9時30分",
    u"令和8（2026）年12月7日㈪", u"2026-12-7 09:30:00,5 +0900", u"2026/12/07(月・祝)19:05",
    u"31日午後3時半", u"20261207T093000Z", u"「2026/12/7 3:00 PM」"};
// clang-format on

constexpr std::array<std::u16string_view, 45> kPieces = {
    u"0",  u"1",    u"2",  u"5",  u"9",      u"/",      u".",  u"-",  u"+",
    u" ",  u":",    u"T",  u"Z",  u"E",      u"(",      u")",  u"年", u"月",
    u"日", u"元",   u"曜", u"時", u"分",     u"十",     u"百", u"〇", u"令和",
    u"平", u"H",    u"r",  u"火", u"\u3000", u"千",     u"二", u"e",  u"・",
    u"祝", u"午後", u"半", u"PM", u"\u2212", u"\u00a0", u"\r", u"㈪", u","};

void Edit(std::u16string& text, const std::uint8_t* edit) {
  const std::size_t at = text.empty() ? 0 : edit[1] % (text.size() + 1);
  const std::u16string_view piece = kPieces[edit[2] % kPieces.size()];
  if (edit[0] % 3 != 0) text.erase(at, 1);  // a deletion or a replacement
  if (edit[0] % 3 != 1) text.insert(at, piece);
}

// One to six digits: longer ones are the compact date or too long for kalvenor-cli.
bool IsDigits(std::u16string_view text) {
  return !text.empty() && text.size() <= 6 && text.find_first_not_of(u"0123456789") == text.npos;
}

// [M/]D, D being digits, E or a weekday kanji with an optional week number 1..5: what the window's
// language completes from today, and reads as kalvenor-cli does.
bool LeavesFieldsOut(std::u16string_view text) {
  const std::size_t slash = text.find(u'/');
  if (slash != text.npos && !IsDigits(text.substr(0, slash))) return false;
  const std::u16string_view day = slash == text.npos ? text : text.substr(slash + 1);
  const bool weekday = !day.empty() && kalvenor::kWeekdayChars.find(day[0]) != day.npos &&
                       (day.size() == 1 || (day.size() == 2 && day[1] >= u'1' && day[1] <= u'5'));
  return IsDigits(day) || day == u"E" || day == u"e" || weekday;
}

kalvenor::reader::DateRead Read(std::string_view bytes) {
  std::u16string text;
  kalvenor::reader::DecodeOperand(bytes, text);
  return kalvenor::reader::ReadDate(text, {kalvenor::testing::kToday});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  std::u16string text(kSeeds[data[0] % kSeeds.size()]);
  for (std::size_t at = 1; at + 3 <= size; at += 3) Edit(text, data + at);
  const std::string bytes = kalvenor::text::ToUtf8(text);
  const kalvenor::reader::DateRead read = Read(bytes);
  const kalvenor::reader::DateRead padded = Read(" " + bytes + "\t");
  kalvenor::testing::Require(read.refusal == padded.refusal && read.date == padded.date &&
                             read.otherYear == padded.otherYear &&
                             read.character == padded.character);
  using kalvenor::reader::Refusal;
  const auto refusal = read.refusal.value_or(Refusal::Empty);
  if (!read.refusal || refusal == Refusal::WrongWeekday || refusal == Refusal::OutsideEra ||
      refusal == Refusal::NoSuchTime) {
    kalvenor::testing::RequireRealDate(read.date);
  }
  if (refusal == Refusal::NoSuchDay) kalvenor::testing::Require(!read.date.IsValid());
  if (LeavesFieldsOut(text)) {
    const auto window = kalvenor::ParseDate(text, kalvenor::testing::kToday, kalvenor::kEras).date;
    kalvenor::testing::Require(read.refusal ? !window : window == read.date);
  }
  return 0;
}
