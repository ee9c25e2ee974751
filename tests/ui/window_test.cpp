// What the real widgets (offscreen) alone can break: captions, Tab, copying, message boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "ui/layout.h"
#include "ui/qt/look.h"
#include "ui/qt/qt_backend.h"

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
        messages << box->text();
        box->accept();
        window->activateWindow();  // as a desktop gives the focus back
      }
    });
    closer->start(5);
    backend->Host().Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  QWidget* Find(const QString& name) const { return window->findChild<QWidget*>(name); }
  QString Shown(const QString& name) const { return Find(name)->property("text").toString(); }
  QString Focus() const { return QApplication::focusWidget()->objectName(); }
  void Key(const QString& name, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    Find(name)->setFocus();
    QTest::keyClick(Find(name), key, modifiers);
    QCoreApplication::processEvents();
  }

  std::unique_ptr<QtBackend> backend;
  CalculatorWindow* window = nullptr;
  QStringList messages;
};

// In the program's font and in one whose full-width characters are one em wide, every control
// stays inside its container, clear of the others, and shows its caption whole.
TEST_F(WindowTest, ControlsLieInsideApartAndHoldTheirCaptions) {
  for (const QFont& font : {QFont(u"IPAGothic"_s, kFontPoints), QApplication::font()}) {
    QApplication::setFont(font);
    SetUp();
    SCOPED_TRACE(font.family().toStdString());
    for (const auto& row : layout::Controls()) {
      if (row.kind == layout::Kind::Line) continue;  // as wide as the whole window
      SCOPED_TRACE(row.name.data());
      const QWidget* control = window->Widget(row.id);
      const QRect rect = control->geometry();
      EXPECT_TRUE(control->parentWidget()->rect().contains(rect));
      for (const QWidget* other :
           control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(other != control && rect.intersects(other->geometry()))
            << other->objectName().toStdString();
      const QString caption = QString::fromStdU16String(std::u16string(row.caption));
      EXPECT_LT(control->fontMetrics().horizontalAdvance(caption), rect.width());
      const bool option = row.kind == layout::Kind::OptionButton;  // its mark included
      EXPECT_LE(option ? control->sizeHint().width() : 0, rect.width());
    }
  }
}

// Three times round either way in both modes (the enabled box, the buttons, each group's selected
// member), on from Text1 by Enter, and inside a group by the arrows.
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
    EXPECT_FALSE(Find(order[4])->property("checked").toBool());
  }
}

// Results copy by mouse and Ctrl+C and take no typing; Ctrl+C with no selection copies the result.
TEST_F(WindowTest, ResultsCopyByMouseOrCtrlCAndTakeNoTyping) {
  Find("Text1")->setProperty("text", "9999/12/31");
  Find("Text2")->setProperty("text", "2000/1/1");
  Key("Text2", Qt::Key_Return);
  for (const char* name : {"Text3", "Label4", "Label5"}) {
    QWidget* result = Find(name);
    const int middle = result->height() / 2;  // dragged over
    QTest::mousePress(result, Qt::LeftButton, {}, {1, middle});
    QTest::mouseMove(result, {result->width() - 1, middle});
    QTest::mouseRelease(result, Qt::LeftButton, {}, {result->width() - 1, middle});
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_1);
    EXPECT_EQ(Shown(name), QApplication::clipboard()->text()) << name;
  }
  for (const char* name : {"Text1", "Command1", "Option2(0)"}) {
    QApplication::clipboard()->clear();
    Key(name, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Shown("Text3"), QApplication::clipboard()->text()) << name;
  }
}

// F1 asks for the help document, which is not beside the test: a real message box says so.
TEST_F(WindowTest, F1AsksForHelpInARealMessageBox) {
  Key("Text2", Qt::Key_F1);
  ASSERT_EQ(1, messages.size());
  EXPECT_TRUE(messages.takeFirst().endsWith(u"/help.htmがありません。"_s));
}

}  // namespace
}  // namespace kalvenor::ui::qt

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  kalvenor::ui::qt::ApplyLook(app);
  return RUN_ALL_TESTS();
}
