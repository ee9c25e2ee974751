// The fast path for plain "Y/M/D" texts must give the general path's date
// whenever it answers, and must answer every plain valid date.
#include "parse/plain_date.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "parse/date_parser.h"
#include "pinned_today.h"
#include "text/utf8.h"

namespace ymd {
namespace {

using PlainDate = PinnedToday;

// Plain valid dates, zero-padded or not, and near misses built from digit
// runs of every length with stray characters. A trailing letter, which the
// language ignores after the day's number, keeps a text off the fast path.
TEST_F(PlainDate, AgreesWithTheGeneralPath) {
  std::mt19937 random(7);
  const auto digits = [&](int most) {
    std::u16string run(std::uniform_int_distribution<int>(0, most)(random), u'0');
    for (char16_t& c : run) c = static_cast<char16_t>(u'0' + random() % 10);
    return run;
  };
  const auto padded = [&](int n) {
    std::string text = n < 10 && random() % 2 ? "0" : "";
    return chars::FromUtf8(text += std::to_string(n));
  };
  const std::u16string strays[] = {u"", u"", u"", u"/", u" ", u"x", u"E"};
  const auto stray = [&] { return strays[random() % std::size(strays)]; };
  for (int i = 0; i < 40000; ++i) {
    const int year = 100 + static_cast<int>(random() % 32668);
    const int month = 1 + static_cast<int>(random() % 12);
    const int day = 1 + static_cast<int>(
        random() % DaysInMonth(static_cast<std::int16_t>(year),
                               static_cast<std::int16_t>(month)));
    const bool plain = i % 2 == 0;
    const std::u16string text =
        plain ? chars::FromUtf8(std::to_string(year)) + u"/" + padded(month) + u"/" +
                    padded(day)
              : digits(6) + u"/" + digits(3) + stray() + u"/" + digits(3) +
                    stray();
    DateParts fast{1, 1, 1};
    DateParts general{1, 1, 1};
    const bool answered = ReadPlainDate(text, fast);
    ParseDate(text + u"x", general);
    EXPECT_TRUE(answered || !plain) << chars::ToUtf8(text);
    if (answered) {
      EXPECT_EQ(general, fast) << chars::ToUtf8(text);
    }
  }
}

}  // namespace
}  // namespace ymd
