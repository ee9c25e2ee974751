#include "ui/qt/calculator_window.h"

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
#include <QShortcut>
#include <cstdint>
#include <limits>

#include "calendar/floor_div.h"
#include "ui/layout.h"
#include "ui/qt/look.h"
#include "ui/qt/qstring_of.h"

namespace kalvenor::ui::qt {
namespace {

// Compiled in: an icon read from a resource file goes through Qt's image
// plugins, which would load the JPEG, GIF and ICO readers at every start.
#include "ui/qt/resources/icon.xpm"

QWidget* MakeWidget(const layout::ControlRow& row, QWidget* parent) {
  const QString caption = QStringOf(row.caption);
  switch (row.kind) {
    case layout::Kind::TextBox: {
      auto* box = new QLineEdit(parent);
      box->setMaxLength(std::numeric_limits<int>::max());
      box->setAccessibleName(QStringOf(row.accessible));
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
      label->setAccessibleDescription(QStringOf(row.accessible));
      return label;
    }
  }
  return nullptr;
}

}  // namespace

CalculatorWindow::CalculatorWindow(WindowEvents& events) : events_(events) {
  setWindowIcon(QIcon(QPixmap(icon_xpm)));
  BuildMenus();
  BuildControls();
}

void CalculatorWindow::SizeClient(int width, int height) {
  resize(width, height + menuBar()->sizeHint().height());
}

QWidget* CalculatorWindow::Widget(Control control) const { return controls_.at(IndexOf(control)); }

QLineEdit* CalculatorWindow::Box(Control box) const {
  return qobject_cast<QLineEdit*>(Widget(box));
}

QRadioButton* CalculatorWindow::Option(Control option) const {
  return qobject_cast<QRadioButton*>(Widget(option));
}

QAction* CalculatorWindow::Action(Menu item) const {
  return menus_.at(static_cast<std::size_t>(item));
}

void CalculatorWindow::BuildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);
  // The table lists frames after the options they hold: frames first.
  for (bool contained : {false, true}) {
    for (const auto& row : layout::Controls()) {
      if (row.container.has_value() != contained) continue;
      QWidget* widget = MakeWidget(row, row.container ? Widget(*row.container) : client);
      widget->setObjectName(QStringOf(row.name));
      controls_.at(IndexOf(row.id)) = widget;
      ReportClicks(row.id);
    }
  }
  // The results can be selected and copied, though not typed into.
  for (Control display : {Control::Date1Display, Control::Date2Display}) {
    qobject_cast<QLabel*>(Widget(display))->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  // Every control's keys: the boxes' typing, and Ctrl+C wherever the focus is.
  for (QWidget* control : controls_) control->installEventFilter(this);
  Widget(Control::Date1Box)->setFocus();
}

void CalculatorWindow::BuildMenus() {
  for (const auto& row : layout::Menus()) {
    const QString caption = QStringOf(row.caption);
    QAction* action = nullptr;
    if (row.parent) {
      action = Action(*row.parent)->menu()->addAction(caption);
    } else if (row.id == Menu::Help) {
      action = menuBar()->addMenu(caption)->menuAction();
      action->menu()->setObjectName(QStringOf(row.name));
    } else {
      action = menuBar()->addAction(caption);
    }
    action->setObjectName(QStringOf(row.name));
    menus_.at(static_cast<std::size_t>(row.id)) = action;
    const Menu item = row.id;
    connect(action, &QAction::triggered, this, [this, item] { events_.MenuChosen(item); });
  }
  // F1 wherever the focus is in the window, the menu bar included.
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] {
    events_.KeyPressed({ControlOf(focusWidget()), Key::F1});
  });
}

void CalculatorWindow::ReportClicks(Control control) {
  QWidget* widget = Widget(control);
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    connect(button, &QPushButton::clicked, this, [this, control] { events_.Clicked(control); });
  } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
    // Checked by the click, or by the arrow keys inside its group.
    connect(option, &QRadioButton::toggled, this, [this, control](bool on) {
      if (on) events_.Clicked(control);
    });
  }
}

void CalculatorWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  events_.Resized();
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
  events_.Closing();
  event->accept();
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  return events_.KeyPressed(KeyOn(watched, *static_cast<QKeyEvent*>(event)));
}

KeyPress CalculatorWindow::KeyOn(const QObject* watched, const QKeyEvent& key) const {
  KeyPress press{ControlOf(watched)};
  if (key.text().size() == 1) press.character = key.text()[0].unicode();
  if (key.matches(QKeySequence::Copy)) {
    press.key = Key::Copy;
    const auto* box = qobject_cast<const QLineEdit*>(watched);
    const auto* label = qobject_cast<const QLabel*>(watched);
    press.selection = (box != nullptr && box->hasSelectedText()) ||
                      (label != nullptr && label->hasSelectedText());
  }
  return press;
}

std::optional<Control> CalculatorWindow::ControlOf(const QObject* widget) const {
  for (const auto& row : layout::Controls()) {
    if (Widget(row.id) == widget) return row.id;
  }
  return std::nullopt;
}

bool CalculatorWindow::TakesTab(const QWidget& widget) const {
  if (!widget.isEnabled() || !widget.isVisibleTo(this)) return false;
  // Of an option group only the selected member takes Tab; the arrow keys
  // move inside the group.
  if (const auto* option = qobject_cast<const QRadioButton*>(&widget)) return option->isChecked();
  return (widget.focusPolicy() & Qt::TabFocus) != 0;
}

bool CalculatorWindow::focusNextPrevChild(bool next) {
  // The layout's order, walked from the focus either way round. Qt's own
  // chain is not used: a radio button that takes the focus takes Tab away
  // from its siblings, which would drop a whole group out of the order.
  const auto controls = layout::Controls();
  const auto count = static_cast<std::int32_t>(controls.size());
  std::int32_t at = next ? -1 : count;
  for (std::int32_t i = 0; i < count; ++i) {
    if (Widget(controls[static_cast<std::size_t>(i)].id) == focusWidget()) at = i;
  }
  for (std::int32_t step = 1; step <= count; ++step) {
    const std::int32_t i = FloorMod(at + (next ? step : -step), count);
    QWidget* widget = Widget(controls[static_cast<std::size_t>(i)].id);
    if (TakesTab(*widget)) {
      widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return false;
}

}  // namespace kalvenor::ui::qt
