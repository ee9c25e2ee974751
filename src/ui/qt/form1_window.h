// The Qt window: builds Form1's controls and menus from the layout table,
// implements the toolkit operations on real widgets and delivers the
// widgets' events to Form1.
#pragma once

#include <QMainWindow>
#include <map>
#include <string>

#include "ui/form1.h"
#include "ui/toolkit.h"

class QRadioButton;

namespace ui::qt {

class Form1Window final : public QMainWindow, public Toolkit {
 public:
  Form1Window();

  // Loads the window (Form_Load) and then shows it.
  void Show();

  // Whether the program was ended; no handler runs after that.
  bool HasEnded() const { return ended_; }

  void ShowMessage(const std::u16string& text, MessageIcon icon) override;
  std::u16string Text(Control control) const override;
  void SetText(Control control, const std::u16string& text) override;
  void SetEnabled(Control control, bool enabled) override;
  void SetTop(Control control, Twips top) override;
  void SetWidth(Control control, Twips width) override;
  bool IsSelected(OptionArray array, int index) const override;
  void Select(OptionArray array, int index) override;
  void PostTab() override;
  TwipsSize ScreenSize() const override;
  TwipsSize WindowSize() const override;
  void SetWindowPosition(float left, float top) override;
  void SetTitle(const std::u16string& title) override;
  void ProcessEvents() override;
  void EndProgram() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void BuildControls();
  void BuildMenus();
  void ConnectEvents();
  QWidget* Widget(std::string_view name) const;
  QWidget* Widget(Control control) const;
  QRadioButton* Option(OptionArray array, int index) const;

  template <typename Handler>
  void Deliver(Handler&& handler) {
    if (!ended_) form_.Handle(handler);
  }

  Form1 form_{*this};
  std::map<std::string, QWidget*, std::less<>> widgets_;
  bool ended_ = false;
};

}  // namespace ui::qt
