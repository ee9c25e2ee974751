// The window as it opens: every control's place, caption and font, the menus,
// the tab order and what a screen reader hears.
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

struct Placement {
  const char* name;
  int x, y, width, height;  // logical pixels, 15 twips each
  QString caption;
};

// A control may only grow, and only to hold its caption in the program's font.
TEST_F(WindowTest, EveryControlStandsWhereItsTwipsSayAndHoldsItsCaption) {
  EXPECT_EQ(QString(qt::kFontFamily), QFontInfo(QApplication::font()).family());
  EXPECT_EQ(qt::kFontPoints, QApplication::font().pointSize());
  const Placement table[] = {
      {"Text1", 56, 16, 105, 25, ""}, {"Text2", 56, 48, 105, 25, ""},
      {"Text3", 56, 80, 105, 25, ""}, {"Command1", 8, 184, 65, 25, u"計算実行"_s},
      {"Command2", 80, 184, 65, 25, u"終了"_s},
      {"Option1(0)", 8, 16, 193, 17, u"日付２　－　日付１　＝＝＞日数"_s},
      {"Option1(1)", 8, 40, 193, 17, u"日付１　＋　日数　　＝＝＞日付２"_s},
      {"Frame2", 8, 112, 209, 65, u"計算方法"_s}, {"Label1", 8, 16, 41, 25, u"日付１"_s},
      {"Label2", 8, 48, 41, 25, u"日付２"_s}, {"Label3", 8, 80, 41, 25, u"日数"_s},
      {"Label4", 176, 16, 105, 25, ""}, {"Label5", 176, 48, 105, 25, ""},
      {"Frame3", 224, 112, 65, 65, u"表示"_s},
      {"Option2(0)", 8, 16, 49, 17, u"和暦"_s}, {"Option2(1)", 8, 40, 49, 17, u"西暦"_s},
  };
  for (const auto& want : table) {
    const QWidget* got = Find(want.name);
    EXPECT_EQ(QRect(want.x, want.y, std::max(want.width, got->width()), want.height), got->geometry())
        << want.name;
    EXPECT_LE(got->geometry().right(), got->parentWidget()->width()) << want.name;
    const QVariant title = got->property("title");
    EXPECT_EQ(want.caption, (title.isValid() ? title : got->property("text")).toString()) << want.name;
    EXPECT_LT(got->fontMetrics().horizontalAdvance(want.caption), got->width()) << want.name;
    EXPECT_LE(got->inherits("QPushButton") ? 0 : got->minimumSizeHint().width(), got->width()) << want.name;
  }
  EXPECT_EQ(QSize(297, 216), window->centralWidget()->size());
  EXPECT_EQ("Kalvenor", window->windowTitle());
  EXPECT_EQ(QSize(32, 32), window->windowIcon().pixmap(32, 32).size());
  const QSize free = window->screen()->geometry().size() - window->frameGeometry().size();
  EXPECT_NEAR(free.width() / 8.0, window->frameGeometry().x(), 1.0);
  EXPECT_NEAR(free.height() / 8.0, window->frameGeometry().y(), 1.0);
  QStringList menus;  // the quit command on the bar, then the help drop-down and its items
  for (const QAction* entry : window->menuBar()->actions() + window->findChild<QMenu*>()->actions()) {
    menus << entry->text() + (entry->menu() ? "▼" : "");
  }
  EXPECT_EQ(QStringList({u"終了(&F)"_s, u"ヘルプ(&H)▼"_s, u"Kalvenorについて(&H)"_s, u"バージョン情報(&A)"_s}),
            menus);
  window->resize(420, window->height());  // Frame1 spans the window, whatever its width
  QCoreApplication::processEvents();
  EXPECT_EQ(QRect(0, 0, window->frameGeometry().width(), 2), Find("Frame1")->geometry());
}

// From where the window opens, then in the other mode and style.
TEST_F(WindowTest, TabWalksEnabledControlsAndOnlyTheSelectedOptions) {
  const QStringList table[] = {
      {"Text1", "Text2", "Command1", "Command2", "Option1(0)", "Option2(0)", "Text1"},
      {"Text1", "Text3", "Command1", "Command2", "Option1(1)", "Option2(1)", "Text1"},
  };
  for (const QStringList& want : table) {
    QStringList stops{FocusName()};
    while (stops.size() < want.size()) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      stops << FocusName();
    }
    EXPECT_EQ(want, stops);
    for (const char* name : {"Option1(1)", "Option2(1)", "Text1"}) Click(name);
  }
}

// Display labels are read out as shown, and show years up to 9999 in full.
TEST_F(WindowTest, ScreenReadersHearRowNamesAndWholeDates) {
  TypeAndEnter("Text1", "9999/12/31");
  for (const char* style : {"Option2(1)", "Option2(0)"}) {
    Click(style);
    EXPECT_LE(Find("Label4")->fontMetrics().horizontalAdvance(Shown("Label4")), Find("Label4")->width());
  }
  QStringList heard;
  for (const char* name : {"Text1", "Text2", "Text3", "Label4", "Label5"}) {
    const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(Find(name));
    heard << reader->text(QAccessible::Name) + "|" + reader->text(QAccessible::Description);
  }
  EXPECT_EQ(QStringList({u"日付１|"_s, u"日付２|"_s, u"日数|"_s, u"H 8011/ 12/ 31(金)|日付１の表示"_s,
                         u"H 11/ 4/ 20(火)|日付２の表示"_s}),
            heard);
}

}  // namespace
}  // namespace ui::testing
