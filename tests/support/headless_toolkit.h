// A window toolkit without a window: box texts and option selections kept
// in memory, every text the program writes logged, message boxes recorded
// and closed at once, so the real Form1 runs without Qt. Positions and
// enabled states are not kept; nothing here looks at them.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/toolkit.h"

namespace fuzz {

struct Message {
  std::u16string text;
  ui::MessageIcon icon;
};

class HeadlessToolkit : public ui::Toolkit {
 public:
  // Receives the option arrays' Click events (Form1's Option1_Click, ...).
  std::function<void(ui::OptionArray, int)> onClick;
  std::vector<Message> messages;
  // Every SetText, in order.
  std::vector<std::pair<ui::Control, std::u16string>> writes;

  // What the user typed: sets the text without logging a write.
  void Type(ui::Control box, const std::u16string& text) { texts_[box] = text; }

  void ShowMessage(const std::u16string& text, ui::MessageIcon icon) override;
  std::u16string Text(ui::Control control) const override;
  void SetText(ui::Control control, const std::u16string& text) override;
  void SetEnabled(ui::Control /*control*/, bool /*enabled*/) override {}
  void SetTop(ui::Control /*control*/, ui::Twips /*top*/) override {}
  void SetWidth(ui::Control /*control*/, ui::Twips /*width*/) override {}
  bool IsSelected(ui::OptionArray array, int index) const override;
  void Select(ui::OptionArray array, int index) override;
  void PostTab() override {}
  ui::TwipsSize ScreenSize() const override { return {19200, 14400}; }
  ui::TwipsSize WindowSize() const override { return {6000, 4000}; }
  void SetWindowPosition(float /*left*/, float /*top*/) override {}
  void SetTitle(const std::u16string& /*title*/) override {}
  std::uintptr_t WindowHandle() const override { return 0; }
  void ProcessEvents() override {}
  void EndProgram() override {}

 private:
  std::map<ui::Control, std::u16string> texts_;
  std::map<ui::OptionArray, int> selected_;
};

}  // namespace fuzz
