// What needs the real widgets (offscreen): places and captions, the frames, Tab and the arrows,
// the disabled result's look and copying, the real version box, quitting; and, in the sanitizer
// build only, a soak of random user actions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <random>

#include "support/display_shape.h"
#include "ui/layout.h"
#include "ui/qt/look.h"
#include "ui/qt/qt_backend.h"
#include "ui/units.h"

void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace kalvenor::ui::qt {
namespace {

using namespace Qt::StringLiterals;

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend = std::make_unique<QtBackend>();
    window = &backend->Window();
    auto* closer = new QTimer(window);  // records each message box and closes it
    QObject::connect(closer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        messages << box->windowTitle() + (box->icon() == QMessageBox::Warning ? " ! " : " i ") +
                        box->text();
        box->accept();
        window->activateWindow();  // as a desktop gives the focus back
      }
    });
    closer->start(5);
    backend->Host().Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  template <typename T = QWidget>
  T* Find(const QString& name) const {
    return window->findChild<T*>(name);
  }
  QString Shown(const QString& name) const { return Find(name)->property("text").toString(); }
  QString Focus() const {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none";
  }
  void Key(const QString& name, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    Find(name)->setFocus();
    QTest::keyClick(Find(name), key, modifiers);
    QCoreApplication::processEvents();
  }
  void Click(const QString& name) {
    QTest::mouseClick(Find(name), Qt::LeftButton, {}, QPoint(8, 8));
  }

  std::unique_ptr<QtBackend> backend;
  Form1Window* window = nullptr;
  QStringList messages;
};

