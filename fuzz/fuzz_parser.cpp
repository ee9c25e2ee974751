// ParseDate on any UTF-16 (byte pairs, low first) with the window's eras and all: no date, or a
// real date whose display texts parse back from the year 100 on; the fast path agrees with it, and
// on ASCII text so does its twin on bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "display/display_text.h"
#include "parse/date_parser.h"
#include "parse/plain_date.h"
#include "target_support.h"

namespace kalvenor::testing {
namespace {

void CheckParse(const std::u16string& text, std::span<const Era> eras) {
  const std::optional<DateParts> date = ParseDate(text, kToday, eras).date;
  if (!date) return;
  RequireRealDate(*date);
  for (const auto style : {DisplayStyle::Western, DisplayStyle::Era})
    Require(date->year < 100 ||
            ParseDate(DisplayText(*date, style, eras), kToday, eras).date == date);
}

}  // namespace
}  // namespace kalvenor::testing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  kalvenor::testing::CheckParse(text, kalvenor::kWindowEras);
  kalvenor::testing::CheckParse(text, kalvenor::kEras);
  kalvenor::DateParts fast;
  const bool plain = kalvenor::ReadPlainDate(text, fast);
  kalvenor::DateParts bytes;
  if (std::ranges::all_of(text, [](char16_t c) { return c < 0x80; }))
    kalvenor::testing::Require(
        kalvenor::ReadPlainDate(std::string(text.begin(), text.end()), bytes) == plain &&
        (!plain || bytes == fast));
  if (!plain) return 0;
  kalvenor::testing::Require(kalvenor::ParseDate(text + u"x", kalvenor::testing::kToday).date ==
                             fast);
  return 0;
}
