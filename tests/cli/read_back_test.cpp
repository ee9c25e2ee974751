// Every date kalvenor-cli writes reads back as the same date through its
// own input rules: day by day, for --iso over every day whose year fits 16
// bits, for the other styles from the year 100 on (below it the two-digit
// year rule applies, as it does to the window's display texts).
#include <gtest/gtest.h>

#include <string>

#include "calendar/gregorian.h"
#include "cli/date_input.h"
#include "cli/date_output.h"
#include "cli/operand_text.h"

namespace {

using kalvenor::cli::OutputStyle;

// The sanitizer build, ten times slower, walks every 13th day: still every
// day of the month and every weekday, on different days of each era.
constexpr kalvenor::SerialDay kStep = KALVENOR_READ_BACK_STEP;

void ExpectEveryDayReadsBack(OutputStyle style, kalvenor::DateParts first) {
  // Today matters to none of these texts; fixed, so a failure replays.
  const kalvenor::cli::ReadOptions options{kalvenor::DateParts{2026, 12, 7}};
  std::string bytes;
  std::u16string text;
  int wrong = 0;
  for (kalvenor::SerialDay day = kalvenor::SerialOf(first);
       day <= kalvenor::kLastSerialDay && wrong < 5; day += kStep) {
    if (day == 0) continue;  // no date: SerialDateConvert would take it the other way
    kalvenor::DateParts date;
    kalvenor::SerialDateConvert(day, date);
    bytes.clear();
    kalvenor::cli::AppendDate(date, style, bytes);
    kalvenor::cli::DecodeOperand(bytes, text);
    const kalvenor::cli::DateRead read = kalvenor::cli::ReadDate(text, options);
    const kalvenor::DateParts back = read.date;
    if (!read.refusal && back == date) continue;
    ++wrong;
    ADD_FAILURE() << bytes << " reads back as " << back.year << "-" << back.month << "-"
                  << back.day;
  }
}

TEST(ReadBack, Iso) { ExpectEveryDayReadsBack(OutputStyle::Iso, {-32768, 1, 1}); }
TEST(ReadBack, Era) { ExpectEveryDayReadsBack(OutputStyle::Era, {100, 1, 1}); }
TEST(ReadBack, Reiwa) { ExpectEveryDayReadsBack(OutputStyle::Reiwa, {100, 1, 1}); }
TEST(ReadBack, Kanji) { ExpectEveryDayReadsBack(OutputStyle::Kanji, {100, 1, 1}); }
TEST(ReadBack, Western) { ExpectEveryDayReadsBack(OutputStyle::Western, {100, 1, 1}); }

}  // namespace