// Each control keeps its row and its place, unless it grows or makes room for a frame that grew
// to hold a caption; it stays within its container, clear of the others, and shows its caption
// whole: in the program's font and in a font whose full-width characters are one em wide. The
// window opens an eighth of the free space in.
TEST_F(WindowTest, ControlsKeepTheirRowsInsideApartAndHoldTheirCaptions) {
  const auto pixels = [](Twips twips) { return ToPixels(twips, kBaseDpi); };
  const QFont program = QApplication::font();
  for (const QFont& font : {QFont(u"IPAGothic"_s, kFontPoints), program}) {
    QApplication::setFont(font);
    SetUp();
    SCOPED_TRACE(font.family().toStdString());
    for (const auto& row : layout::Controls()) {
      const QWidget* control = window->Widget(row.id);
      const QRect rect = control->geometry();
      SCOPED_TRACE(row.name.data());
      EXPECT_EQ(std::pair(pixels(row.top), pixels(row.height)), std::pair(rect.y(), rect.height()));
      if (row.kind == layout::Kind::Line) continue;  // as wide as the whole window
      EXPECT_LE(pixels(row.left), rect.x());
      EXPECT_LE(pixels(row.width), rect.width());
      EXPECT_TRUE(control->parentWidget()->rect().contains(rect));
      for (const QWidget* other :
           control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(other != control && rect.intersects(other->geometry()))
            << other->objectName().toStdString();
      const QString caption = QString::fromStdU16String(std::u16string(row.caption));
      EXPECT_LT(control->fontMetrics().horizontalAdvance(caption), rect.width());
      if (row.kind == layout::Kind::OptionButton) {
        EXPECT_LE(control->sizeHint().width(), rect.width());
      }
    }
  }
  // In the program's font every frame is as laid out.
  EXPECT_EQ(QRect(pixels(3360), pixels(1680), pixels(972), pixels(972)),
            Find("Frame3")->geometry());
  EXPECT_NEAR((window->screen()->geometry().width() - window->frameGeometry().width()) / 8.0,
              window->x(), 1.0);
  EXPECT_EQ(QSize(32, 32), window->windowIcon().pixmap(32, 32).size());
  window->resize(420, window->height());
  EXPECT_EQ(window->frameGeometry().width(), Find("Frame1")->width());
}

// The top line runs through the caption strip, above the options, the bottom line below them:
// read from the frame drawn without its options, near its right edge where no caption reaches.
TEST_F(WindowTest, FrameLinesRunOnTheCaptionAndClearOfTheOptions) {
  for (const char* name : {"Frame2", "Frame3"}) {
    QWidget* frame = Find(name);
    QImage shot(frame->size(), QImage::Format_ARGB32);
    frame->render(&shot, {}, {}, QWidget::DrawWindowBackground);
    QList<int> drawn;
    for (int y = 0; y < shot.height(); ++y)
      if (shot.pixelColor(shot.width() - 8, y) != frame->palette().color(QPalette::Window))
        drawn << y;
    ASSERT_FALSE(drawn.empty()) << name;
    EXPECT_LT(drawn.front(), frame->fontMetrics().height()) << name;
    for (const QWidget* option : frame->findChildren<QRadioButton*>()) {
      EXPECT_LT(drawn.front(), option->y()) << name;
      EXPECT_GT(drawn.back(), option->geometry().bottom()) << name;
    }
  }
}

// Three times round either way in both modes: the enabled box, the buttons and the selected
// member of each group. Enter in Text1 moves on the same way; the arrows move inside a group.
TEST_F(WindowTest, TabAndShiftTabWalkTheOrderAndArrowsMoveInsideAGroup) {
  for (const QStringList& order :
       {QStringList{"Text1", "Text2", "Command1", "Command2", "Option1(0)", "Option2(0)"},
        QStringList{"Text1", "Text3", "Command1", "Command2", "Option1(1)", "Option2(1)"}}) {
    for (int back = 1; back >= 0; --back) {  // Shift+Tab first, as in a fresh window
      QStringList walked, want;
      Find(order[0])->setFocus();
      for (int step = 1; step <= 3 * order.size(); ++step) {
        Key(Focus(), back ? Qt::Key_Backtab : Qt::Key_Tab,
            back ? Qt::ShiftModifier : Qt::NoModifier);
        walked << Focus();
        want << order[(back ? order.size() - step % order.size() : step) % order.size()];
      }
      EXPECT_EQ(want, walked);
    }
    Key("Text1", Qt::Key_Return);
    EXPECT_EQ(order[1], Focus());
    const bool first = order[4].endsWith("(0)");  // Down to the second member, Up back
    for (const QString& option : {order[4], order[5]})
      Key(option, first ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(first ? "Option2(1)" : "Option2(0)", Focus());
    EXPECT_FALSE(Find<QRadioButton>(order[4])->isChecked());
  }
}

double Luminance(const QColor& c) {
  const auto linear = [](double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// The disabled result is readable (4.5:1 in the colours it is painted with) on a background
// unlike the input's; it and the display labels copy by mouse and Ctrl+C, and take no typing.
TEST_F(WindowTest, ResultsAreReadableCopyableAndNotEditable) {
  for (const auto& [box, text] :
       {std::pair{"Text1", u"9999/12/31"_s}, {"Text2", u"２０００／１／１"_s}}) {
    Find<QLineEdit>(box)->setText(text);
    Key(box, Qt::Key_Return);
  }
  EXPECT_EQ(u"H 12/ 1/ 1(土)"_s, Shown("Label5"));  // full width, as an input method types it
  EXPECT_NE(Find("Text2")->palette().color(QPalette::Base),
            Find("Text3")->palette().color(QPalette::Base));
  for (const char* name : {"Text3", "Label4", "Label5"}) {
    QWidget* result = Find(name);
    const auto group = result->isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor back = result->palette().color(group, result->backgroundRole());
    const double text = Luminance(result->palette().color(group, result->foregroundRole())),
                 ground = Luminance(back);
    EXPECT_LE(4.5, (std::max(text, ground) + 0.05) / (std::min(text, ground) + 0.05)) << name;
    EXPECT_EQ(back, result->grab().toImage().pixelColor(result->width() - 3, 3)) << name;
    const QPoint left(1, result->height() / 2),
        right(result->width() - 1, left.y());  // dragged over
    QTest::mousePress(result, Qt::LeftButton, {}, left);
    QTest::mouseMove(result, right);
    QTest::mouseRelease(result, Qt::LeftButton, {}, right);
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_1);
    EXPECT_EQ(Shown(name), QApplication::clipboard()->text()) << name;
    EXPECT_LE(result->fontMetrics().horizontalAdvance(Shown(name)), result->width()) << name;
  }
  // With nothing selected, Ctrl+C anywhere copies the result.
  for (const char* name : {"Text1", "Command1", "Option2(0)"}) {
    QApplication::clipboard()->clear();
    Key(name, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Shown("Text3"), QApplication::clipboard()->text()) << name;
  }
}

// F1 asks for the help document, which is not beside the test.
TEST_F(WindowTest, TheVersionBoxIsARealInformationBoxAndF1AsksForHelp) {
  Key("Text2", Qt::Key_F1);
  ASSERT_EQ(1, messages.size());
  EXPECT_TRUE(messages.takeFirst().endsWith(u"/help.htmがありません。"_s));
  window->Action(Menu::About)->trigger();
  EXPECT_EQ(
      QStringList(u"Kalvenor i Kalvenor Ver 1.00.2\n\nCopyright (C) 2026 Kalvenor developers"_s),
      messages);
}

// The event loop ends with End_Rtn's 0 (99 if nothing ended it), and no handler runs afterwards.
TEST_F(WindowTest, EveryWayOfQuittingEndsTheLoopAtOnce) {
  for (int way = 0; way < 3; ++way) {
    SetUp();
    QTimer::singleShot(0, [this, way] {
      way == 0   ? Click("Command2")
      : way == 1 ? (void)window->close()
                 : QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(0, QApplication::exec()) << way;
    Click("Command1");
    EXPECT_EQ(QString(), Shown("Label4")) << way;
  }
}

// Random typing and pasting of date-like and hostile texts, Enter, Tab, clicks; the rules after
// each.
TEST_F(WindowTest, SoakOfRandomActionsKeepsTheWindowSound) {
  std::mt19937 random(20261207);
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  const QStringList pieces = {"2000", "/",    "1",         "99",    "E",     u"月"_s, "5",
                              "H",    "s",    "-",         ".5",    "1e308", "&H10",  u"(土)"_s,
                              " ",    "\x7f", u"\u4e00"_s, "32768", "0",     "\r"};
  for (int action = 0; action < 5000; ++action) {
    const QString box = pick(2)                                  ? "Text1"
                        : Find<QLineEdit>("Text2")->isReadOnly() ? "Text3"
                                                                 : "Text2";
    QString text;
    for (int n = pick(pick(50) ? 8 : 3000); n >= 0; --n) text += pieces[pick(pieces.size())];
    const int roll = pick(8);
    if (roll < 3) Find<QLineEdit>(box)->setText(text);
    if (roll < 5) Key(box, Qt::Key_Return);
    if (roll == 5 && QApplication::focusWidget())
      Key(Focus(), pick(2) ? Qt::Key_Tab : Qt::Key_Backtab);
    if (roll == 6) Click(QString("Option%1(%2)").arg(1 + pick(2)).arg(pick(2)));
    if (roll == 7) Click("Command1");
    SCOPED_TRACE(QString("action %1: %2 in %3, %4")
                     .arg(action)
                     .arg(roll)
                     .arg(box, text.left(80))
                     .toStdString());
    const bool addition = Find<QRadioButton>("Option1(1)")->isChecked();
    ASSERT_EQ(addition, Find<QLineEdit>("Text2")->isReadOnly());
    ASSERT_EQ(addition ? 80 : 48, Find("Label5")->y());
    for (const char* label : {"Label4", "Label5"})
      ASSERT_TRUE(Shown(label).isEmpty() || shape::IsDisplayText(Shown(label).toStdU16String()))
          << label;
    ASSERT_FALSE(backend->Host().HasEnded());
    ASSERT_EQ(messages.filter("Kalvenor ! "), messages);  // only the calculation warnings
    messages.clear();
  }
}

}  // namespace
}  // namespace kalvenor::ui::qt

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  kalvenor::ui::qt::ApplyLook(app);
  return RUN_ALL_TESTS();
}
