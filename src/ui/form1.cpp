#include "ui/form1.h"

#include "display/display_text.h"
#include "parse/date_parser.h"
#include "parse/number.h"
#include "ui/hhelp.h"
#include "ui/layout.h"

namespace kalvenor::ui {
namespace {

constexpr std::int16_t kEnter = 13;

}  // namespace

float OneEighthOfFreeSpace(Twips screen, Twips window) {
  return static_cast<float>((static_cast<double>(screen) - window) / 8);
}

void Form1::OnLoad() {
  Handle([this] { Form_Load(); });
}

void Form1::OnResize() {
  Handle([this] { Form_Resize(); });
}

void Form1::OnClose() {
  std::int16_t cancel = 0;
  Handle([this, &cancel] { Form_Unload(cancel); });
}

void Form1::OnClick(Control button) {
  Handle([this, button] {
    if (button == Control::Command1) Command1_Click();
    if (button == Control::Command2) Command2_Click();
  });
}

void Form1::OnMenu(Menu item) {
  Handle([this, item] {
    if (item == Menu::End) End_Click();
    if (item == Menu::HELP) HELP_Click();
    if (item == Menu::ABOUT) ABOUT_Click();
  });
}

void Form1::OnOptionClick(OptionArray array, int index) {
  const auto member = static_cast<std::int16_t>(index);
  Handle([this, array, member] {
    if (array == OptionArray::Option1) {
      Option1_Click(member);
    } else {
      Option2_Click(member);
    }
  });
}

void Form1::OnKeyPress(Control box, std::int16_t& code) {
  Handle([this, box, &code] {
    if (box == Control::Text1) Text1_KeyPress(code);
    if (box == Control::Text2) Text2_KeyPress(code);
    if (box == Control::Text3) Text3_KeyPress(code);
  });
}

void Form1::Form_Load() {
  toolkit_.ProcessEvents();
  const TwipsSize screen = toolkit_.ScreenSize();
  const TwipsSize window = toolkit_.WindowSize();
  toolkit_.SetWindowPosition(OneEighthOfFreeSpace(screen.width, window.width),
                             OneEighthOfFreeSpace(screen.height, window.height));
  toolkit_.SetTitle(std::u16string(texts::kTitle));
  toolkit_.SetWidth(Control::Frame1, window.width);
  toolkit_.Select(OptionArray::Option1, 0);
}

void Form1::Form_Resize() { toolkit_.SetWidth(Control::Frame1, toolkit_.WindowSize().width); }

void Form1::Form_Unload(std::int16_t& /*cancel*/) { End_Rtn(); }

void Form1::Command1_Click() {
  if (toolkit_.IsSelected(OptionArray::Option1, 0)) {
    Keisan1();
  } else {
    Keisan2();
  }
}

void Form1::Command2_Click() { End_Rtn(); }

void Form1::Option1_Click(std::int16_t index) {
  const bool difference = index == 0;
  if (difference) {
    toolkit_.SetEnabled(Control::Text2, true);
    toolkit_.SetEnabled(Control::Text3, false);
  } else {
    toolkit_.SetEnabled(Control::Text2, false);
    toolkit_.SetEnabled(Control::Text3, true);
  }
  // The two inputs of a mode stand in the first two rows, its result last:
  // the rows where the layout puts Date2 and the days.
  const Twips secondRow = layout::Spec(Control::Text2).top;
  const Twips thirdRow = layout::Spec(Control::Text3).top;
  const Twips date2Top = difference ? secondRow : thirdRow;
  const Twips daysTop = difference ? thirdRow : secondRow;
  for (Control c : {Control::Label2, Control::Text2, Control::Label5}) toolkit_.SetTop(c, date2Top);
  for (Control c : {Control::Label3, Control::Text3}) toolkit_.SetTop(c, daysTop);
}

void Form1::Option2_Click(std::int16_t /*index*/) {
  DateParts date;
  ShowDate(Control::Text1, Control::Label4, date);
  ShowDate(Control::Text2, Control::Label5, date);
}

void Form1::Text1_KeyPress(std::int16_t& code) {
  if (code != kEnter) return;
  DateParts date;
  ShowDate(Control::Text1, Control::Label4, date);
  code = 0;
  toolkit_.PostTab();
}

void Form1::Text2_KeyPress(std::int16_t& code) {
  if (code != kEnter) return;
  DateParts date;
  ShowDate(Control::Text2, Control::Label5, date);
  if (toolkit_.IsSelected(OptionArray::Option1, 0)) Keisan1();
  code = 0;
}

void Form1::Text3_KeyPress(std::int16_t& code) {
  if (code != kEnter) return;
  if (toolkit_.IsSelected(OptionArray::Option1, 1)) Keisan2();
  code = 0;
}

void Form1::HELP_Click() { OpenHelpIn(help::AppDirectory()); }

void Form1::OpenHelpIn(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / texts::kHelpFile;
  if (!folder.empty() && help::FileExists(file)) {
    help::OpenDocument(toolkit_, folder / texts::kHelpBase);
    return;
  }
  // Without a folder there is no path to test: the box names the file in
  // the folder that could not be found, not a file at the root.
  const std::filesystem::path named =
      folder.empty() ? std::filesystem::path(texts::kUnknownFolder) / file : file;
  toolkit_.ShowMessage(help::ShownPath(named) + std::u16string(texts::kHelpMissing),
                       MessageIcon::Warning);
}

void Form1::ABOUT_Click() {
  toolkit_.ShowMessage(std::u16string(texts::kVersion), MessageIcon::Information);
}

void Form1::End_Click() { End_Rtn(); }

void Form1::Keisan1() {
  DateParts date;
  ShowDate(Control::Text2, Control::Label5, date);
  const DateParts date2 = date;
  ShowDate(Control::Text1, Control::Label4, date);
  toolkit_.SetText(Control::Text3, NumberText(DaysBetween(date, date2)));
}

void Form1::Keisan2() {
  DateParts date;
  ShowDate(Control::Text1, Control::Label4, date);
  DateParts after;
  try {
    after = DateAfter(date, ReadNumber(toolkit_.Text(Control::Text3)));
  } catch (const OutsideCalendarError& outside) {
    // Past 32767-12-31 the year leaves its 16 bits: an overflow, which ends
    // the handler. Before 0001-01-01 there is only no date to show.
    if (!outside.BeforeFirstDay()) throw checked::OverflowError();
    toolkit_.ShowMessage(std::u16string(texts::kOutOfRange), MessageIcon::Warning);
    return;
  }
  const std::u16string text = Hi(after);
  toolkit_.SetText(Control::Label5, text);
  toolkit_.SetText(Control::Text2, text);
}

std::u16string Form1::Hi(const DateParts& date) const {
  const bool era = toolkit_.IsSelected(OptionArray::Option2, 0);
  return DisplayText(date, era ? DisplayStyle::Era : DisplayStyle::Western);
}

void Form1::End_Rtn() { toolkit_.EndProgram(); }

void Form1::ShowDate(Control box, Control label, DateParts& date) {
  date = ParseDate(toolkit_.Text(box), today_(), kWindowEras, date).fields;
  toolkit_.SetText(label, Hi(date));
}

}  // namespace kalvenor::ui
