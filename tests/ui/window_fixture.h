// A real Form1 window on the offscreen platform, shown and active, with
// today pinned to 1999/04/20 (a Tuesday). Message boxes the window opens are
// recorded and closed at once, so no test waits on one.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTimer>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ui/qt/form1_window.h"

// Readable failure messages for the texts compared.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ui::testing {

struct ShownMessage {
  QString title;
  QString text;
  MessageIcon icon;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The control with this object name ("Text1", "Option1(0)", ...).
  QWidget* Find(const QString& name) const;
  template <typename T>
  T* Find(const QString& name) const {
    return qobject_cast<T*>(Find(name));
  }

  // The text of a box or the caption of a label, as shown.
  QString Shown(const QString& name) const;

  // Replaces the box's text by typing it, then presses Enter in the box and
  // lets the queued events run.
  void Type(const QString& box, const QString& text);
  void TypeAndEnter(const QString& box, const QString& text);

  // Clicks a button or an option button with the mouse.
  void Click(const QString& name);

  // Presses Tab in the focused control; returns the new focus's name.
  QString TabFrom();
  QString FocusName() const;

  std::unique_ptr<qt::Form1Window> window;
  std::vector<ShownMessage> messages;

 private:
  std::unique_ptr<QTimer> closer_;
};

}  // namespace ui::testing
