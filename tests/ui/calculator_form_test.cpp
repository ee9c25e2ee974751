// CalculatorForm and its host on the in-memory backend (today is Tuesday 1999-04-20).
#include <gtest/gtest.h>

#include "support/headless_window.h"
#include "text/utf8.h"

namespace {

using kalvenor::ui::Control;
using kalvenor::ui::Key;
using kalvenor::ui::KeyPress;

TEST(CalculatorForm, LoadPlacesTheWindowAnEighthInAndOpensInDifferenceModeShowingNothing) {
  kalvenor::testing::HeadlessWindow window;
  window.host.Show();
  EXPECT_EQ(std::pair(110, 88), window.position);  // (1280 - 400) / 8, (960 - 260) / 8 rounded
  EXPECT_EQ(-12.5f, kalvenor::ui::OneEighthOfFreeSpace(4000, 4100));  // a screen too small
  EXPECT_TRUE(window.host.IsSelected(Control::DifferenceOption));
  EXPECT_TRUE(window.writes.empty());
}

struct Calculation {
  bool addition;
  std::u16string date1, input, label4, result, warning;
};

// Enter in Text1, then in the input box (計算実行 runs the same steps).
TEST(CalculatorForm, EnterShowsDate1ThenCalculatesAndAFailingStepStopsTheHandler) {
  const Calculation rows[] = {
      {false, u"２０００／１／１", u"2000/12/31", u"H 12/ 1/ 1(土)", u" 365", u""},  // full width
      {true, u"2000/1/1", u"１００", u"H 12/ 1/ 1(土)", u"H 12/ 4/ 10(月)", u""},    // read as 100
      {true, u"2000/1/2", u"-730121", u"H 12/ 1/ 2(日)", u"", u"計算結果が範囲外です。"},  // day 0
      {true, u"2000/1/2", u"11237780", u"H 12/ 1/ 2(日)", u"", u"オーバーフローしました。"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(kalvenor::text::ToUtf8(row.input));
    kalvenor::testing::HeadlessWindow window;
    window.Start(row.addition, false, row.date1, row.input);
    EXPECT_TRUE(window.Enter(Control::Date1Box));  // shows Date1, moves on, calculates nothing
    EXPECT_EQ(1, window.tabs);
    EXPECT_EQ(1u, window.writes.size());
    window.Enter(row.addition ? Control::DaysBox : Control::Date2Box);
    EXPECT_EQ(row.label4, window.Text(Control::Date1Display));
    EXPECT_EQ(row.result, window.Text(row.addition ? Control::Date2Box : Control::DaysBox));
    EXPECT_EQ(row.warning, window.messages.empty() ? u"" : window.messages.back().text);
  }
}

// Rows move (pixels at 96 DPI), the idle box takes no keys; a style relabels from the boxes.
TEST(CalculatorForm, ModeSwitchMovesTheRowsAndStyleSwitchRewritesTheLabels) {
  kalvenor::testing::HeadlessWindow window;
  window.Start(false, false, u"1989/1/7", u"H 1/ 1/ 8(日)");
  for (Control mode : {Control::AdditionOption, Control::DifferenceOption}) {
    const bool difference = mode == Control::DifferenceOption;
    window.Click(mode);
    for (Control date2 : {Control::Date2Caption, Control::Date2Box, Control::Date2Display})
      EXPECT_EQ(difference ? 48 : 80, window.rects.at(date2).top);
    for (Control days : {Control::DaysCaption, Control::DaysBox})
      EXPECT_EQ(difference ? 80 : 48, window.rects.at(days).top);
    EXPECT_FALSE(window.Enter(difference ? Control::DaysBox : Control::Date2Box));
  }
  EXPECT_TRUE(window.writes.empty());
  window.Click(Control::WesternOption);
  window.Click(Control::WesternOption);  // already selected: nothing
  const std::vector<std::pair<Control, std::u16string>> want = {
      {Control::Date1Display, u" 1989/ 1/ 7(土)"}, {Control::Date2Display, u" 1989/ 1/ 8(日)"}};
  EXPECT_EQ(want, window.writes);
}

// The keys as either toolkit reports them: F1 opens the help (not beside this test: a warning), the
// copy keys copy the mode's result unless the control has a selection, and a character reaches an
// enabled box's handler (which takes Enter), but no disabled box, no other control, and nothing
// once the program has ended.
TEST(FormHost, KeysReachTheirRules) {
  using enum Control;
  const struct {
    const char* what;
    KeyPress key;
    bool taken;
    std::u16string copied;
    std::size_t messages, writes;  // writes: Label4 shown, with a Tab posted
    bool addition = false, ended = false;
  } rows[] = {
      {"F1", {std::nullopt, Key::F1}, true, u"", 1, 0},
      {"F1 after the end", {std::nullopt, Key::F1}, true, u"", 0, 0, false, true},
      {"copy, difference", {Date1Box, Key::Copy}, true, u"days", 0, 0},
      {"copy, addition", {std::nullopt, Key::Copy}, true, u"date2", 0, 0, true},
      {"copy a selection", {DaysBox, Key::Copy, 3, true}, false, u"", 0, 0},  // Ctrl+C types 3
      {"copy after the end", {std::nullopt, Key::Copy}, true, u"", 0, 0, false, true},
      {"Enter in Text1", {Date1Box, Key::Other, u'\r'}, true, u"", 0, 1},
      {"Enter, disabled box", {DaysBox, Key::Other, u'\r'}, false, u"", 0, 0},
      {"Enter on a button", {CalculateButton, Key::Other, u'\r'}, false, u"", 0, 0},
      {"a digit in Text1", {Date1Box, Key::Other, u'1'}, false, u"", 0, 0},
      {"Enter after the end", {Date1Box, Key::Other, u'\r'}, false, u"", 0, 0, false, true},
  };
  for (const auto& row : rows) {
    kalvenor::testing::HeadlessWindow window;
    window.Start(row.addition, false, u"2000/1/1", u"");
    window.Type(DaysBox, u"days");
    window.Type(Date2Box, u"date2");
    if (row.ended) window.host.EndProgram();
    EXPECT_EQ(row.taken, window.host.KeyPressed(row.key)) << row.what;
    EXPECT_EQ(row.copied, window.copied) << row.what;
    EXPECT_EQ(row.messages, window.messages.size()) << row.what;
    EXPECT_EQ(row.writes, window.writes.size()) << row.what;
    EXPECT_EQ(row.writes, static_cast<std::size_t>(window.tabs)) << row.what;  // Text1 moves on
  }
}

}  // namespace
