// The window as it opens: where every control stands, what it says, its
// states, the menus, the tab order, placement and the font.
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSet>

#include "window_fixture.h"

namespace ui::testing {
namespace {

using namespace Qt::StringLiterals;

struct Placement {
  const char* name;
  int x, y, width, height;  // logical pixels, 15 twips each
};

TEST_F(WindowTest, EveryControlStandsWhereItsTwipsSay) {
  const Placement table[] = {
      {"Text1", 56, 16, 105, 25},      {"Text2", 56, 48, 105, 25},
      {"Text3", 56, 80, 105, 25},      {"Command1", 8, 184, 65, 25},
      {"Command2", 80, 184, 65, 25},   {"Option1(0)", 8, 16, 193, 17},
      {"Option1(1)", 8, 40, 193, 17},  {"Frame2", 8, 112, 209, 65},
      {"Label1", 8, 16, 41, 25},       {"Label2", 8, 48, 41, 25},
      {"Label3", 8, 80, 41, 25},       {"Label4", 176, 16, 105, 25},
      {"Label5", 176, 48, 105, 25},    {"Frame3", 224, 112, 65, 65},
      {"Option2(0)", 8, 16, 49, 17},   {"Option2(1)", 8, 40, 49, 17},
  };
  for (const auto& want : table) {
    const QWidget* got = Find(want.name);
    EXPECT_EQ(QPoint(want.x, want.y), got->pos()) << want.name;
    EXPECT_EQ(want.height, got->height()) << want.name;
    // A control may only grow, and only to hold its caption.
    EXPECT_LE(want.width, got->width()) << want.name;
    EXPECT_LE(got->x() + got->width(), got->parentWidget()->width()) << want.name;
  }
  EXPECT_EQ(QSize(297, 216), window->centralWidget()->size());
  EXPECT_EQ(QPoint(0, 0), Find("Frame1")->pos());
  EXPECT_EQ(2, Find("Frame1")->height());
}

TEST_F(WindowTest, OpensInDifferenceModeWithEmptyBoxesAndEraStyle) {
  for (const char* name : {"Text1", "Text2", "Text3", "Label4", "Label5"}) {
    EXPECT_EQ(QString(), Shown(name)) << name;
  }
  EXPECT_TRUE(Find("Text1")->isEnabled());
  EXPECT_TRUE(Find("Text2")->isEnabled());
  EXPECT_FALSE(Find("Text3")->isEnabled());
  const std::pair<const char*, bool> selected[] = {
      {"Option1(0)", true}, {"Option1(1)", false}, {"Option2(0)", true}, {"Option2(1)", false}};
  for (const auto& [name, want] : selected) {
    EXPECT_EQ(want, Find<QRadioButton>(name)->isChecked()) << name;
  }
  EXPECT_EQ("Text1", FocusName());
  EXPECT_EQ("Kalvenor", window->windowTitle());
  EXPECT_TRUE(messages.empty());
}

TEST_F(WindowTest, CaptionsAreTheWindowsOwn) {
  const std::pair<const char*, QString> table[] = {
      {"Label1", u"日付１"_s},
      {"Label2", u"日付２"_s},
      {"Label3", u"日数"_s},
      {"Command1", u"計算実行"_s},
      {"Command2", u"終了"_s},
      {"Option1(0)", u"日付２　－　日付１　＝＝＞日数"_s},
      {"Option1(1)", u"日付１　＋　日数　　＝＝＞日付２"_s},
      {"Option2(0)", u"和暦"_s},
      {"Option2(1)", u"西暦"_s},
  };
  for (const auto& [name, want] : table) {
    const QWidget* widget = Find(name);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    EXPECT_EQ(want, button ? button->text() : Shown(name)) << name;
  }
  EXPECT_EQ(u"計算方法"_s, Find<QGroupBox>("Frame2")->title());
  EXPECT_EQ(u"表示"_s, Find<QGroupBox>("Frame3")->title());
}

TEST_F(WindowTest, MenuBarHasQuitCommandAndHelpDropDown) {
  const QList<QAction*> bar = window->menuBar()->actions();
  ASSERT_EQ(2, bar.size());
  EXPECT_EQ(u"終了(&F)"_s, bar[0]->text());
  EXPECT_EQ(nullptr, bar[0]->menu());
  EXPECT_EQ("End", bar[0]->objectName());
  EXPECT_EQ(u"ヘルプ(&H)"_s, bar[1]->text());
  ASSERT_NE(nullptr, bar[1]->menu());
  const QList<QAction*> items = bar[1]->menu()->actions();
  ASSERT_EQ(2, items.size());
  EXPECT_EQ(u"Kalvenorについて(&H)"_s, items[0]->text());
  EXPECT_EQ("HELP", items[0]->objectName());
  EXPECT_EQ(u"バージョン情報(&A)"_s, items[1]->text());
  EXPECT_EQ("ABOUT", items[1]->objectName());
}

struct TabCase {
  const char* mode;
  const char* style;
  std::vector<QString> stops;  // from Text1 on, back to Text1
};

TEST_F(WindowTest, TabWalksEnabledControlsAndOnlyTheSelectedOptions) {
  const TabCase table[] = {
      {"Option1(0)", "Option2(0)",
       {"Text2", "Command1", "Command2", "Option1(0)", "Option2(0)", "Text1"}},
      {"Option1(1)", "Option2(1)",
       {"Text3", "Command1", "Command2", "Option1(1)", "Option2(1)", "Text1"}},
  };
  for (const auto& row : table) {
    Click(row.mode);
    Click(row.style);
    Find("Text1")->setFocus();
    for (const QString& want : row.stops) {
      EXPECT_EQ(want, TabFrom()) << row.mode << " " << row.style;
    }
  }
}

TEST_F(WindowTest, Frame1SpansTheWindowAtAnyWidth) {
  for (int width : {297, 420, 250, 600}) {
    window->resize(width, window->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(window->frameGeometry().width(), Find("Frame1")->width()) << width;
    EXPECT_EQ(QPoint(56, 16), Find("Text1")->pos()) << width;
    EXPECT_EQ(105, Find("Text1")->width()) << width;
  }
}

TEST(Placement, OneEighthOfTheFreeSpace) {
  struct Row {
    Twips screen, window;
    float want;
  };
  const Row table[] = {
      {15360, 4575, 1348.125f}, {11520, 3960, 945.0f}, {4575, 4575, 0.0f},
      {3000, 4575, -196.875f},  {15361, 0, 1920.125f},
  };
  for (const auto& row : table) {
    EXPECT_EQ(row.want, OneEighthOfFreeSpace(row.screen, row.window))
        << row.screen << " " << row.window;
  }
}

TEST_F(WindowTest, OpensAtAnEighthOfTheFreeScreen) {
  const QSize screen = window->screen()->geometry().size();
  const QSize outer = window->frameGeometry().size();
  EXPECT_NEAR((screen.width() - outer.width()) / 8.0, window->frameGeometry().x(), 1.0);
  EXPECT_NEAR((screen.height() - outer.height()) / 8.0, window->frameGeometry().y(), 1.0);
}

TEST_F(WindowTest, ScreenReadersHearRowNamesAndDates) {
  const std::pair<const char*, QString> names[] = {
      {"Text1", u"日付１"_s}, {"Text2", u"日付２"_s}, {"Text3", u"日数"_s}};
  for (const auto& [name, want] : names) {
    EXPECT_EQ(want, QAccessible::queryAccessibleInterface(Find(name))->text(QAccessible::Name))
        << name;
  }
  TypeAndEnter("Text1", "2000/1/1");
  QAccessibleInterface* label = QAccessible::queryAccessibleInterface(Find("Label4"));
  EXPECT_EQ(u"H 12/ 1/ 1(土)"_s, label->text(QAccessible::Name));
  EXPECT_EQ(u"日付１の表示"_s, label->text(QAccessible::Description));
  EXPECT_EQ(u"日付２の表示"_s,
            QAccessible::queryAccessibleInterface(Find("Label5"))->text(QAccessible::Description));
}

TEST_F(WindowTest, IconIsA32PixelPictureOfAtMost256Colours) {
  const QIcon icon = window->windowIcon();
  ASSERT_FALSE(icon.isNull());
  const QImage image = icon.pixmap(32, 32).toImage();
  EXPECT_EQ(QSize(32, 32), image.size());
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  }
  EXPECT_GE(colours.size(), 4);
  EXPECT_LE(colours.size(), 256);
}

}  // namespace
}  // namespace ui::testing
