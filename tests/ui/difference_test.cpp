// Difference mode from the keyboard: Date1, Enter, Date2, Enter.
#include <QLineEdit>
#include <QTest>

#include "window_fixture.h"

namespace ui::testing {
namespace {

using namespace Qt::StringLiterals;

struct DifferenceCase {
  QString date1, date2;
  QString label4, label5, days;
};

TEST_F(WindowTest, DaysBetweenTwoTypedDates) {
  // Today is pinned to 1999/04/20, a Tuesday.
  const DifferenceCase table[] = {
      {"2000/1/1", "2000/12/31", u"H 12/ 1/ 1(土)"_s, u"H 12/ 12/ 31(日)"_s, " 365"},
      {"2000/1/1", "2000/1/1", u"H 12/ 1/ 1(土)"_s, u"H 12/ 1/ 1(土)"_s, " 0"},
      {"2000/12/31", "2000/1/1", u"H 12/ 12/ 31(日)"_s, u"H 12/ 1/ 1(土)"_s, "-365"},
      {"s64/1/7", "h1/1/8", u"S 64/ 1/ 7(土)"_s, u"H 1/ 1/ 8(日)"_s, " 1"},
      {"", "1999/4/30", u"H 11/ 4/ 20(火)"_s, u"H 11/ 4/ 30(金)"_s, " 10"},
      {"", "12/31", u"H 11/ 4/ 20(火)"_s, u"H 11/ 12/ 31(金)"_s, " 255"},
      {"1868/1/1", "9999/12/31", u"M 1/ 1/ 1(水)"_s, u"H 8011/ 12/ 31(金)"_s, " 2970151"},
  };
  for (const auto& row : table) {
    const QString daysBefore = Shown("Text3");
    TypeAndEnter("Text1", row.date1);
    // Enter in Text1 shows Date1, moves on to Date2 and calculates nothing.
    EXPECT_EQ(row.label4, Shown("Label4")) << row.date1.toStdString();
    EXPECT_EQ(row.date1, Shown("Text1"));
    EXPECT_EQ(daysBefore, Shown("Text3"));
    EXPECT_EQ("Text2", FocusName());
    TypeAndEnter("Text2", row.date2);
    EXPECT_EQ(row.label4, Shown("Label4")) << row.date1.toStdString();
    EXPECT_EQ(row.label5, Shown("Label5")) << row.date2.toStdString();
    EXPECT_EQ(row.days, Shown("Text3")) << row.date1.toStdString() << " " << row.date2.toStdString();
    EXPECT_EQ(row.date2, Shown("Text2"));
    EXPECT_EQ("Text2", FocusName());
    Find("Text1")->setFocus();
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(WindowTest, CalculateButtonRunsTheSelectedMode) {
  Type("Text1", "2000/2/1");
  Type("Text2", "2000/3/1");
  Click("Command1");
  EXPECT_EQ(" 29", Shown("Text3"));
  EXPECT_EQ(u"H 12/ 2/ 1(火)"_s, Shown("Label4"));
  EXPECT_EQ(u"H 12/ 3/ 1(水)"_s, Shown("Label5"));
  // From the keyboard: Tab on to the button, Enter.
  Type("Text2", "2000/3/2");
  ASSERT_EQ("Command1", TabFrom());
  QTest::keyClick(Find("Command1"), Qt::Key_Return);
  EXPECT_EQ(" 30", Shown("Text3"));
}

// Every other key types its character and starts nothing.
TEST_F(WindowTest, OtherKeysTypeNormally) {
  const QString typed[] = {"2000/1/1", "h12/E", "abc 12", "-5.5"};
  for (const QString& text : typed) {
    for (const char* box : {"Text1", "Text2"}) {
      Type(box, text);
      EXPECT_EQ(text, Shown(box)) << box;
    }
  }
  EXPECT_EQ(QString(), Shown("Label4"));
  EXPECT_EQ(QString(), Shown("Label5"));
  EXPECT_EQ(QString(), Shown("Text3"));
}

// Boxes take texts of any length, and no text stops the window: what the
// engine cannot hold is reported and the next calculation works.
TEST_F(WindowTest, LongTextsAreKeptAndNeverStopTheWindow) {
  const int lengths[] = {40000, 100000};
  for (int length : lengths) {
    const QString text = QString(length - 9, QChar(u'1')) + "/1/1/1/1";
    Find<QLineEdit>("Text1")->setText(text);
    EXPECT_EQ(text.size(), Shown("Text1").size()) << length;
    TypeAndEnter("Text2", "2000/1/1");
    EXPECT_TRUE(window->isVisible()) << length;
  }
  messages.clear();
  Type("Text1", "2000/1/1");
  TypeAndEnter("Text2", "2000/1/31");
  EXPECT_EQ(" 30", Shown("Text3"));
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace ui::testing
