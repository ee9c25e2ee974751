#include "window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "parse/clock.h"
#include "parse/date_parser.h"

namespace ui::testing {

void WindowTest::SetUp() {
  ymd::SetTodayTextForTesting(u"1999/04/20");
  ymd::ResetTodayCache();
  closer_ = std::make_unique<QTimer>();
  QObject::connect(closer_.get(), &QTimer::timeout, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    messages.push_back({box->windowTitle(), box->text(),
                        box->icon() == QMessageBox::Warning ? MessageIcon::Warning
                                                            : MessageIcon::Information});
    box->accept();
  });
  closer_->start(5);
  window = std::make_unique<qt::Form1Window>();
  window->Show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void WindowTest::TearDown() {
  window.reset();
  closer_.reset();
  ymd::SetTodayTextForTesting(u"");
  ymd::ResetTodayCache();
}

QWidget* WindowTest::Find(const QString& name) const {
  auto* found = window->findChild<QWidget*>(name);
  EXPECT_NE(nullptr, found) << name.toStdString();
  return found;
}

QString WindowTest::Shown(const QString& name) const {
  QWidget* widget = Find(name);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
  return qobject_cast<QLabel*>(widget)->text();
}

void WindowTest::Type(const QString& box, const QString& text) {
  auto* edit = Find<QLineEdit>(box);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

void WindowTest::TypeAndEnter(const QString& box, const QString& text) {
  Type(box, text);
  QTest::keyClick(Find(box), Qt::Key_Return);
  QCoreApplication::processEvents();
}

void WindowTest::Click(const QString& name) {
  QWidget* widget = Find(name);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(8, widget->height() / 2));
  QCoreApplication::processEvents();
}

QString WindowTest::TabFrom() {
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCoreApplication::processEvents();
  return FocusName();
}

QString WindowTest::FocusName() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus == nullptr ? QString() : focus->objectName();
}

}  // namespace ui::testing
