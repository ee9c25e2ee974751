// Addition mode from the keyboard: Date1, Enter, days, Enter.
#include "window_fixture.h"

namespace ui::testing {
namespace {

using namespace Qt::StringLiterals;

struct AdditionCase {
  QString date1, days;
  QString date2;  // in Label5 and Text2
};

class AdditionTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Click("Option1(1)");
  }
};

TEST_F(AdditionTest, DateAfterTypedDays) {
  // 2000-01-01 is day 730120: a half day rounds the sum to the even day.
  const AdditionCase table[] = {
      {"2000/1/1", "365", u"H 12/ 12/ 31(日)"_s},
      {"2000/1/1", "-1", u"H 11/ 12/ 31(金)"_s},
      {"2000/1/1", "", u"H 12/ 1/ 1(土)"_s},
      {"2000/1/1", "days", u"H 12/ 1/ 1(土)"_s},
      {"2000/1/1", "1.5", u"H 12/ 1/ 3(月)"_s},
      {"2000/1/1", "0.5", u"H 12/ 1/ 1(土)"_s},
      {"2000/1/2", "1.5", u"H 12/ 1/ 3(月)"_s},
      {"2000/1/2", "0.5", u"H 12/ 1/ 3(月)"_s},
      {"2000/1/1", " 365", u"H 12/ 12/ 31(日)"_s},
      {"", "10", u"H 11/ 4/ 30(金)"_s},
      {"1989/1/8", "-1", u"S 64/ 1/ 7(土)"_s},
      {"2000/1/2", "-730120", u" 1/ 1/ 1(月)"_s},
  };
  for (const auto& row : table) {
    TypeAndEnter("Text1", row.date1);
    EXPECT_EQ("Text3", FocusName()) << row.date1.toStdString();
    TypeAndEnter("Text3", row.days);
    const std::string input = row.date1.toStdString() + " + " + row.days.toStdString();
    EXPECT_EQ(row.date2, Shown("Label5")) << input;
    EXPECT_EQ(row.date2, Shown("Text2")) << input;
    EXPECT_EQ(row.days, Shown("Text3")) << input;
    EXPECT_EQ(row.date1, Shown("Text1")) << input;
    EXPECT_EQ("Text3", FocusName()) << input;
    Find("Text1")->setFocus();
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(WindowTest, ADifferenceReadsBackInAdditionMode) {
  TypeAndEnter("Text1", "2000/1/1");
  TypeAndEnter("Text2", "2000/12/31");
  ASSERT_EQ(" 365", Shown("Text3"));
  Click("Option1(1)");
  Type("Text2", "");
  Click("Command1");
  EXPECT_EQ(u"H 12/ 12/ 31(日)"_s, Shown("Text2"));
  EXPECT_EQ(u"H 12/ 12/ 31(日)"_s, Shown("Label5"));
}

struct RefusedCase {
  QString days;
  QString message;
};

// A sum that leaves the calendar keeps Date1's label, leaves the result
// alone, warns, and the window goes on working.
TEST_F(AdditionTest, SumsOutsideTheCalendarAreWarnedAbout) {
  const RefusedCase table[] = {
      {"-730121", u"計算結果が範囲外です。"_s},    // exactly day 0
      {"-800000", u"計算結果が範囲外です。"_s},
      {"-730120.5", u"計算結果が範囲外です。"_s},  // day 0.5 rounds to the even 0
      {"11237780", u"オーバーフローしました。"_s},  // one past 32767-12-31
      {"1e10", u"オーバーフローしました。"_s},
      {"-1e300", u"オーバーフローしました。"_s},
  };
  for (const auto& row : table) {
    TypeAndEnter("Text1", "2000/1/1");
    TypeAndEnter("Text3", "1");
    ASSERT_EQ(u"H 12/ 1/ 2(日)"_s, Shown("Label5"));
    messages.clear();
    TypeAndEnter("Text1", "2000/1/2");
    TypeAndEnter("Text3", row.days);
    ASSERT_EQ(1u, messages.size()) << row.days.toStdString();
    EXPECT_EQ(row.message, messages[0].text) << row.days.toStdString();
    EXPECT_EQ("Kalvenor", messages[0].title);
    EXPECT_EQ(MessageIcon::Warning, messages[0].icon);
    EXPECT_EQ(u"H 12/ 1/ 2(日)"_s, Shown("Label4")) << row.days.toStdString();
    EXPECT_EQ(u"H 12/ 1/ 2(日)"_s, Shown("Label5")) << row.days.toStdString();
    EXPECT_EQ(u"H 12/ 1/ 2(日)"_s, Shown("Text2")) << row.days.toStdString();
    EXPECT_EQ(row.days, Shown("Text3"));
    EXPECT_TRUE(window->isVisible());
  }
  TypeAndEnter("Text3", "29");
  EXPECT_EQ(u"H 12/ 1/ 31(月)"_s, Shown("Label5"));
}

TEST_F(AdditionTest, TheLastDayIsStillReached) {
  TypeAndEnter("Text1", "2000/1/1");
  TypeAndEnter("Text3", "11237780");
  EXPECT_EQ(u"H 30779/ 12/ 31(日)"_s, Shown("Label5"));
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace ui::testing
