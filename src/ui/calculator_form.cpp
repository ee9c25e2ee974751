#include "ui/calculator_form.h"

#include "display/display_text.h"
#include "parse/date_parser.h"
#include "parse/number.h"
#include "program/program_folder.h"
#include "text/full_width.h"
#include "ui/help_launcher.h"
#include "ui/layout.h"

namespace kalvenor::ui {
namespace {

constexpr std::int16_t kEnter = 13;

}  // namespace

float OneEighthOfFreeSpace(Twips screen, Twips window) {
  return static_cast<float>((static_cast<double>(screen) - window) / 8);
}

void CalculatorForm::OnLoad() {
  Handle([this] { Load(); });
}

void CalculatorForm::OnResize() {
  Handle([this] { Resize(); });
}

void CalculatorForm::OnClose() {
  std::int16_t cancel = 0;
  Handle([this, &cancel] { Unload(cancel); });
}

void CalculatorForm::OnClick(Control control) {
  Handle([this, control] {
    switch (control) {
      case Control::CalculateButton: CalculateButtonClick(); break;
      case Control::QuitButton: QuitButtonClick(); break;
      case Control::DifferenceOption:
      case Control::AdditionOption: ModeOptionClick(control); break;
      case Control::EraOption:
      case Control::WesternOption: StyleOptionClick(); break;
      default: break;
    }
  });
}

void CalculatorForm::OnMenu(Menu item) {
  Handle([this, item] {
    if (item == Menu::Quit) QuitMenuClick();
    if (item == Menu::HelpDocument) HelpMenuClick();
    if (item == Menu::About) AboutMenuClick();
  });
}

void CalculatorForm::OnKeyPress(Control box, std::int16_t& code) {
  Handle([this, box, &code] {
    if (box == Control::Date1Box) Date1BoxKeyPress(code);
    if (box == Control::Date2Box) Date2BoxKeyPress(code);
    if (box == Control::DaysBox) DaysBoxKeyPress(code);
  });
}

void CalculatorForm::Load() {
  window_.ProcessEvents();
  const TwipsSize screen = toolkit_.ScreenSize();
  const TwipsSize window = toolkit_.WindowSize();
  toolkit_.SetWindowPosition(OneEighthOfFreeSpace(screen.width, window.width),
                             OneEighthOfFreeSpace(screen.height, window.height));
  window_.SetTitle(std::u16string(texts::kTitle));
  toolkit_.SetWidth(Control::TopLine, window.width);
  toolkit_.Select(Control::DifferenceOption);
}

void CalculatorForm::Resize() { toolkit_.SetWidth(Control::TopLine, toolkit_.WindowSize().width); }

void CalculatorForm::Unload(std::int16_t& /*cancel*/) { Quit(); }

void CalculatorForm::CalculateButtonClick() {
  if (toolkit_.IsSelected(Control::DifferenceOption)) {
    CalculateDifference();
  } else {
    CalculateAddition();
  }
}

void CalculatorForm::QuitButtonClick() { Quit(); }

void CalculatorForm::ModeOptionClick(Control mode) {
  const bool difference = mode == Control::DifferenceOption;
  toolkit_.SetEnabled(Control::Date2Box, difference);
  toolkit_.SetEnabled(Control::DaysBox, !difference);
  // The two inputs of a mode stand in the first two rows, its result last:
  // the rows where the layout puts Date2 and the days.
  const Twips secondRow = layout::RowOf(Control::Date2Box).top;
  const Twips thirdRow = layout::RowOf(Control::DaysBox).top;
  const Twips date2Top = difference ? secondRow : thirdRow;
  const Twips daysTop = difference ? thirdRow : secondRow;
  for (Control c : {Control::Date2Caption, Control::Date2Box, Control::Date2Display}) {
    toolkit_.SetTop(c, date2Top);
  }
  for (Control c : {Control::DaysCaption, Control::DaysBox}) toolkit_.SetTop(c, daysTop);
}

void CalculatorForm::StyleOptionClick() {
  DateParts date;
  ShowDate(Control::Date1Box, Control::Date1Display, date);
  ShowDate(Control::Date2Box, Control::Date2Display, date);
}

void CalculatorForm::Date1BoxKeyPress(std::int16_t& code) {
  if (code != kEnter) return;
  DateParts date;
  ShowDate(Control::Date1Box, Control::Date1Display, date);
  code = 0;
  window_.PostTab();
}

void CalculatorForm::Date2BoxKeyPress(std::int16_t& code) {
  if (code != kEnter) return;
  DateParts date;
  ShowDate(Control::Date2Box, Control::Date2Display, date);
  if (toolkit_.IsSelected(Control::DifferenceOption)) CalculateDifference();
  code = 0;
}

void CalculatorForm::DaysBoxKeyPress(std::int16_t& code) {
  if (code != kEnter) return;
  if (toolkit_.IsSelected(Control::AdditionOption)) CalculateAddition();
  code = 0;
}

void CalculatorForm::HelpMenuClick() { OpenHelpIn(ProgramFolder()); }

void CalculatorForm::OpenHelpIn(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / texts::kHelpFile;
  if (!folder.empty() && help::FileExists(file)) {
    help::OpenDocument(window_, folder / texts::kHelpBase);
    return;
  }
  // Without a folder there is no path to test: the box names the file in
  // the folder that could not be found, not a file at the root.
  const std::filesystem::path named =
      folder.empty() ? std::filesystem::path(texts::kUnknownFolder) / file : file;
  window_.ShowMessage(help::ShownPath(named) + std::u16string(texts::kHelpMissing),
                      MessageIcon::Warning);
}

void CalculatorForm::AboutMenuClick() {
  window_.ShowMessage(std::u16string(texts::kVersion), MessageIcon::Information);
}

void CalculatorForm::QuitMenuClick() { Quit(); }

void CalculatorForm::CalculateDifference() {
  DateParts date;
  ShowDate(Control::Date2Box, Control::Date2Display, date);
  const DateParts date2 = date;
  ShowDate(Control::Date1Box, Control::Date1Display, date);
  toolkit_.SetText(Control::DaysBox, NumberText(DaysBetween(date, date2)));
}

void CalculatorForm::CalculateAddition() {
  DateParts date;
  ShowDate(Control::Date1Box, Control::Date1Display, date);
  DateParts after;
  try {
    after = DateAfter(date, ReadNumber(BoxText(Control::DaysBox)));
  } catch (const OutsideCalendarError& outside) {
    // Past 32767-12-31 the year leaves its 16 bits: an overflow, which ends
    // the handler. Before 0001-01-01 there is only no date to show.
    if (!outside.BeforeFirstDay()) throw checked::OverflowError();
    window_.ShowMessage(std::u16string(texts::kOutOfRange), MessageIcon::Warning);
    return;
  }
  const std::u16string text = DisplayTextOf(after);
  toolkit_.SetText(Control::Date2Display, text);
  toolkit_.SetText(Control::Date2Box, text);
}

std::u16string CalculatorForm::DisplayTextOf(const DateParts& date) const {
  const DisplayStyle style =
      toolkit_.IsSelected(Control::EraOption) ? DisplayStyle::Era : DisplayStyle::Western;
  return DisplayText(date, style);
}

void CalculatorForm::Quit() { toolkit_.EndProgram(); }

std::u16string CalculatorForm::BoxText(Control box) const {
  std::u16string text = window_.Text(box);
  text::FoldFullWidth(text);
  return text;
}

void CalculatorForm::ShowDate(Control box, Control display, DateParts& date) {
  date = ParseDate(BoxText(box), today_(), kWindowEras, date).fields;
  toolkit_.SetText(display, DisplayTextOf(date));
}

}  // namespace kalvenor::ui
