// Form1 on the in-memory toolkit: start-up, the Enter flow and 計算実行,
// the warnings, the switches and the menu commands (help.htm's examples
// drive it too). Today is Tuesday 1999-04-20.
#include <gtest/gtest.h>

#include "support/headless_toolkit.h"
#include "text/utf8.h"
#include "version.h"

namespace {

using kalvenor::ui::Control;
using kalvenor::ui::OptionArray;

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override { window.form.OnLoad(); }
  kalvenor::testing::HeadlessToolkit window;
};

TEST_F(Form1Test, LoadPlacesTheWindowAnEighthInAndOpensInDifferenceModeShowingNothing) {
  EXPECT_EQ(u"Kalvenor", window.title);
  EXPECT_EQ(1650.0f, window.left);  // (19200 - 6000) / 8
  EXPECT_EQ(1300.0f, window.top);
  EXPECT_EQ(-12.5f,
            kalvenor::ui::OneEighthOfFreeSpace(4000, 4100));  // a screen smaller than the window
  EXPECT_EQ(6000, window.widths.at(Control::Frame1));         // the separator spans the window
  EXPECT_TRUE(window.IsSelected(OptionArray::Option1, 0));
  EXPECT_TRUE(window.writes.empty());
}

// Date1 and the input box (Date2, or the days in addition mode), then what shows.
struct Calculation {
  bool addition;
  std::u16string date1, input, label4, result, warning;
};

// Each row by Enter in Text1 and then in the input box, and by 計算実行.
TEST_F(Form1Test, EnterShowsDate1ThenCalculatesAndAFailingStepStopsTheHandler) {
  const std::u16string jan2 = u"H 12/ 1/ 2(日)", out = u"計算結果が範囲外です。";
  const Calculation rows[] = {
      {false, u"2000/1/1", u"2000/1/1", u"H 12/ 1/ 1(土)", u" 0", u""},
      {true, u"2000/1/1", u"days", u"H 12/ 1/ 1(土)", u"H 12/ 1/ 1(土)", u""},  // no number: 0
      {true, u"2000/1/2", u"-730120", jan2, u" 1/ 1/ 1(月)", u""},  // the calendar's first day
      {true, u"2000/1/2", u"-730121", jan2, u"", out},              // day 0
      {true, u"2000/1/2", u"-730120.5", jan2, u"", out},            // rounds to the even 0
      {true, u"2000/1/2", u"11237780", jan2, u"", u"オーバーフローしました。"},  // past 32767
      {true, u"2000/1/2", u"-1e10", jan2, u"", u"オーバーフローしました。"},
  };
  for (const auto& row : rows) {
    for (bool button : {false, true}) {
      SCOPED_TRACE(
          kalvenor::text::ToUtf8(row.date1 + u" | " + row.input + (button ? u" 計算実行" : u"")));
      kalvenor::testing::HeadlessToolkit window;
      window.Start(row.addition, false, row.date1, row.input);
      if (button) window.form.OnClick(Control::Command1);
      if (!button) {
        EXPECT_TRUE(window.Enter(Control::Text1));  // shows Date1, moves on, calculates nothing
        EXPECT_EQ(1, window.tabs);
        EXPECT_EQ(1u, window.writes.size());
        window.Enter(row.addition ? Control::Text3 : Control::Text2);
      }
      EXPECT_EQ(row.label4, window.Text(Control::Label4));
      EXPECT_EQ(row.result, window.Text(row.addition ? Control::Text2 : Control::Text3));
      if (row.addition) {
        EXPECT_EQ(row.result, window.Text(Control::Label5));
      }
      EXPECT_EQ(row.warning, window.messages.empty() ? u"" : window.messages.back().text);
    }
  }
}

TEST_F(Form1Test, ModeSwitchOnlyMovesTheRowsAndEnablesTheInput) {
  window.form.OnClick(Control::Command1);
  const auto written = window.writes.size();
  for (int index : {1, 1, 0}) {
    window.Select(OptionArray::Option1, index);
    for (Control date2 : {Control::Label2, Control::Text2, Control::Label5}) {
      EXPECT_EQ(index == 0 ? 720 : 1200, window.tops.at(date2)) << index;
    }
    for (Control days : {Control::Label3, Control::Text3}) {
      EXPECT_EQ(index == 0 ? 1200 : 720, window.tops.at(days)) << index;
    }
    EXPECT_EQ(index == 0, window.enabled.at(Control::Text2));
    EXPECT_EQ(index == 1, window.enabled.at(Control::Text3));
    std::int16_t code = u'5';
    window.form.OnKeyPress(Control::Text1, code);  // any other key only types
    EXPECT_EQ(u'5', code);
  }
  EXPECT_EQ(written, window.writes.size());
}

TEST_F(Form1Test, StyleSwitchRewritesOnlyTheTwoLabelsFromTheBoxes) {
  window.Select(OptionArray::Option2, 1);
  EXPECT_EQ(u" 1999/ 4/ 20(火)", window.Text(Control::Label5));  // both empty: today
  window.Type(Control::Text1, u"1989/1/7");
  window.Type(Control::Text2, u"H 1/ 1/ 8(日)");
  window.writes.clear();
  window.Select(OptionArray::Option2, 0);
  window.Select(OptionArray::Option2, 0);  // already selected: nothing
  const std::vector<std::pair<Control, std::u16string>> want = {
      {Control::Label4, u"S 64/ 1/ 7(土)"}, {Control::Label5, u"H 1/ 1/ 8(日)"}};
  EXPECT_EQ(want, window.writes);
}

// Quitting is tested on the real window, where it ends the event loop.
TEST_F(Form1Test, VersionBoxInforms) {
  window.form.OnMenu(kalvenor::ui::Menu::ABOUT);
  ASSERT_EQ(1u, window.messages.size());
  EXPECT_EQ(u"Kalvenor Ver " KALVENOR_VERSION_TEXT u"\r\rCopyright (C) 2026 Kalvenor developers",
            window.messages[0].text);
  EXPECT_EQ(kalvenor::ui::MessageIcon::Information, window.messages[0].icon);
}

}  // namespace
