// A window toolkit without a window, with the real Form1 on it: texts,
// selections, enabled states, tops and widths kept in memory, every text
// the program writes logged, message boxes recorded and closed at once.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/form1.h"

namespace kalvenor::testing {

struct Message {
  std::u16string text;
  ui::MessageIcon icon;
};

class HeadlessToolkit : public ui::Toolkit {
 public:
  // Today is Tuesday 1999-04-20.
  ui::Form1 form{*this, [] { return DateParts{1999, 4, 20}; }};
  std::vector<Message> messages;
  std::vector<std::pair<ui::Control, std::u16string>> writes;  // every SetText, in order
  std::map<ui::Control, bool> enabled;
  std::map<ui::Control, ui::Twips> tops, widths;
  float left = 0, top = 0;
  std::u16string title;
  int tabs = 0;  // Tab keystrokes posted
  bool ended = false;

  // What the user typed: sets the text without logging a write.
  void Type(ui::Control box, const std::u16string& text) { texts_[box] = text; }
  // Loads the window in a mode and a style, then types Date1 and the mode's input.
  void Start(bool addition, bool western, const std::u16string& date1,
             const std::u16string& input) {
    Select(ui::OptionArray::Option2, western ? 1 : 0);
    form.OnLoad();
    Select(ui::OptionArray::Option1, addition ? 1 : 0);
    Type(ui::Control::Text1, date1);
    Type(addition ? ui::Control::Text3 : ui::Control::Text2, input);
  }
  // Enter in a box; true when the handler discarded the key.
  bool Enter(ui::Control box) {
    std::int16_t code = 13;
    form.OnKeyPress(box, code);
    return code == 0;
  }

  void ShowMessage(const std::u16string& text, ui::MessageIcon icon) override {
    messages.push_back({text, icon});
  }
  std::u16string Text(ui::Control control) const override {
    return texts_.contains(control) ? texts_.at(control) : u"";
  }
  void SetText(ui::Control control, const std::u16string& text) override {
    texts_[control] = text;
    writes.emplace_back(control, text);
  }
  void SetEnabled(ui::Control control, bool on) override { enabled[control] = on; }
  void SetTop(ui::Control control, ui::Twips twips) override { tops[control] = twips; }
  void SetWidth(ui::Control control, ui::Twips width) override { widths[control] = width; }
  bool IsSelected(ui::OptionArray array, int index) const override {
    return selected_.at(array) == index;
  }
  void Select(ui::OptionArray array, int index) override {
    if (std::exchange(selected_[array], index) != index) form.OnOptionClick(array, index);
  }
  void PostTab() override { ++tabs; }
  ui::TwipsSize ScreenSize() const override { return {19200, 14400}; }
  ui::TwipsSize WindowSize() const override { return {6000, 4000}; }
  void SetWindowPosition(float x, float y) override { left = x, top = y; }
  void SetTitle(const std::u16string& text) override { title = text; }
  std::uintptr_t WindowHandle() const override { return 0; }
  void ProcessEvents() override {}
  void EndProgram() override { ended = true; }

 private:
  std::map<ui::Control, std::u16string> texts_;
  // As laid out: Option2(0) selected, neither member of Option1.
  std::map<ui::OptionArray, int> selected_{{ui::OptionArray::Option1, -1},
                                           {ui::OptionArray::Option2, 0}};
};

}  // namespace kalvenor::testing
