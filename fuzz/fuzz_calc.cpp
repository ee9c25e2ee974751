// The window's two calculations through the real calculator form, without a window: a result or
// one overflow or out-of-range warning, never both; every write well formed, Date1's box never
// rewritten.
// Input: a byte of choices, then the texts of the three boxes as UTF-8, apart by 0xFF.
#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>
#include <string_view>

#include "support/headless_window.h"
#include "target_support.h"
#include "text/utf8.h"
#include "ui/texts.h"

using kalvenor::testing::Require;
using kalvenor::ui::Control;

namespace {

// A blank or a minus, digits without leading zeros; a date: "H 12/ 1/ 1(土)", " 2000/ 1/ 1(土)".
bool IsWellFormed(const std::u16string& text, bool number) {
  static const std::string digits = "( |-(?!0))(0|[1-9][0-9]*)";
  static const std::regex numberText(digits),
      dateText("[HSTM]?" + digits + "(/" + digits + "){2}\\((日|月|火|水|木|金|土)\\)");
  return std::regex_match(kalvenor::text::ToUtf8(text), number ? numberText : dateText);
}

}  // namespace

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
  const Control input = addition ? Control::DaysBox : Control::Date2Box;
  const Control output = addition ? Control::Date2Box : Control::DaysBox;
  kalvenor::testing::HeadlessWindow window;
  window.Start(addition, (data[0] & 2) != 0, texts[0], texts[addition ? 2 : 1]);
  window.Type(output, texts[addition ? 1 : 2]);
  if ((data[0] & 4) != 0)
    window.Enter(input);
  else
    window.Click(Control::CalculateButton);

  bool result = false;
  for (const auto& [control, text] : window.writes) {
    Require(control != Control::Date1Box && IsWellFormed(text, control == Control::DaysBox));
    result = result || control == output;
  }
  if (addition && result) Require(window.Text(Control::Date2Display) == window.Text(output));
  Require(window.messages.size() == (result ? 0 : 1));
  for (const auto& [text, icon] : window.messages)
    Require(icon == kalvenor::ui::MessageIcon::Warning &&
            (text == kalvenor::ui::texts::kOverflow || text == kalvenor::ui::texts::kOutOfRange));
  return 0;
}
