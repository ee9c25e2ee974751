#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "commands/business_days.h"
#include "commands/commands.h"
#include "support/date_parts_output.h"

namespace kalvenor::commands {
namespace {

// What add's business days passed over, going on and going back, with
// DATE as their first day, over the year-end closing; none for a count of
// 0, and nothing asked of a count of calendar days.
TEST(Add, BusinessDaysSayWhatTheyLeftOut) {
  BusinessDays business({0b100'0001, true, {}, {}, YearEnd::FromDecember29});
  const struct {
    std::u16string date, days;
    bool inclusive;
    DateParts sum;
    std::optional<DaysOff> left_out;
    const char* reason;
  } cases[] = {
      {u"2026/11/20", u"2b", false, {2026, 11, 25}, DaysOff{2, 1, 0}, "Friday over 勤労感謝の日"},
      {u"2026/11/25", u"-2b", false, {2026, 11, 20}, DaysOff{2, 1, 0}, "back over it"},
      {u"2026/11/20", u"2b", true, {2026, 11, 24}, DaysOff{2, 1, 0}, "Friday is the first"},
      {u"2026/11/21", u"1b", true, {2026, 11, 24}, DaysOff{2, 1, 0}, "Saturday is left out"},
      {u"2026/11/21", u"0b", true, {2026, 11, 21}, DaysOff{}, "0 passes over nothing"},
      {u"2026/12/28", u"1b", false, {2027, 1, 4}, DaysOff{2, 1, 3}, "the year-end closing"},
      {u"2026/11/20", u"5", false, {2026, 11, 25}, std::nullopt, "calendar days"},
  };
  for (const auto& c : cases) {
    Operand operands[] = {{c.date, {}}, {c.days, {}}};
    Settings settings{
        .read = {{2026, 12, 7}}, .inclusive = c.inclusive, .days_off = true, .business = &business};
    Result result;
    ASSERT_FALSE(commands::Run(Add, operands, settings, result)) << c.reason;
    const auto& sum = std::get<DateResult>(result);
    EXPECT_EQ(sum.date, c.sum) << c.reason;
    EXPECT_EQ(sum.left_out, c.left_out) << c.reason;
  }
}

}  // namespace
}  // namespace kalvenor::commands
