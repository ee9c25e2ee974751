// Both modes from the keyboard and the button, and switching mode and style.
#include "window_fixture.h"

namespace ui::testing {
namespace {

using namespace Qt::StringLiterals;

const QString kJan1 = u"H 12/ 1/ 1(土)"_s, kJan2 = u"H 12/ 1/ 2(日)"_s, kJan3 = u"H 12/ 1/ 3(月)"_s;
const QString kDec31 = u"H 12/ 12/ 31(日)"_s, kToday = u"H 11/ 4/ 20(火)"_s;
const QString kOutside = u"計算結果が範囲外です。"_s, kOverflow = u"オーバーフローしました。"_s;

struct Case {
  bool addition;
  QString date1, input;  // the input is Date2, or the days in addition mode
  QString label4, label5, days = {}, warning = {};
};

// A failed sum warns; Label4 is written before the failing step, the result
// stays as it was, and the next calculation works.
TEST_F(WindowTest, EnterShowsDate1ThenCalculatesInTheSelectedMode) {
  // Today is 1999/04/20. 2000-01-01 is day 730120: a half day rounds the sum to the even day.
  const Case table[] = {
      {false, "2000/1/1", "2000/12/31", kJan1, kDec31, " 365"},
      {false, "2000/1/1", "2000/1/1", kJan1, kJan1, " 0"},
      {false, "2000/12/31", "2000/1/1", kDec31, kJan1, "-365"},
      {false, "", "1999/4/30", kToday, u"H 11/ 4/ 30(金)"_s, " 10"},
      {false, "s64/1/7", "9999/12/31", u"S 64/ 1/ 7(土)"_s, u"H 8011/ 12/ 31(金)"_s, " 2925950"},
      {true, "2000/1/1", "365", kJan1, kDec31}, {true, "2000/1/1", "-1", kJan1, u"H 11/ 12/ 31(金)"_s},
      {true, "2000/1/1", "1.5", kJan1, kJan3}, {true, "2000/1/1", "0.5", kJan1, kJan1},
      {true, "2000/1/2", "1.5", kJan2, kJan3}, {true, "2000/1/2", "0.5", kJan2, kJan3},
      {true, "2000/1/2", "-730120", kJan2, u" 1/ 1/ 1(月)"_s},
      {true, "2000/1/2", "-730121", kJan2, u" 1/ 1/ 1(月)"_s, "", kOutside},    // day 0
      {true, "2000/1/2", "-730120.5", kJan2, u" 1/ 1/ 1(月)"_s, "", kOutside},  // the even 0
      {true, "2000/1/1", "11237780", kJan1, u"H 30779/ 12/ 31(日)"_s},
      {true, "2000/1/2", "11237780", kJan2, u"H 30779/ 12/ 31(日)"_s, "", kOverflow},
      {true, "2000/1/2", "-1e10", kJan2, u"H 30779/ 12/ 31(日)"_s, "", kOverflow},
      {true, "2000/1/1", "", kJan1, kJan1}, {true, "2000/1/1", "days", kJan1, kJan1},
      {true, "", "10", kToday, u"H 11/ 4/ 30(金)"_s},
  };
  for (const auto& row : table) {
    Click(row.addition ? "Option1(1)" : "Option1(0)");
    const char* second = row.addition ? "Text3" : "Text2";
    const char* result = row.addition ? "Text2" : "Text3";
    const QStringList before = Shown({"Label4", result});
    const std::string input = (row.date1 + " | " + row.input).toStdString();
    Type("Text1", row.date1);
    Type(second, row.input);
    EXPECT_EQ(before, Shown({"Label4", result})) << input;  // keys other than Enter start nothing
    Enter("Text1");  // shows Date1 and moves on, calculating nothing
    EXPECT_EQ(QStringList({row.label4, before[1], second}), Shown({"Label4", result}) << FocusName())
        << input;
    messages.clear();
    Enter(second);
    EXPECT_EQ(QStringList({row.label4, row.label5, row.addition ? row.label5 : row.days, row.date1,
                           row.input, second}),
              Shown({"Label4", "Label5", result, "Text1", second}) << FocusName())
        << input;
    QString warned;  // every box the calculation opened
    for (const auto& box : messages) warned += box.title + "|" + box.text + (box.icon == MessageIcon::Warning ? "!" : "?");
    EXPECT_EQ(row.warning.isEmpty() ? "" : "Kalvenor|" + row.warning + "!", warned) << input;
  }
}

TEST_F(WindowTest, CalculateButtonRunsTheSelectedModeAndADifferenceReadsBack) {
  Find<QLineEdit>("Text3")->setText(QString(40000, u'1'));  // no length limit
  EXPECT_EQ(40000, Shown("Text3").size());
  Type("Text1", "2000/1/1");
  Type("Text2", "2000/12/31");
  Click("Command1");
  EXPECT_EQ(QStringList({kJan1, kDec31, " 365"}), Shown({"Label4", "Label5", "Text3"}));
  Click("Option1(1)");
  Find("Command1")->setFocus();
  QTest::keyClick(Find("Command1"), Qt::Key_Return);  // Enter on the focused button
  EXPECT_EQ(kDec31, Shown("Text2"));
}

// A mode switch only moves rows and enables boxes; a style switch only
// rewrites the two labels, reading the boxes again.
TEST_F(WindowTest, SwitchesChangeOnlyTheirOwnPart) {
  Click("Option2(1)");  // both date boxes empty: today twice
  EXPECT_EQ(QStringList({u" 1999/ 4/ 20(火)"_s, u" 1999/ 4/ 20(火)"_s}), Shown({"Label4", "Label5"}));
  TypeAndEnter("Text1", "1989/1/7");
  TypeAndEnter("Text2", u"H 1/ 1/ 8(日)"_s);
  const QString era4 = u"S 64/ 1/ 7(土)"_s, era5 = u"H 1/ 1/ 8(日)"_s;
  const QString west4 = u" 1989/ 1/ 7(土)"_s, west5 = u" 1989/ 1/ 8(日)"_s;
  const std::tuple<const char*, bool, QString, QString> table[] = {  // clicked, difference mode
      {nullptr, true, west4, west5},       {"Option1(1)", false, west4, west5},
      {"Option1(1)", false, west4, west5}, {"Option2(0)", false, era4, era5},
      {"Option1(0)", true, era4, era5},    {"Option2(1)", true, west4, west5},
  };
  for (const auto& [option, difference, label4, label5] : table) {
    if (option != nullptr) Click(option);
    const int date2 = difference ? 48 : 80, days = difference ? 80 : 48;  // pixels
    const std::pair<const char*, QRect> rects[] = {
        {"Text1", {56, 16, 105, 25}}, {"Label2", {8, date2, 41, 25}}, {"Text2", {56, date2, 105, 25}},
        {"Label5", {176, date2, 105, 25}}, {"Label3", {8, days, 41, 25}}, {"Text3", {56, days, 105, 25}},
    };
    for (const auto& [name, want] : rects) EXPECT_EQ(want, Find(name)->geometry()) << name;
    const QList<bool> enabled = {Find("Text1")->isEnabled(), Find("Text2")->isEnabled(),
                                 Find("Text3")->isEnabled()};
    EXPECT_EQ(QList<bool>({true, difference, !difference}), enabled) << option;
    EXPECT_EQ(QStringList({label4, label5, "1989/1/7", era5, " 1"}),
              Shown({"Label4", "Label5", "Text1", "Text2", "Text3"})) << option;
  }
}

}  // namespace
}  // namespace ui::testing
