#include "ui/qt/form1_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <limits>
#include <variant>

#include "ui/qt/caption_fit.h"
#include "ui/qt/look.h"
#include "ui/qt/qstring_of.h"

namespace kalvenor::ui::qt {
namespace {

// Compiled in: an icon read from a resource file goes through Qt's image
// plugins, which would load the JPEG, GIF and ICO readers at every start.
#include "ui/qt/resources/icon.xpm"

std::size_t Slot(OptionArray array, int index) {
  return static_cast<std::size_t>(array == OptionArray::Option1 ? 0 : 2) +
         static_cast<std::size_t>(index);
}

QWidget* MakeWidget(const layout::ControlSpec& spec, QWidget* parent) {
  const QString caption = QStringOf(spec.caption);
  switch (spec.kind) {
    case layout::Kind::TextBox: {
      auto* box = new QLineEdit(parent);
      box->setMaxLength(std::numeric_limits<int>::max());
      box->setAccessibleName(QStringOf(spec.accessible));
      return box;
    }
    case layout::Kind::Line: {
      auto* line = new QFrame(parent);
      line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
      return line;
    }
    case layout::Kind::Frame: {
      auto* frame = new QGroupBox(caption, parent);
      frame->setStyle(&FrameStyle());
      return frame;
    }
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
      label->setAccessibleDescription(QStringOf(spec.accessible));
      return label;
    }
  }
  return nullptr;
}

}  // namespace

Form1Window::Form1Window() {
  setWindowIcon(QIcon(QPixmap(icon_xpm)));
  BuildMenus();
  BuildControls();
  const int menuHeight = menuBar()->sizeHint().height();
  resize(layout::Pixels(layout::kClientSize.width),
         layout::Pixels(layout::kClientSize.height) + menuHeight);
}

QWidget* Form1Window::Widget(Control control) const {
  return controls_.at(static_cast<std::size_t>(control));
}

QWidget* Form1Window::Widget(const layout::ControlSpec& spec) const {
  if (const auto* control = std::get_if<Control>(&spec.id)) return Widget(*control);
  const auto& member = std::get<layout::Member>(spec.id);
  return Option(member.array, member.index);
}

QLineEdit* Form1Window::Box(Control box) const { return qobject_cast<QLineEdit*>(Widget(box)); }

QRadioButton* Form1Window::Option(OptionArray array, int index) const {
  return options_.at(Slot(array, index));
}

QAction* Form1Window::Action(Menu item) const { return menus_.at(static_cast<std::size_t>(item)); }

void Form1Window::BuildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);
  // The table lists containers after their contents, so place in two passes.
  for (int pass = 0; pass < 2; ++pass) {
    for (const auto& spec : layout::Controls()) {
      if (spec.container.has_value() != (pass == 1)) continue;
      QWidget* widget = MakeWidget(spec, spec.container ? Widget(*spec.container) : client);
      if (const auto* control = std::get_if<Control>(&spec.id)) {
        controls_.at(static_cast<std::size_t>(*control)) = widget;
      } else {
        const auto& member = std::get<layout::Member>(spec.id);
        options_.at(Slot(member.array, member.index)) = qobject_cast<QRadioButton*>(widget);
      }
    }
  }
  for (const auto& spec : layout::Controls()) {
    QWidget* widget = Widget(spec);
    widget->setObjectName(QStringOf(spec.name));
    widget->setGeometry(layout::Pixels(spec.left), layout::Pixels(spec.top),
                        layout::Pixels(spec.width), layout::Pixels(spec.height));
    if (!spec.caption.empty()) FitCaption(*widget, spec);
  }
  // The results can be selected and copied, though not typed into.
  for (Control label : {Control::Label4, Control::Label5}) {
    qobject_cast<QLabel*>(Widget(label))->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  Option(OptionArray::Option2, 0)->setChecked(true);
  for (Control box : {Control::Text1, Control::Text2, Control::Text3}) {
    Widget(box)->installEventFilter(this);
  }
  Widget(Control::Text1)->setFocus();
}

void Form1Window::BuildMenus() {
  for (const auto& spec : layout::Menus()) {
    const QString caption = QStringOf(spec.caption);
    QAction* action = nullptr;
    if (spec.parent) {
      action = Action(*spec.parent)->menu()->addAction(caption);
    } else if (spec.id == Menu::HELP0) {
      action = menuBar()->addMenu(caption)->menuAction();
      action->menu()->setObjectName(QStringOf(spec.name));
    } else {
      action = menuBar()->addAction(caption);
    }
    action->setObjectName(QStringOf(spec.name));
    menus_.at(static_cast<std::size_t>(spec.id)) = action;
  }
}

void Form1Window::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  emit resized();
}

void Form1Window::closeEvent(QCloseEvent* event) {
  emit closing();
  event->accept();
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  const QString text = static_cast<QKeyEvent*>(event)->text();
  // Keys that type no single character, and Tab, go their usual way; a
  // disabled box takes no typing at all.
  const auto* box = qobject_cast<const QLineEdit*>(watched);
  if (text.size() != 1 || text[0] == QChar(u'\t') || box == nullptr || box->isReadOnly()) {
    return false;
  }
  auto code = static_cast<std::int16_t>(text[0].unicode());
  for (Control control : {Control::Text1, Control::Text2, Control::Text3}) {
    if (watched == Widget(control)) emit typed(control, &code);
  }
  return code == 0;
}

bool Form1Window::TakesTab(const QWidget& widget) const {
  if (!widget.isEnabled() || !widget.isVisibleTo(this)) return false;
  // Of an option group only the selected member takes Tab; the arrow keys
  // move inside the group.
  if (const auto* option = qobject_cast<const QRadioButton*>(&widget)) return option->isChecked();
  return (widget.focusPolicy() & Qt::TabFocus) != 0;
}

bool Form1Window::focusNextPrevChild(bool next) {
  // The layout's order, walked from the focus either way round. Qt's own
  // chain is not used: a radio button that takes the focus takes Tab away
  // from its siblings, which would drop a whole group out of the order.
  const auto controls = layout::Controls();
  const auto count = static_cast<std::ptrdiff_t>(controls.size());
  std::ptrdiff_t at = next ? -1 : count;
  for (std::ptrdiff_t i = 0; i < count; ++i) {
    if (Widget(controls[static_cast<std::size_t>(i)]) == focusWidget()) at = i;
  }
  for (std::ptrdiff_t step = 1; step <= count; ++step) {
    const std::ptrdiff_t i = ((at + (next ? step : -step)) % count + count) % count;
    QWidget* widget = Widget(controls[static_cast<std::size_t>(i)]);
    if (TakesTab(*widget)) {
      widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return false;
}

}  // namespace kalvenor::ui::qt
