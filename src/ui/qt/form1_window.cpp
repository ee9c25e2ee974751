#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/layout.h"
#include "ui/qt/caption_fit.h"
#include "ui/texts.h"

namespace ui::qt {
namespace {

QString ToQString(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

QString ToQString(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

Twips ToTwips(int pixels) { return pixels * layout::kTwipsPerPixel; }

QWidget* MakeWidget(const layout::ControlSpec& spec, QWidget* parent) {
  const QString caption = ToQString(spec.caption);
  switch (spec.kind) {
    case layout::Kind::TextBox: {
      auto* box = new QLineEdit(parent);
      box->setMaxLength(std::numeric_limits<int>::max());
      box->setAccessibleName(ToQString(spec.accessible));
      return box;
    }
    case layout::Kind::Line: {
      auto* line = new QFrame(parent);
      line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
      return line;
    }
    case layout::Kind::Frame: return new QGroupBox(caption, parent);
    case layout::Kind::Button: {
      auto* button = new QPushButton(caption, parent);
      // Enter on a focused button presses it, as Space does. Enter in a box
      // still goes to the box: the window has no default button.
      button->setAutoDefault(true);
      return button;
    }
    case layout::Kind::OptionButton: return new QRadioButton(caption, parent);
    case layout::Kind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setAccessibleDescription(ToQString(spec.accessible));
      return label;
    }
  }
  return nullptr;
}

}  // namespace

Form1Window::Form1Window() {
  setWindowIcon(QIcon(QStringLiteral(":/kalvenor/icon.xpm")));
  BuildMenus();
  BuildControls();
  ConnectEvents();
  const int menuHeight = menuBar()->sizeHint().height();
  resize(layout::Pixels(layout::kClientSize.width),
         layout::Pixels(layout::kClientSize.height) + menuHeight);
}

void Form1Window::Show() {
  Deliver([this] { form_.Form_Load(); });
  if (!ended_) show();
}

void Form1Window::BuildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);
  QWidget* previousStop = nullptr;
  // The table lists containers after their contents, so place in two passes.
  for (const auto& spec : layout::Controls()) {
    if (spec.container.empty()) widgets_.emplace(std::string(spec.name), MakeWidget(spec, client));
  }
  for (const auto& spec : layout::Controls()) {
    if (!spec.container.empty()) {
      widgets_.emplace(std::string(spec.name), MakeWidget(spec, Widget(spec.container)));
    }
  }
  for (const auto& spec : layout::Controls()) {
    QWidget* widget = Widget(spec.name);
    widget->setObjectName(ToQString(spec.name));
    widget->setGeometry(layout::Pixels(spec.left), layout::Pixels(spec.top),
                        layout::Pixels(spec.width), layout::Pixels(spec.height));
    if (!spec.caption.empty()) FitCaption(*widget, spec);
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    if (previousStop != nullptr) setTabOrder(previousStop, widget);
    previousStop = widget;
  }
  Option(OptionArray::Option2, 0)->setChecked(true);
  for (Control box : {Control::Text1, Control::Text2, Control::Text3}) {
    Widget(box)->installEventFilter(this);
  }
  Widget(Control::Text1)->setFocus();
}

void Form1Window::BuildMenus() {
  const auto menus = layout::Menus();
  std::map<std::string_view, QMenu*> dropDowns;
  for (const auto& spec : menus) {
    const QString caption = ToQString(spec.caption);
    const bool hasItems =
        std::any_of(menus.begin(), menus.end(),
                    [&](const layout::MenuSpec& item) { return item.parent == spec.name; });
    QAction* action = nullptr;
    if (!spec.parent.empty()) {
      action = dropDowns.at(spec.parent)->addAction(caption);
    } else if (hasItems) {
      QMenu* menu = menuBar()->addMenu(caption);
      menu->setObjectName(ToQString(spec.name));
      dropDowns.emplace(spec.name, menu);
      action = menu->menuAction();
    } else {
      action = menuBar()->addAction(caption);
    }
    action->setObjectName(ToQString(spec.name));
  }
}

