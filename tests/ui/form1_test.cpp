// Form1 and its host on the in-memory backend: start-up, the Enter flow and 計算実行,
// the warnings, the switches and the menu commands (help.htm's examples
// drive it too). Today is Tuesday 1999-04-20.
#include <gtest/gtest.h>

#include "support/headless_window.h"
#include "text/utf8.h"
#include "version.h"

namespace {

using kalvenor::ui::Control;

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override { window.host.Show(); }
  kalvenor::testing::HeadlessWindow window;
};

TEST_F(Form1Test, LoadPlacesTheWindowAnEighthInAndOpensInDifferenceModeShowingNothing) {
  EXPECT_EQ(u"Kalvenor", window.title);
  // (19200 - 6000) / 8 and (14400 - 3900) / 8 twips: 110 and 87.5 pixels.
  EXPECT_EQ(std::pair(110, 88), window.position);
  EXPECT_EQ(-12.5f,
            kalvenor::ui::OneEighthOfFreeSpace(4000, 4100));  // a screen smaller than the window
  EXPECT_EQ(400, window.rects.at(Control::TopLine).width);    // the separator spans the window
  EXPECT_TRUE(window.host.IsSelected(Control::DifferenceOption));
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
      {false, u"２０００／１／１", u"２０００／１２／３１", u"H 12/ 1/ 1(土)", u" 365",
       u""},                                                                       // full width
      {true, u"2000/1/1", u"１００", u"H 12/ 1/ 1(土)", u"H 12/ 4/ 10(月)", u""},  // read as 100
      {true, u"2000/1/1", u"days", u"H 12/ 1/ 1(土)", u"H 12/ 1/ 1(土)", u""},     // no number: 0
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
      kalvenor::testing::HeadlessWindow window;
      window.Start(row.addition, false, row.date1, row.input);
      if (button) window.Click(Control::CalculateButton);
      if (!button) {
        EXPECT_TRUE(window.Enter(Control::Date1Box));  // shows Date1, moves on, calculates nothing
        EXPECT_EQ(1, window.tabs);
        EXPECT_EQ(1u, window.writes.size());
        window.Enter(row.addition ? Control::DaysBox : Control::Date2Box);
      }
      EXPECT_EQ(row.label4, window.Text(Control::Date1Display));
      EXPECT_EQ(row.result, window.Text(row.addition ? Control::Date2Box : Control::DaysBox));
      if (row.addition) {
        EXPECT_EQ(row.result, window.Text(Control::Date2Display));
      }
      window.host.CopyRequested();  // Ctrl+C with nothing selected copies the mode's result
      EXPECT_EQ(row.result, window.copied);
      EXPECT_EQ(row.warning, window.messages.empty() ? u"" : window.messages.back().text);
    }
  }
}

// The rows move by pixels at 96 DPI; the box that is no input takes no keys at all.
TEST_F(Form1Test, ModeSwitchOnlyMovesTheRowsAndEnablesTheInput) {
  window.Click(Control::CalculateButton);
  const auto written = window.writes.size();
  for (Control mode :
       {Control::AdditionOption, Control::AdditionOption, Control::DifferenceOption}) {
    const bool difference = mode == Control::DifferenceOption;
    window.Click(mode);
    for (Control date2 : {Control::Date2Caption, Control::Date2Box, Control::Date2Display}) {
      EXPECT_EQ(difference ? 48 : 80, window.rects.at(date2).top) << difference;
    }
    for (Control days : {Control::DaysCaption, Control::DaysBox}) {
      EXPECT_EQ(difference ? 80 : 48, window.rects.at(days).top) << difference;
    }
    EXPECT_EQ(difference, window.enabled.at(Control::Date2Box));
    EXPECT_EQ(!difference, window.enabled.at(Control::DaysBox));
    EXPECT_FALSE(window.Enter(difference ? Control::DaysBox : Control::Date2Box));
    std::int16_t code = u'5';
    window.host.KeyTyped(Control::Date1Box, code);  // any other key only types
    EXPECT_EQ(u'5', code);
  }
  EXPECT_EQ(written, window.writes.size());
}

TEST_F(Form1Test, StyleSwitchRewritesOnlyTheTwoLabelsFromTheBoxes) {
  window.Click(Control::WesternOption);
  EXPECT_EQ(u" 1999/ 4/ 20(火)", window.Text(Control::Date2Display));  // both empty: today
  window.Type(Control::Date1Box, u"1989/1/7");
  window.Type(Control::Date2Box, u"H 1/ 1/ 8(日)");
  window.writes.clear();
  window.Click(Control::EraOption);
  window.Click(Control::EraOption);  // already selected: nothing
  const std::vector<std::pair<Control, std::u16string>> want = {
      {Control::Date1Display, u"S 64/ 1/ 7(土)"}, {Control::Date2Display, u"H 1/ 1/ 8(日)"}};
  EXPECT_EQ(want, window.writes);
}

// Quitting is tested on the real window, where it ends the event loop.
TEST_F(Form1Test, VersionBoxInforms) {
  window.host.MenuChosen(kalvenor::ui::Menu::About);
  ASSERT_EQ(1u, window.messages.size());
  EXPECT_EQ(u"Kalvenor Ver " KALVENOR_VERSION_TEXT u"\r\rCopyright (C) 2026 Kalvenor developers",
            window.messages[0].text);
  EXPECT_EQ(kalvenor::ui::MessageIcon::Information, window.messages[0].icon);
}

}  // namespace
