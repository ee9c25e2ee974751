// A long run of random user actions on the real window, from a fixed seed:
// typing (date-like texts, huge numbers, kanji, control characters), long
// pastes, Enter, Tab, mode and style switches and 計算実行, checking the
// window's invariants after every single action.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "random_text.h"
#include "support/display_shape.h"
#include "ui/layout.h"
#include "ui/texts.h"
#include "window_fixture.h"

namespace ui::testing {
namespace {

constexpr std::uint32_t kSeed = 20261207;

// KALVENOR_SOAK_ACTIONS runs longer (or shorter) soaks by hand.
int ActionCount() {
  const char* count = std::getenv("KALVENOR_SOAK_ACTIONS");
  return count != nullptr ? std::atoi(count) : 20000;
}

QString ToQString(const std::u16string& text) { return QString::fromStdU16String(text); }

class SoakTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // A text change the user did not make is the program rewriting Text1.
    auto* text1 = Find<QLineEdit>("Text1");
    QObject::connect(text1, &QLineEdit::textChanged, [this] { ++text1Changes_; });
    QObject::connect(text1, &QLineEdit::textEdited, [this] { ++text1Edits_; });
  }

  // One random action, as a user could do it.
  std::string Act();
  void CheckInvariants(const std::string& action);

 private:
  QWidget* AnyEnabledBox();
  void TypeInto(QWidget* box, const QString& text);
  void PasteInto(QWidget* box, const QString& text);
  void Key(QWidget* target, Qt::Key key, const QString& text,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  bool Chance(int percent) { return Pick(100) < percent; }
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

  std::mt19937 random_{kSeed};
  int text1Changes_ = 0;
  int text1Edits_ = 0;
};

QWidget* SoakTest::AnyEnabledBox() {
  // Text1 always, and the one of Text2 and Text3 that the mode enables.
  QWidget* second = Find<QLineEdit>("Text2")->isReadOnly() ? Find("Text3") : Find("Text2");
  return Chance(50) ? Find("Text1") : second;
}

void SoakTest::Key(QWidget* target, Qt::Key key, const QString& text,
                   Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

void SoakTest::TypeInto(QWidget* box, const QString& text) {
  box->setFocus();
  if (Chance(70)) static_cast<QLineEdit*>(box)->selectAll();  // overtype
  for (QChar c : text) {
    // Keys go where the focus is, which Enter and Tab move on.
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) break;
    const bool enter = c == u'\r';
    Key(target, enter ? Qt::Key_Return : Qt::Key_unknown, QString(c));
    if (enter) QCoreApplication::processEvents();
  }
}

void SoakTest::PasteInto(QWidget* box, const QString& text) {
  box->setFocus();
  QApplication::clipboard()->setText(text);
  Key(box, Qt::Key_V, QString(), Qt::ControlModifier);
}

std::string SoakTest::Act() {
  const int roll = Pick(100);
  if (roll < 35) {
    QWidget* box = AnyEnabledBox();
    TypeInto(box, ToQString(testing::RandomText(random_)));
    return "type into " + box->objectName().toStdString();
  }
  if (roll < 40) {
    QWidget* box = AnyEnabledBox();
    PasteInto(box, ToQString(testing::LongPaste(random_)));
    return "paste into " + box->objectName().toStdString();
  }
  if (roll < 55) {
    QWidget* box = AnyEnabledBox();
    box->setFocus();
    Key(box, Qt::Key_Return, QStringLiteral("\r"));
    return "Enter in " + box->objectName().toStdString();
  }
  if (roll < 65) {
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr) Key(focus, Qt::Key_Tab, QStringLiteral("\t"));
    return "Tab";
  }
  if (roll < 85) {
    const QString option = QStringLiteral("Option%1(%2)").arg(roll < 75 ? 1 : 2).arg(Pick(2));
    Click(option);
    return "click " + option.toStdString();
  }
  Click(QStringLiteral("Command1"));
  return "click Command1";
}

void SoakTest::CheckInvariants(const std::string& action) {
  ASSERT_FALSE(toolkit->HasEnded()) << action;
  ASSERT_EQ(text1Edits_, text1Changes_) << "Text1 rewritten after " << action;

  const bool difference = Find<QRadioButton>("Option1(0)")->isChecked();
  ASSERT_NE(difference, Find<QRadioButton>("Option1(1)")->isChecked()) << action;
  ASSERT_NE(Find<QRadioButton>("Option2(0)")->isChecked(),
            Find<QRadioButton>("Option2(1)")->isChecked())
      << action;
  ASSERT_FALSE(Find<QLineEdit>("Text1")->isReadOnly()) << action;
  ASSERT_EQ(!difference, Find<QLineEdit>("Text2")->isReadOnly()) << action;
  ASSERT_EQ(difference, Find<QLineEdit>("Text3")->isReadOnly()) << action;
  const int second = layout::Pixels(720);
  const int third = layout::Pixels(1200);
  ASSERT_EQ(layout::Pixels(240), Find("Text1")->y()) << action;
  for (const char* name : {"Label2", "Text2", "Label5"}) {
    ASSERT_EQ(difference ? second : third, Find(name)->y()) << name << " after " << action;
  }
  for (const char* name : {"Label3", "Text3"}) {
    ASSERT_EQ(difference ? third : second, Find(name)->y()) << name << " after " << action;
  }
  const QWidget* focus = QApplication::focusWidget();
  ASSERT_TRUE(focus == nullptr || focus->isEnabled()) << action;

  for (const char* name : {"Label4", "Label5"}) {
    const std::u16string shown = Shown(name).toStdU16String();
    ASSERT_TRUE(shown.empty() || shape::IsDisplayText(shown))
        << name << " shows \"" << Shown(name).toStdString() << "\" after " << action;
  }
  for (const ShownMessage& message : messages) {
    ASSERT_EQ(MessageIcon::Warning, message.icon) << action;
    ASSERT_TRUE(message.text == QString::fromStdU16String(std::u16string(texts::kOverflow)) ||
                message.text == QString::fromStdU16String(std::u16string(texts::kOutOfRange)))
        << message.text.toStdString() << " after " << action;
  }
  messages.clear();
}

TEST_F(SoakTest, RandomActionsKeepTheWindowSound) {
  const int count = ActionCount();
  for (int i = 0; i < count; ++i) {
    const std::string action = Act();
    QCoreApplication::processEvents();
    CheckInvariants("action " + std::to_string(i) + ": " + action);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace ui::testing