void Form1Window::ConnectEvents() {
  const auto onAction = [this](const char* name, void (Form1::*handler)()) {
    connect(findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this,
            [this, handler] { Deliver([this, handler] { (form_.*handler)(); }); });
  };
  onAction("End", &Form1::End_Click);
  onAction("HELP", &Form1::HELP_Click);
  onAction("ABOUT", &Form1::ABOUT_Click);

  const auto onButton = [this](Control control, void (Form1::*handler)()) {
    connect(static_cast<QPushButton*>(Widget(control)), &QPushButton::clicked, this,
            [this, handler] { Deliver([this, handler] { (form_.*handler)(); }); });
  };
  onButton(Control::Command1, &Form1::Command1_Click);
  onButton(Control::Command2, &Form1::Command2_Click);

  for (OptionArray array : {OptionArray::Option1, OptionArray::Option2}) {
    const auto handler =
        array == OptionArray::Option1 ? &Form1::Option1_Click : &Form1::Option2_Click;
    for (std::int16_t index : {0, 1}) {
      connect(Option(array, index), &QRadioButton::toggled, this, [this, handler, index](bool on) {
        if (on) Deliver([this, handler, index] { (form_.*handler)(index); });
      });
    }
  }
}

QWidget* Form1Window::Widget(std::string_view name) const { return widgets_.find(name)->second; }

QWidget* Form1Window::Widget(Control control) const { return Widget(layout::NameOf(control)); }

QRadioButton* Form1Window::Option(OptionArray array, int index) const {
  return static_cast<QRadioButton*>(Widget(layout::NameOf(array, index)));
}

void Form1Window::ShowMessage(const std::u16string& text, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                  ToQString(texts::kTitle), ToQString(text).replace(QChar(u'\r'), QChar(u'\n')),
                  QMessageBox::Ok, this);
  box.exec();
}

std::u16string Form1Window::Text(Control control) const {
  QWidget* widget = Widget(control);
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

void Form1Window::SetText(Control control, const std::u16string& text) {
  QWidget* widget = Widget(control);
  const QString shown = ToQString(text);
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
  FitCaption(*widget, layout::Spec(layout::NameOf(control)));
}

void Form1Window::SetEnabled(Control control, bool enabled) {
  Widget(control)->setEnabled(enabled);
}

void Form1Window::SetTop(Control control, Twips top) {
  QWidget* widget = Widget(control);
  widget->move(widget->x(), layout::Pixels(top));
}

void Form1Window::SetWidth(Control control, Twips width) {
  QWidget* widget = Widget(control);
  widget->resize(layout::Pixels(width), widget->height());
}

bool Form1Window::IsSelected(OptionArray array, int index) const {
  return Option(array, index)->isChecked();
}

void Form1Window::Select(OptionArray array, int index) { Option(array, index)->setChecked(true); }

void Form1Window::PostTab() {
  QWidget* target = focusWidget() != nullptr ? focusWidget() : this;
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

TwipsSize Form1Window::ScreenSize() const {
  const QSize size = screen()->geometry().size();
  return {ToTwips(size.width()), ToTwips(size.height())};
}

TwipsSize Form1Window::WindowSize() const {
  const QSize size = frameGeometry().size();
  return {ToTwips(size.width()), ToTwips(size.height())};
}

void Form1Window::SetWindowPosition(float left, float top) {
  move(static_cast<int>(std::lround(left / layout::kTwipsPerPixel)),
       static_cast<int>(std::lround(top / layout::kTwipsPerPixel)));
}

void Form1Window::SetTitle(const std::u16string& title) { setWindowTitle(ToQString(title)); }

void Form1Window::ProcessEvents() { QCoreApplication::processEvents(); }

void Form1Window::EndProgram() {
  ended_ = true;
  hide();
  QCoreApplication::exit(0);
}

void Form1Window::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Deliver([this] { form_.Form_Resize(); });
}

void Form1Window::closeEvent(QCloseEvent* event) {
  std::int16_t cancel = 0;
  Deliver([this, &cancel] { form_.Form_Unload(cancel); });
  event->accept();
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  const QString typed = static_cast<QKeyEvent*>(event)->text();
  // Keys that type no single character, and Tab, go their usual way.
  if (typed.size() != 1 || typed[0] == QChar(u'\t')) return false;
  auto code = static_cast<std::int16_t>(typed[0].unicode());
  if (watched == Widget(Control::Text1)) Deliver([this, &code] { form_.Text1_KeyPress(code); });
  if (watched == Widget(Control::Text2)) Deliver([this, &code] { form_.Text2_KeyPress(code); });
  if (watched == Widget(Control::Text3)) Deliver([this, &code] { form_.Text3_KeyPress(code); });
  return code == 0;
}

bool Form1Window::focusNextPrevChild(bool next) {
  // Tab reaches only the selected member of each option group.
  for (std::size_t step = 0; step < widgets_.size(); ++step) {
    if (!QMainWindow::focusNextPrevChild(next)) return false;
    const auto* option = qobject_cast<const QRadioButton*>(focusWidget());
    if (option == nullptr || option->isChecked()) return true;
  }
  return true;
}

}  // namespace ui::qt
