// The Qt window: Form1's controls and menus built from the layout table,
// reached by their ids, and the window's own keyboard rules. It knows
// nothing of Form1: the toolkit adapter (qt_toolkit.h) connects the two.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>

#include "ui/layout.h"
#include "ui/toolkit.h"

class QAction;
class QLineEdit;
class QRadioButton;

namespace kalvenor::ui::qt {

class Form1Window final : public QMainWindow {
  Q_OBJECT

 public:
  Form1Window();

  QWidget* Widget(Control control) const;
  QWidget* Widget(const layout::ControlSpec& spec) const;
  QLineEdit* Box(Control box) const;  // Text1, Text2 or Text3
  QRadioButton* Option(OptionArray array, int index) const;
  QAction* Action(Menu item) const;

 signals:
  void resized();
  void closing();
  // A character typed into an enabled box; setting *code to 0 discards it.
  void typed(kalvenor::ui::Control box, std::int16_t* code);

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
  std::array<QRadioButton*, 4> options_{};  // Option1(0), Option1(1), Option2(0), Option2(1)
  std::array<QAction*, 4> menus_{};         // by Menu
};

}  // namespace kalvenor::ui::qt
