// The window's two calculations on arbitrary texts and day counts, through
// the real Form1 on a toolkit without a window. Each run ends with its
// result written or with one overflow or out-of-range warning, never both;
// every write is well formed and the Date1 box is never rewritten.
//
// Input: one byte of choices, then the texts of Text1, Text2 and Text3 as
// UTF-8, separated by 0xFF (a byte UTF-8 never uses; other ill-formed bytes
// still arrive, as U+FFFD).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "support/display_shape.h"
#include "support/headless_window.h"
#include "target_support.h"
#include "text/utf8.h"
#include "ui/texts.h"

using kalvenor::ui::Control;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool addition = (data[0] & 1) != 0;
  std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::u16string texts[3];
  for (std::u16string& text : texts) {
    const std::size_t end = bytes.find('\xff');
    text = kalvenor::text::FromUtf8(bytes.substr(0, end));
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
  }
  kalvenor::testing::HeadlessWindow window;
  window.Start(addition, (data[0] & 2) != 0, texts[0], texts[addition ? 2 : 1]);
  window.Type(addition ? Control::Date2Box : Control::DaysBox, texts[addition ? 1 : 2]);
  if ((data[0] & 4) != 0) {
    window.Enter(addition ? Control::DaysBox : Control::Date2Box);
  } else {
    window.Click(Control::CalculateButton);
  }

  bool result = false;
  for (const auto& [control, text] : window.writes) {
    kalvenor::testing::Require(control != Control::Date1Box);
    const bool number = control == Control::DaysBox;
    kalvenor::testing::Require(number ? shape::IsNumberText(text) : shape::IsDisplayText(text));
    result = result || control == (addition ? Control::Date2Box : Control::DaysBox);
  }
  if (addition && result)
    kalvenor::testing::Require(window.Text(Control::Date2Display) ==
                               window.Text(Control::Date2Box));
  kalvenor::testing::Require(window.messages.size() == (result ? 0 : 1));
  for (const auto& [text, icon] : window.messages) {
    kalvenor::testing::Require(icon == kalvenor::ui::MessageIcon::Warning);
    kalvenor::testing::Require(text == kalvenor::ui::texts::kOverflow ||
                               text == kalvenor::ui::texts::kOutOfRange);
  }
  return 0;
}
