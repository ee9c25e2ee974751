// The window's two calculations on arbitrary texts and day counts, through
// the real Form1 and its handlers on a toolkit without a window. Each run
// must end with its result written, or with exactly one overflow or
// out-of-range message, and nothing else; Text1 is never rewritten.
//
// Input: one byte of choices, then the texts of Text1, Text2 and Text3 as
// UTF-8, separated by 0xFF (a byte UTF-8 never uses, so no text is lost by
// reserving it; other ill-formed bytes still arrive, as U+FFFD).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "support/display_shape.h"
#include "support/headless_toolkit.h"
#include "target_support.h"
#include "text/utf8.h"
#include "ui/form1.h"
#include "ui/texts.h"

namespace {

using ui::Control;
using ui::OptionArray;

struct Choices {
  bool addition;  // mode: Option1(1) instead of Option1(0)
  bool western;   // style: Option2(1) instead of Option2(0)
  bool viaEnter;  // Enter in the mode's input box instead of 計算実行
};

// Cuts the next text off the front of bytes, up to a 0xFF or the end.
std::u16string NextText(std::string_view& bytes) {
  const std::size_t end = bytes.find('\xff');
  const std::string_view text = bytes.substr(0, end);
  bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
  return chars::FromUtf8(text);
}

void Press(ui::Form1& form, const Choices& choices) {
  std::int16_t enter = 13;
  form.Handle([&] {
    if (!choices.viaEnter) {
      form.Command1_Click();
    } else if (choices.addition) {
      form.Text3_KeyPress(enter);
    } else {
      form.Text2_KeyPress(enter);
    }
  });
}

bool IsCalculationMessage(const fuzz::Message& message) {
  return message.icon == ui::MessageIcon::Warning &&
         (message.text == ui::texts::kOverflow || message.text == ui::texts::kOutOfRange);
}

// The result of the mode, as the last writes of the run left it.
bool ResultWritten(const fuzz::HeadlessToolkit& toolkit, bool addition) {
  bool result = false;
  for (const auto& [control, text] : toolkit.writes) {
    fuzz::Require(control != Control::Text1);
    if (control == Control::Label4 || control == Control::Label5 || control == Control::Text2) {
      fuzz::Require(shape::IsDisplayText(text));
    }
    if (!addition && control == Control::Text3) {
      fuzz::Require(shape::IsNumberText(text));
      result = true;
    }
    if (addition && control == Control::Text2) {
      fuzz::Require(toolkit.Text(Control::Label5) == text);
      result = true;
    }
  }
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FixToday();
  if (size == 0) return 0;
  const Choices choices{(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0};
  std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  fuzz::HeadlessToolkit toolkit;
  ui::Form1 form(toolkit);
  toolkit.onClick = [&form](OptionArray array, int index) {
    const auto member = static_cast<std::int16_t>(index);
    form.Handle([&] {
      if (array == OptionArray::Option1) {
        form.Option1_Click(member);
      } else {
        form.Option2_Click(member);
      }
    });
  };
  toolkit.Select(OptionArray::Option2, choices.western ? 1 : 0);
  form.Handle([&] { form.Form_Load(); });
  toolkit.Select(OptionArray::Option1, choices.addition ? 1 : 0);
  for (Control box : {Control::Text1, Control::Text2, Control::Text3}) {
    toolkit.Type(box, NextText(bytes));
  }
  toolkit.writes.clear();
  toolkit.messages.clear();

  Press(form, choices);

  const bool result = ResultWritten(toolkit, choices.addition);
  fuzz::Require(toolkit.messages.size() <= 1);
  const bool refused = toolkit.messages.size() == 1;
  fuzz::Require(!refused || IsCalculationMessage(toolkit.messages[0]));
  fuzz::Require(result != refused);
  return 0;
}
