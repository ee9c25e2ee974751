// The window's two calculations on arbitrary texts and day counts, through
// the real Form1 on a toolkit without a window. Each run ends with its
// result written or with one overflow or out-of-range warning, never both;
// every write is well formed and Text1 is never rewritten.
//
// Input: one byte of choices, then the texts of Text1, Text2 and Text3 as
// UTF-8, separated by 0xFF (a byte UTF-8 never uses; other ill-formed bytes
// still arrive, as U+FFFD).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "support/display_shape.h"
#include "support/headless_toolkit.h"
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
  kalvenor::testing::HeadlessToolkit window;
  window.Start(addition, (data[0] & 2) != 0, texts[0], texts[addition ? 2 : 1]);
  window.Type(addition ? Control::Text2 : Control::Text3, texts[addition ? 1 : 2]);
  window.writes.clear();
  if ((data[0] & 4) != 0) {
    window.Enter(addition ? Control::Text3 : Control::Text2);
  } else {
    window.form.OnClick(Control::Command1);
  }

  bool result = false;
  for (const auto& [control, text] : window.writes) {
    kalvenor::testing::Require(control != Control::Text1);
    const bool number = control == Control::Text3;
    kalvenor::testing::Require(number ? shape::IsNumberText(text) : shape::IsDisplayText(text));
    result = result || control == (addition ? Control::Text2 : Control::Text3);
  }
  if (addition && result)
    kalvenor::testing::Require(window.Text(Control::Label5) == window.Text(Control::Text2));
  kalvenor::testing::Require(window.messages.size() == (result ? 0 : 1));
  for (const auto& [text, icon] : window.messages) {
    kalvenor::testing::Require(icon == kalvenor::ui::MessageIcon::Warning);
    kalvenor::testing::Require(text == kalvenor::ui::texts::kOverflow ||
                               text == kalvenor::ui::texts::kOutOfRange);
  }
  return 0;
}
