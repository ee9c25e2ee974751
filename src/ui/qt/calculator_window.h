// The Qt window: CalculatorForm's controls and menus created from the layout table,
// reached by their ids, and the window's own keyboard rules. It knows
// nothing of CalculatorForm: the backend (qt_backend.h) connects it to the host.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>

#include "ui/toolkit.h"

class QAction;
class QLineEdit;
class QRadioButton;

namespace kalvenor::ui::qt {

class CalculatorWindow final : public QMainWindow {
  Q_OBJECT

 public:
  CalculatorWindow();

  QWidget* Widget(Control control) const;
  QLineEdit* Box(Control box) const;           // a text box
  QRadioButton* Option(Control option) const;  // an option button
  QAction* Action(Menu item) const;
  // The window's size below its menu bar.
  void SizeClient(int width, int height);

 signals:
  void resized();
  void closing();
  // A character typed into a box; setting *code to 0 discards it.
  void typed(kalvenor::ui::Control box, std::int16_t* code);
  // Ctrl+C on a control with nothing selected.
  void copyRequested();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void BuildControls();
  void BuildMenus();
  bool TakesTab(const QWidget& widget) const;

  std::array<QWidget*, kControlCount> controls_{};
  std::array<QAction*, 4> menus_{};  // by Menu
};

}  // namespace kalvenor::ui::qt
