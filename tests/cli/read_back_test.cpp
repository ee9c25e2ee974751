// Every date kalvenor-cli writes reads back as the same date, day by day:
// --iso and --kanji over every 16-bit year, the other styles from the year
// 100 on (the two-digit year rule applies below it). The sanitizer build walks every
// 13th day: still every day of the month and weekday, in each era.
#include <gtest/gtest.h>

#include <string>

#include "calendar/gregorian.h"
#include "commands/date_output.h"
#include "reader/date_input.h"
#include "reader/operand_text.h"
#include "support/date_parts_output.h"

namespace kalvenor::reader {
namespace {

using commands::OutputStyle;

void ExpectEveryDayReadsBack(OutputStyle style, DateParts first) {
  const ReadOptions options{DateParts{2026, 12, 7}};  // today, fixed so a failure replays
  std::string bytes;
  std::u16string text;
  int wrong = 0;
  for (SerialDay day = SerialOf(first); day <= kLastSerialDay && wrong < 5;
       day += KALVENOR_READ_BACK_STEP) {
    if (day == 0) continue;  // no date: SerialDateConvert would take it the other way
    DateParts date;
    SerialDateConvert(day, date);
    bytes.clear();
    commands::AppendDate(date, style, bytes);
    DecodeOperand(bytes, text);
    const DateRead read = ReadDate(text, options);
    if (!read.refusal && read.date == date) continue;
    ++wrong;
    ADD_FAILURE() << bytes << " reads back as " << read.date;
  }
}

TEST(ReadBack, Iso) { ExpectEveryDayReadsBack(OutputStyle::Iso, {-32768, 1, 1}); }
TEST(ReadBack, Era) { ExpectEveryDayReadsBack(OutputStyle::Era, {100, 1, 1}); }
TEST(ReadBack, Reiwa) { ExpectEveryDayReadsBack(OutputStyle::Reiwa, {100, 1, 1}); }
TEST(ReadBack, Kanji) { ExpectEveryDayReadsBack(OutputStyle::Kanji, {-32768, 1, 1}); }
TEST(ReadBack, Western) { ExpectEveryDayReadsBack(OutputStyle::Western, {100, 1, 1}); }

}  // namespace
}  // namespace kalvenor::reader
