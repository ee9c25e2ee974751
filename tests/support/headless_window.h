// A backend without a window under the real form host: writes and message boxes kept in memory.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/form_host.h"
#include "ui/layout.h"

namespace kalvenor::testing {

struct Message {
  std::u16string text;
  ui::MessageIcon icon;
};

class HeadlessWindow : public ui::WindowBackend {
 public:
  ui::FormHost host{*this, [] { return DateParts{1999, 4, 20}; }};  // a Tuesday
  std::vector<Message> messages;
  std::vector<std::pair<ui::Control, std::u16string>> writes;  // every SetText, in order
  std::map<ui::Control, ui::PixelRect> rects;
  std::pair<int, int> position;
  std::u16string copied;
  int tabs = 0;  // Tab keystrokes posted

  void Type(ui::Control box, const std::u16string& text) { texts_[box] = text; }
  // As a toolkit delivers it: an option is checked first.
  void Click(ui::Control control) {
    if (ui::layout::RowOf(control).kind == ui::layout::Kind::OptionButton) checked_[control] = true;
    host.Clicked(control);
  }
  // Loads the window in a mode and a style, Date1 and the mode's input typed, writes forgotten.
  void Start(bool addition, bool western, const std::u16string& date1,
             const std::u16string& input) {
    host.Show();
    if (western) Click(ui::Control::WesternOption);
    if (addition) Click(ui::Control::AdditionOption);
    Type(ui::Control::Date1Box, date1);
    Type(addition ? ui::Control::DaysBox : ui::Control::Date2Box, input);
    writes.clear();
  }
  // Enter in a box; true when the host took the key.
  bool Enter(ui::Control box) { return host.KeyPressed({.control = box, .character = u'\r'}); }

  int Dpi() const override { return 96; }
  void Move(ui::Control control, const ui::PixelRect& rect) override { rects[control] = rect; }
  int CaptionWidth(ui::Control /*control*/) const override { return 0; }
  std::u16string Text(ui::Control control) const override { return texts_[control]; }
  void SetText(ui::Control control, const std::u16string& text) override {
    texts_[control] = text;
    writes.emplace_back(control, text);
  }
  void SetEnabled(ui::Control /*control*/, bool /*on*/) override {}
  bool IsChecked(ui::Control option) const override { return checked_[option]; }
  void SetChecked(ui::Control option, bool on) override { checked_[option] = on; }
  void PostTab() override { ++tabs; }
  void CopyText(const std::u16string& text) override { copied = text; }
  void ShowMessage(const std::u16string& text, ui::MessageIcon icon) override {
    messages.push_back({text, icon});
  }
  ui::PixelSize ScreenSize() const override { return {1280, 960}; }
  ui::PixelSize WindowSize() const override { return {400, 260}; }
  void MoveWindow(int left, int top) override { position = {left, top}; }
  void SizeClient(ui::PixelSize /*size*/) override {}
  void SetTitle(const std::u16string& /*text*/) override {}
  std::uintptr_t WindowHandle() const override { return 0; }
  void ProcessEvents() override {}
  void ShowWindow() override {}
  void Close() override {}

 private:
  // Mutable: reading a control nobody set gives its empty default, as a fresh control has.
  mutable std::map<ui::Control, std::u16string> texts_;
  mutable std::map<ui::Control, bool> checked_;
};

}  // namespace kalvenor::testing
