// The window's logic: start-up placement, the two calculation modes, the
// keyboard flow between the boxes, and the menu and quit commands. Written
// against Toolkit alone; a backend delivers each event through the On*
// functions, which run one handler each.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "calendar/date.h"
#include "clock/system_clock.h"
#include "numeric/checked.h"
#include "ui/texts.h"
#include "ui/toolkit.h"

namespace kalvenor::ui {

// One eighth of the free space between a window and the screen's edge, the
// offset at which the window opens; negative when the screen is smaller.
float OneEighthOfFreeSpace(Twips screen, Twips window);

class Form1 {
 public:
  // today: read once per parse; tests pass a fixed date.
  explicit Form1(Toolkit& toolkit, DateParts (*today)() = SystemToday)
      : toolkit_(toolkit), today_(today) {}

  // Runs one event handler. An overflow ends it at that step, keeps what it
  // already wrote, and is reported; the program goes on.
  template <typename Handler>
  void Handle(Handler&& handler) {
    try {
      handler();
    } catch (const checked::OverflowError&) {
      toolkit_.ShowMessage(std::u16string(texts::kOverflow), MessageIcon::Warning);
    }
  }

  // The toolkit's events, each routed to its handler through Handle.
  void OnLoad();
  void OnResize();
  void OnClose();
  void OnClick(Control button);  // Command1, Command2
  void OnMenu(Menu item);
  void OnOptionClick(OptionArray array, int index);
  void OnKeyPress(Control box, std::int16_t& code);  // Text1, Text2, Text3

  void Form_Load();
  void Form_Resize();
  void Form_Unload(std::int16_t& cancel);

  void Command1_Click();
  void Command2_Click();
  void Option1_Click(std::int16_t index);
  void Option2_Click(std::int16_t index);
  void Text1_KeyPress(std::int16_t& code);
  void Text2_KeyPress(std::int16_t& code);
  void Text3_KeyPress(std::int16_t& code);

  void HELP_Click();
  void ABOUT_Click();
  void End_Click();

  // HELP_Click's work for the program's folder, empty when unknown: opens
  // help.htm there or says it is missing.
  void OpenHelpIn(const std::filesystem::path& folder);

  void Keisan1();
  void Keisan2();
  std::u16string Hi(const DateParts& date) const;
  void End_Rtn();

 private:
  // Parses the box into date and shows its display text in the label. A
  // handler that reads two boxes parses both into the same date, so what a
  // failed parse leaves unwritten keeps the first box's values.
  void ShowDate(Control box, Control label, DateParts& date);

  Toolkit& toolkit_;
  DateParts (*today_)();
};

}  // namespace kalvenor::ui
