#include "ui/qt/qt_toolkit.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <cmath>

#include "ui/layout.h"
#include "ui/qt/caption_fit.h"
#include "ui/qt/look.h"
#include "ui/qt/qstring_of.h"
#include "ui/texts.h"

namespace kalvenor::ui::qt {
namespace {

Twips ToTwips(int pixels) { return pixels * layout::kTwipsPerPixel; }

}  // namespace

QtToolkit::QtToolkit() { ConnectEvents(); }

void QtToolkit::Show() {
  Deliver([](Form1& form) { form.OnLoad(); });
  if (!ended_) window_.show();
}

void QtToolkit::ConnectEvents() {
  QObject::connect(&window_, &Form1Window::resized, &window_,
                   [this] { Deliver([](Form1& form) { form.OnResize(); }); });
  QObject::connect(&window_, &Form1Window::closing, &window_,
                   [this] { Deliver([](Form1& form) { form.OnClose(); }); });
  QObject::connect(&window_, &Form1Window::typed, &window_,
                   [this](Control box, std::int16_t* code) {
                     Deliver([box, code](Form1& form) { form.OnKeyPress(box, *code); });
                   });
  for (Menu item : {Menu::End, Menu::HELP, Menu::ABOUT}) {
    QObject::connect(window_.Action(item), &QAction::triggered, &window_,
                     [this, item] { Deliver([item](Form1& form) { form.OnMenu(item); }); });
  }
  for (Control button : {Control::Command1, Control::Command2}) {
    QObject::connect(qobject_cast<QPushButton*>(window_.Widget(button)), &QPushButton::clicked,
                     &window_,
                     [this, button] { Deliver([button](Form1& form) { form.OnClick(button); }); });
  }
  for (OptionArray array : {OptionArray::Option1, OptionArray::Option2}) {
    for (int index : {0, 1}) {
      QObject::connect(window_.Option(array, index), &QRadioButton::toggled, &window_,
                       [this, array, index](bool on) {
                         if (on) Deliver([=](Form1& form) { form.OnOptionClick(array, index); });
                       });
    }
  }
}

void QtToolkit::ShowMessage(const std::u16string& text, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                  QStringOf(texts::kTitle), QStringOf(text).replace(QChar(u'\r'), QChar(u'\n')),
                  QMessageBox::Ok, &window_);
  box.exec();
}

std::u16string QtToolkit::Text(Control control) const {
  QWidget* widget = window_.Widget(control);
  QString text;
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    text = box->text();
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    text = label->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    text = button->text();
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    text = frame->title();
  }
  return text.toStdU16String();
}

void QtToolkit::SetText(Control control, const std::u16string& text) {
  QWidget* widget = window_.Widget(control);
  const QString shown = QStringOf(text);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    box->setText(shown);
    return;
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(shown);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(shown);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(shown);
  }
  FitCaption(*widget, layout::Spec(control));
}

void QtToolkit::SetEnabled(Control control, bool enabled) {
  if (QLineEdit* box = qobject_cast<QLineEdit*>(window_.Widget(control))) {
    ShowBoxEnabled(*box, enabled);
  } else {
    window_.Widget(control)->setEnabled(enabled);
  }
}

void QtToolkit::SetTop(Control control, Twips top) {
  QWidget* widget = window_.Widget(control);
  widget->move(widget->x(), layout::Pixels(top));
}

void QtToolkit::SetWidth(Control control, Twips width) {
  QWidget* widget = window_.Widget(control);
  widget->resize(layout::Pixels(width), widget->height());
}

bool QtToolkit::IsSelected(OptionArray array, int index) const {
  return window_.Option(array, index)->isChecked();
}

void QtToolkit::Select(OptionArray array, int index) {
  window_.Option(array, index)->setChecked(true);
}

void QtToolkit::PostTab() {
  QWidget* target = window_.focusWidget() != nullptr ? window_.focusWidget() : &window_;
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

TwipsSize QtToolkit::ScreenSize() const {
  const QSize size = window_.screen()->geometry().size();
  return {ToTwips(size.width()), ToTwips(size.height())};
}

TwipsSize QtToolkit::WindowSize() const {
  const QSize size = window_.frameGeometry().size();
  return {ToTwips(size.width()), ToTwips(size.height())};
}

void QtToolkit::SetWindowPosition(float left, float top) {
  window_.move(static_cast<int>(std::lround(left / layout::kTwipsPerPixel)),
               static_cast<int>(std::lround(top / layout::kTwipsPerPixel)));
}

void QtToolkit::SetTitle(const std::u16string& title) { window_.setWindowTitle(QStringOf(title)); }

// The desktop's launcher needs no owner window here.
std::uintptr_t QtToolkit::WindowHandle() const { return 0; }

void QtToolkit::ProcessEvents() { QCoreApplication::processEvents(); }

void QtToolkit::EndProgram() {
  ended_ = true;
  window_.hide();
  QCoreApplication::exit(0);
}

}  // namespace kalvenor::ui::qt
