#include "ui/qt/qt_backend.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>

#include "ui/qt/caption_width.h"
#include "ui/qt/look.h"
#include "ui/qt/qstring_of.h"
#include "ui/texts.h"
#include "ui/units.h"

namespace kalvenor::ui::qt {

// Qt scales its logical pixels to the screen itself.
int QtBackend::Dpi() const { return kBaseDpi; }

void QtBackend::Move(Control control, const PixelRect& rect) {
  window_.Widget(control)->setGeometry(rect.left, rect.top, rect.width, rect.height);
}

int QtBackend::CaptionWidth(Control control) const {
  return qt::CaptionWidth(*window_.Widget(control));
}

std::u16string QtBackend::Text(Control control) const {
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

void QtBackend::SetText(Control control, const std::u16string& text) {
  QWidget* widget = window_.Widget(control);
  const QString shown = QStringOf(text);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    box->setText(shown);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(shown);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(shown);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(shown);
  }
}

void QtBackend::SetEnabled(Control control, bool enabled) {
  if (QLineEdit* box = window_.Box(control)) {
    ShowBoxEnabled(*box, enabled);
  } else {
    window_.Widget(control)->setEnabled(enabled);
  }
}

bool QtBackend::IsChecked(Control option) const { return window_.Option(option)->isChecked(); }

// Qt clears the other options of the frame itself.
void QtBackend::SetChecked(Control option, bool checked) {
  if (checked) window_.Option(option)->setChecked(true);
}

void QtBackend::PostTab() {
  QWidget* target = window_.focusWidget() != nullptr ? window_.focusWidget() : &window_;
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

void QtBackend::CopyText(const std::u16string& text) {
  QGuiApplication::clipboard()->setText(QStringOf(text));
}

void QtBackend::ShowMessage(const std::u16string& text, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                  QStringOf(texts::kTitle), QStringOf(text).replace(QChar(u'\r'), QChar(u'\n')),
                  QMessageBox::Ok, &window_);
  box.exec();
}

PixelSize QtBackend::ScreenSize() const {
  const QSize size = window_.screen()->geometry().size();
  return {size.width(), size.height()};
}

PixelSize QtBackend::WindowSize() const {
  const QSize size = window_.frameGeometry().size();
  return {size.width(), size.height()};
}

void QtBackend::MoveWindow(int left, int top) { window_.move(left, top); }

void QtBackend::SizeClient(PixelSize size) { window_.SizeClient(size.width, size.height); }

void QtBackend::SetTitle(const std::u16string& title) { window_.setWindowTitle(QStringOf(title)); }

// The desktop's launcher needs no owner window here.
std::uintptr_t QtBackend::WindowHandle() const { return 0; }

void QtBackend::ProcessEvents() { QCoreApplication::processEvents(); }

void QtBackend::ShowWindow() { window_.show(); }

void QtBackend::Close() {
  window_.hide();
  QCoreApplication::exit(0);
}

}  // namespace kalvenor::ui::qt
