// Display texts are typed back in (addition mode writes its result into a
// date box), so each must read back as the date it shows.
#include <gtest/gtest.h>

#include "calendar/gregorian.h"
#include "display/display_text.h"
#include "parse/date_parser.h"
#include "pinned_today.h"
#include "text/utf8.h"

namespace ymd {
namespace {

using DisplayReadBack = PinnedToday;

TEST_F(DisplayReadBack, EveryStyleReadsBackAsItsDate) {
  for (std::int16_t year = 100; year <= 9999; year += 7) {
    for (const std::int16_t month : {1, 2, 7, 12}) {
      const std::int16_t last = DaysInMonth(year, month);
      for (const std::int16_t day : {std::int16_t{1}, std::int16_t{15}, last}) {
        const DateParts date{year, month, day};
        for (const DisplayStyle style :
             {DisplayStyle::Era, DisplayStyle::Western}) {
          const std::u16string text = DisplayText(date, style);
          DateParts got;
          ParseDate(text, got);
          ASSERT_EQ(date, got) << chars::ToUtf8(text);
        }
      }
    }
  }
}

// Era boundaries, where the era letter and era year change.
TEST_F(DisplayReadBack, EraBoundaries) {
  const DateParts dates[] = {
      {1867, 12, 31}, {1868, 1, 1},   {1912, 7, 29}, {1912, 7, 30},
      {1926, 12, 24}, {1926, 12, 25}, {1989, 1, 7},  {1989, 1, 8},
      {2000, 2, 29},  {2019, 5, 1},   {1999, 4, 20},
  };
  for (const DateParts& date : dates) {
    const std::u16string text = DisplayText(date, DisplayStyle::Era);
    DateParts got;
    ParseDate(text, got);
    EXPECT_EQ(date, got) << chars::ToUtf8(text);
  }
}

}  // namespace
}  // namespace ymd
