// The window's logic: start-up placement, the two calculation modes, the
// keyboard flow between the boxes, and the menu and quit commands. Written
// against the toolkit operations of toolkit.h alone; the host delivers each
// event through the On* functions, which run one handler each.
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

class CalculatorForm {
 public:
  // toolkit: the operations the host adds its rules to; window: those the
  // toolkit does as they are. today: read once per parse; tests pass a
  // fixed date.
  CalculatorForm(Toolkit& toolkit, WindowBasics& window, DateParts (*today)() = SystemToday)
      : toolkit_(toolkit), window_(window), today_(today) {}

  // The toolkit's events, each answered by its handler. An overflow ends
  // the handler at that step, keeps what it already wrote, and is
  // reported; the program goes on.
  void OnLoad();
  void OnResize();
  void OnClose();
  void OnClick(Control control);  // a button, or an option button newly selected
  void OnMenu(Menu item);
  void OnKeyPress(Control box, std::int16_t& code);  // a character typed into a box

  // The help command's work for the program's folder, empty when unknown:
  // opens help.htm there or says it is missing.
  void OpenHelpIn(const std::filesystem::path& folder);

 private:
  template <typename Handler>
  void Handle(Handler&& handler) {
    try {
      handler();
    } catch (const checked::OverflowError&) {
      window_.ShowMessage(std::u16string(texts::kOverflow), MessageIcon::Warning);
    }
  }

  void Load();
  void Resize();
  void Unload(std::int16_t& cancel);

  void CalculateButtonClick();
  void QuitButtonClick();
  void ModeOptionClick(Control mode);
  void StyleOptionClick();
  void Date1BoxKeyPress(std::int16_t& code);
  void Date2BoxKeyPress(std::int16_t& code);
  void DaysBoxKeyPress(std::int16_t& code);

  void HelpMenuClick();
  void AboutMenuClick();
  void QuitMenuClick();

  void CalculateDifference();
  void CalculateAddition();
  std::u16string DisplayTextOf(const DateParts& date) const;
  void Quit();

  // What the user typed into the box, with an input method's full-width
  // forms folded: "２０００／１／１" is 2000/1/1 and "１００" is 100.
  std::u16string BoxText(Control box) const;

  // Parses the box into date and shows its display text in the label. A
  // handler that reads two boxes parses both into the same date, so what a
  // failed parse leaves unwritten keeps the first box's values.
  void ShowDate(Control box, Control display, DateParts& date);

  Toolkit& toolkit_;
  WindowBasics& window_;
  DateParts (*today_)();
};

}  // namespace kalvenor::ui
