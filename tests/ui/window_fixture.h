// A real Form1 window, offscreen, shown and active, with today pinned to 1999/04/20
// (a Tuesday). Message boxes are recorded and closed at once: no test waits on one.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <vector>

#include "clock/today.h"
#include "ui/qt/qt_toolkit.h"

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace ui::testing {

struct ShownMessage {
  QString title, text;
  MessageIcon icon;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    toolkit = std::make_unique<qt::QtToolkit>();
    window = &toolkit->Window();
    auto* closer = new QTimer(window);
    QObject::connect(closer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        const bool warning = box->icon() == QMessageBox::Warning;
        messages.push_back({box->windowTitle(), box->text(),
                            warning ? MessageIcon::Warning : MessageIcon::Information});
        box->accept();
        window->activateWindow();  // as a desktop gives the focus back
      }
    });
    closer->start(5);
    toolkit->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  // The control with this object name ("Text1", "Option1(0)", ...).
  template <typename T = QWidget>
  T* Find(const QString& name) const { return window->findChild<T*>(name); }
  QString Shown(const QString& name) const { return Find(name)->property("text").toString(); }
  QStringList Shown(std::initializer_list<const char*> names) const {
    QStringList texts;
    for (const char* name : names) texts << Shown(name);
    return texts;
  }
  QString FocusName() const {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
  }

  // Replaces the box's text by typing, kanji too; Enter then lets the queued events run.
  void Type(const QString& box, const QString& text) {
    Find(box)->setFocus();
    Find<QLineEdit>(box)->clear();
    for (QChar key : text) QTest::sendKeyEvent(QTest::Click, Find(box), Qt::Key_unknown, key, {});
  }
  void Enter(const QString& box) {
    Find(box)->setFocus();
    QTest::keyClick(Find(box), Qt::Key_Return);
    QCoreApplication::processEvents();
  }
  void TypeAndEnter(const QString& box, const QString& text) { Type(box, text); Enter(box); }
  void Click(const QString& name) {
    QTest::mouseClick(Find(name), Qt::LeftButton, {}, QPoint(8, Find(name)->height() / 2));
    QCoreApplication::processEvents();
  }

  const ymd::ScopedToday today{ymd::DateParts{1999, 4, 20}};
  std::unique_ptr<qt::QtToolkit> toolkit;
  qt::Form1Window* window = nullptr;
  std::vector<ShownMessage> messages;
};

}  // namespace ui::testing
