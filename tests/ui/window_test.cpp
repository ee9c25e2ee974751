// The real window: every control's place, caption and font, menus, tab order and
// screen reader texts; both modes from keys and the button; mode and style switches.
#include <QAccessible>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "ui/qt/look.h"
#include "window_fixture.h"

namespace ui::testing {
namespace {

using namespace Qt::StringLiterals;

// A control may only grow, and only to hold its caption in the program's font.
TEST_F(WindowTest, EveryControlStandsWhereItsTwipsSayAndHoldsItsCaption) {
  EXPECT_EQ(QString(qt::kFontFamily), QFontInfo(QApplication::font()).family());
  const std::tuple<const char*, QRect, QString> table[] = {  // logical pixels, 15 twips each
      {"Text1", {56, 16, 105, 25}, ""}, {"Text2", {56, 48, 105, 25}, ""},
      {"Text3", {56, 80, 105, 25}, ""}, {"Command1", {8, 184, 65, 25}, u"計算実行"_s},
      {"Command2", {80, 184, 65, 25}, u"終了"_s},
      {"Option1(0)", {8, 16, 193, 17}, u"日付２　－　日付１　＝＝＞日数"_s},
      {"Option1(1)", {8, 40, 193, 17}, u"日付１　＋　日数　　＝＝＞日付２"_s},
      {"Frame2", {8, 112, 209, 65}, u"計算方法"_s}, {"Label1", {8, 16, 41, 25}, u"日付１"_s},
      {"Label2", {8, 48, 41, 25}, u"日付２"_s}, {"Label3", {8, 80, 41, 25}, u"日数"_s},
      {"Label4", {176, 16, 105, 25}, ""}, {"Label5", {176, 48, 105, 25}, ""},
      {"Frame3", {224, 112, 65, 65}, u"表示"_s},
      {"Option2(0)", {8, 16, 49, 17}, u"和暦"_s}, {"Option2(1)", {8, 40, 49, 17}, u"西暦"_s},
  };
  for (const auto& [name, rect, caption] : table) {
    SCOPED_TRACE(name);
    const QWidget* got = Find(name);
    EXPECT_EQ(rect.adjusted(0, 0, std::max(0, got->width() - rect.width()), 0), got->geometry());
    EXPECT_LE(got->geometry().right(), got->parentWidget()->width());
    const QVariant title = got->property("title");
    EXPECT_EQ(caption, (title.isValid() ? title : got->property("text")).toString());
    EXPECT_LT(got->fontMetrics().horizontalAdvance(caption), got->width());
    EXPECT_LE(got->inherits("QPushButton") ? 0 : got->minimumSizeHint().width(), got->width());
  }
  EXPECT_EQ(QSize(297, 216), window->centralWidget()->size());
  EXPECT_EQ("Kalvenor", window->windowTitle());
  EXPECT_EQ(QSize(32, 32), window->windowIcon().pixmap(32, 32).size());
  const QSize free = window->screen()->geometry().size() - window->frameGeometry().size();
  EXPECT_NEAR(free.width() / 8.0, window->frameGeometry().x(), 1.0);
  EXPECT_NEAR(free.height() / 8.0, window->frameGeometry().y(), 1.0);
  QStringList menus;  // the bar, then the items of its one drop-down
  for (const QAction* entry : window->menuBar()->actions() + window->findChild<QMenu*>()->actions())
    menus << entry->text();
  EXPECT_EQ(QStringList({u"終了(&F)"_s, u"ヘルプ(&H)"_s, u"Kalvenorについて(&H)"_s, u"バージョン情報(&A)"_s}),
            menus);
  window->resize(420, window->height());  // Frame1 spans the window, whatever its width
  QCoreApplication::processEvents();
  EXPECT_EQ(QRect(0, 0, window->frameGeometry().width(), 2), Find("Frame1")->geometry());
}

// From where the window opens, then in the other mode and style from Text1.
TEST_F(WindowTest, TabWalksEnabledControlsAndOnlyTheSelectedOptions) {
  QStringList stops{FocusName()};
  for (int i = 0; i < 12; ++i) {
    if (i == 6) for (const char* name : {"Option1(1)", "Option2(1)", "Text1"}) Click(name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    stops << FocusName();
  }
  EXPECT_EQ(QStringList({"Text1", "Text2", "Command1", "Command2", "Option1(0)", "Option2(0)",
                         "Text1", "Text3", "Command1", "Command2", "Option1(1)", "Option2(1)",
                         "Text1"}), stops);
}

// Display labels are read out as shown, and show the widest dates in full.
TEST_F(WindowTest, ScreenReadersHearRowNamesAndWholeDates) {
  TypeAndEnter("Text1", "9999/12/31");
  QStringList heard;
  for (const char* name : {"Text1", "Text2", "Text3", "Label4", "Label5"}) {
    QWidget* control = Find(name);
    const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
    heard << reader->text(QAccessible::Name) + "|" + reader->text(QAccessible::Description);
    EXPECT_LE(control->fontMetrics().horizontalAdvance(Shown(name)), control->width()) << name;
  }
  EXPECT_EQ(QStringList({u"日付１|"_s, u"日付２|"_s, u"日数|"_s, u"H 8011/ 12/ 31(金)|日付１の表示"_s,
                         u"|日付２の表示"_s}),
            heard);
}

const QString kJan1 = u"H 12/ 1/ 1(土)"_s, kJan2 = u"H 12/ 1/ 2(日)"_s, kJan3 = u"H 12/ 1/ 3(月)"_s;
const QString kDec31 = u"H 12/ 12/ 31(日)"_s, kToday = u"H 11/ 4/ 20(火)"_s;
const QString kOutside = u"Kalvenor|計算結果が範囲外です。"_s, kOverflow = u"Kalvenor|オーバーフローしました。"_s;

// Date1 and the input typed (Date2, or the days in addition mode), then what shows.
struct Case { bool addition; QString date1, input, label4, label5, days = {}, warning = {}; };

// A sum outside the calendar warns, leaves the result as it was, and the
// next calculation works.
TEST_F(WindowTest, EnterShowsDate1ThenCalculatesInTheSelectedMode) {
  // Today is 1999/04/20. 2000-01-01 is day 730120: a half day rounds the sum to the even day.
  const Case table[] = {
      {false, "2000/1/1", "2000/12/31", kJan1, kDec31, " 365"},
      {false, "2000/1/1", "2000/1/1", kJan1, kJan1, " 0"},
      {false, "2000/12/31", "2000/1/1", kDec31, kJan1, "-365"},
      {false, "", "1999/4/30", kToday, u"H 11/ 4/ 30(金)"_s, " 10"},
      {false, "s64/1/7", "9999/12/31", u"S 64/ 1/ 7(土)"_s, u"H 8011/ 12/ 31(金)"_s, " 2925950"},
      {true, "2000/1/1", "", kJan1, kJan1}, {true, "2000/1/1", "days", kJan1, kJan1},
      {true, "2000/1/1", "365", kJan1, kDec31},
      {true, "2000/1/1", "-1", kJan1, u"H 11/ 12/ 31(金)"_s},
      {true, "2000/1/1", "1.5", kJan1, kJan3}, {true, "2000/1/1", "0.5", kJan1, kJan1},
      {true, "2000/1/2", "1.5", kJan2, kJan3}, {true, "2000/1/2", "0.5", kJan2, kJan3},
      {true, "2000/1/2", "-730120", kJan2, u" 1/ 1/ 1(月)"_s},
      {true, "2000/1/2", "-730121", kJan2, u" 1/ 1/ 1(月)"_s, "", kOutside},    // day 0
      {true, "2000/1/2", "-730120.5", kJan2, u" 1/ 1/ 1(月)"_s, "", kOutside},  // the even 0
      {true, "2000/1/1", "11237780", kJan1, u"H 30779/ 12/ 31(日)"_s},
      {true, "2000/1/2", "11237780", kJan2, u"H 30779/ 12/ 31(日)"_s, "", kOverflow},
      {true, "2000/1/2", "-1e10", kJan2, u"H 30779/ 12/ 31(日)"_s, "", kOverflow},
      {true, "", "10", kToday, u"H 11/ 4/ 30(金)"_s},
  };
  for (const auto& row : table) {
    Click(row.addition ? "Option1(1)" : "Option1(0)");
    const char* second = row.addition ? "Text3" : "Text2";
    const char* result = row.addition ? "Text2" : "Text3";
    const QStringList before = Shown({"Label4", result});
    SCOPED_TRACE((row.date1 + " | " + row.input).toStdString());
    Type("Text1", row.date1);
    Type(second, row.input);
    EXPECT_EQ(before, Shown({"Label4", result}));  // keys other than Enter start nothing
    Enter("Text1");  // shows Date1 and moves on, calculating nothing
    EXPECT_EQ(QStringList({row.label4, before[1], second}),
              Shown({"Label4", result}) << FocusName());
    messages.clear();
    Enter(second);
    EXPECT_EQ(QStringList({row.label4, row.label5, row.addition ? row.label5 : row.days, row.date1,
                           row.input, second}),
              Shown({"Label4", "Label5", result, "Text1", second}) << FocusName());
    QString warned;
    for (const auto& box : messages) warned += box.title + "|" + box.text;
    EXPECT_EQ(row.warning, warned);
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
  EXPECT_EQ(QStringList(2, u" 1999/ 4/ 20(火)"_s), Shown({"Label4", "Label5"}));
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
        {"Text1", {56, 16, 105, 25}},      {"Label2", {8, date2, 41, 25}},
        {"Text2", {56, date2, 105, 25}},   {"Label5", {176, date2, 105, 25}},
        {"Label3", {8, days, 41, 25}},     {"Text3", {56, days, 105, 25}},
    };
    for (const auto& [name, want] : rects) EXPECT_EQ(want, Find(name)->geometry()) << name;
    const QList<bool> enabled = {!Find<QLineEdit>("Text2")->isReadOnly(),
                                 !Find<QLineEdit>("Text3")->isReadOnly()};
    EXPECT_EQ(QList<bool>({difference, !difference}), enabled) << option;
    EXPECT_EQ(QStringList({label4, label5, "1989/1/7", era5, " 1"}),
              Shown({"Label4", "Label5", "Text1", "Text2", "Text3"})) << option;
  }
}

}  // namespace
}  // namespace ui::testing
