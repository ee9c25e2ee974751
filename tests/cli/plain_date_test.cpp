// The batch shortcut must give exactly the parser's date whenever it
// answers, and must answer for plain valid dates (or it saves nothing).
#include "cli/plain_date.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "parse/clock.h"
#include "parse/date_parser.h"

namespace cli {
namespace {

class PlainDateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ymd::SetTodayTextForTesting(u"1999/04/20");
    ymd::ResetTodayCache();
  }
  void TearDown() override {
    ymd::SetTodayTextForTesting(u"");
    ymd::ResetTodayCache();
  }

  // The shortcut's answer, after checking it against the parser.
  static std::optional<ymd::DateParts> Checked(const std::u16string& text) {
    const auto plain = ReadPlainDate(text);
    if (plain) {
      ymd::DateParts parsed;
      ymd::ParseDate(text, parsed);
      EXPECT_EQ(parsed, *plain) << std::string(text.begin(), text.end());
    }
    return plain;
  }
};

TEST_F(PlainDateTest, AnswersPlainValidDatesOnly) {
  const struct {
    std::u16string text;
    bool answered;
  } cases[] = {
      {u"2000/1/1", true},
      {u"100/1/1", true},
      {u"32767/12/31", true},
      {u"2000/02/29", true},
      {u"0999/1/1", true},
      {u"00000/1/1", true},
      // Plain in shape but no date: the parser gives the message.
      {u"2000/2/30", false},
      {u"1999/2/29", false},
      {u"2000/13/1", false},
      {u"2000/1/0", false},
      {u"2000/1/99", false},
      {u"32768/1/1", false},
      // Other forms of the language.
      {u"99/1/1", false},
      {u"05/1/1", false},
      {u"H12/1/1", false},
      {u"2000/1/E", false},
      {u"2000/1/月", false},
      {u"12/31", false},
      {u"15", false},
      {u"", false},
      {u" 2000/1/1", false},
      {u"2000/1/1x", false},
      {u"2000/1/", false},
      {u"2000/1/1/", false},
      {u"2000/001/1", false},
      {u"123456/1/1", false},
      {u"-2000/1/1", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.answered, Checked(c.text).has_value())
        << std::string(c.text.begin(), c.text.end());
  }
}

// Texts built from digit runs of every length, leading zeros and stray
// characters, near and around the plain shape.
TEST_F(PlainDateTest, AgreesWithTheParserOnGeneratedTexts) {
  std::mt19937 random(7);
  const auto digits = [&](int most) {
    std::u16string run;
    const int count = std::uniform_int_distribution<int>(0, most)(random);
    for (int i = 0; i < count; ++i) {
      run += static_cast<char16_t>(u'0' + random() % 10);
    }
    return run;
  };
  const std::u16string strays[] = {u"", u"", u"", u"/", u" ", u"x", u"E"};
  const auto stray = [&] { return strays[random() % std::size(strays)]; };
  for (int i = 0; i < 20000; ++i) {
    Checked(digits(6) + u"/" + digits(3) + stray() + u"/" + digits(3) +
            stray());
  }
}

TEST_F(PlainDateTest, AnswersEveryPlainValidDate) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> year(100, 32767);
  std::uniform_int_distribution<int> month(1, 12);
  for (int i = 0; i < 20000; ++i) {
    const ymd::DateParts date{static_cast<std::int16_t>(year(random)),
                              static_cast<std::int16_t>(month(random)), 1};
    const int day = 1 + static_cast<int>(
                            random() % ymd::DaysInMonth(date.year, date.month));
    const bool padded = random() % 2;
    std::string text = std::to_string(date.year) + "/" +
                       (padded && date.month < 10 ? "0" : "") +
                       std::to_string(date.month) + "/" +
                       (padded && day < 10 ? "0" : "") + std::to_string(day);
    const auto plain = Checked(std::u16string(text.begin(), text.end()));
    ASSERT_TRUE(plain.has_value()) << text;
    EXPECT_EQ(day, plain->day) << text;
  }
}

}  // namespace
}  // namespace cli
