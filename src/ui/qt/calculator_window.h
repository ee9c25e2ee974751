// The Qt window: the calculator form's controls and menus created from the
// layout table and reached by their ids, its own Tab walk, and its events
// reported as they come to the form host. The backend (qt_backend.h) reads
// and moves the controls for the host.
#pragma once

#include <QMainWindow>
#include <array>
#include <optional>

#include "ui/toolkit.h"
#include "ui/window_events.h"

class QAction;
class QKeyEvent;
class QLineEdit;
class QRadioButton;

namespace kalvenor::ui::qt {

class CalculatorWindow final : public QMainWindow {
  Q_OBJECT

 public:
  explicit CalculatorWindow(WindowEvents& events);

  QWidget* Widget(Control control) const;
  QLineEdit* Box(Control box) const;           // a text box
  QRadioButton* Option(Control option) const;  // an option button
  // The window's size below its menu bar.
  void SizeClient(int width, int height);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void BuildControls();
  void BuildMenus();
  // Reports the clicks of a button, or of an option as it is checked.
  void ReportClicks(Control control);
  QAction* Action(Menu item) const;
  bool TakesTab(const QWidget& widget) const;
  // The key pressed on watched, one of the controls.
  KeyPress KeyOn(const QObject* watched, const QKeyEvent& key) const;
  std::optional<Control> ControlOf(const QObject* widget) const;

  WindowEvents& events_;
  std::array<QWidget*, kControlCount> controls_{};
  std::array<QAction*, 4> menus_{};  // by Menu
};

}  // namespace kalvenor::ui::qt
