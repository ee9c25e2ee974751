#include "page_state.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

#include "view_text.h"

namespace kalvenor::web {
namespace {

template <typename Value, std::size_t N = 4>
using Names = std::array<std::pair<std::string_view, Value>, N>;

constexpr Names<Mode> kModes = {{{"diff", Mode::Difference},
                                 {"add", Mode::Addition},
                                 {"span", Mode::Span},
                                 {"holidays", Mode::Holidays}}};
constexpr Names<commands::OutputStyle> kStyles = {{{"wareki", commands::OutputStyle::Kanji},
                                                   {"short", commands::OutputStyle::Reiwa},
                                                   {"western", commands::OutputStyle::Western},
                                                   {"iso", commands::OutputStyle::Iso}}};
constexpr Names<RestDays> kRestDays = {{{"sat-sun-hol", RestDays::SatSunHolidays},
                                        {"sun-hol", RestDays::SunHolidays},
                                        {"sat-sun", RestDays::SatSun},
                                        {"sun", RestDays::Sunday}}};
constexpr Names<YearEnd, 2> kYearEnds = {
    {{"12/29", YearEnd::FromDecember29}, {"12/31", YearEnd::FromDecember31}}};

template <typename Value, std::size_t N>
void Choose(const Names<Value, N>& names, std::string_view name, Value& value) {
  const auto found = std::find_if(names.begin(), names.end(),
                                  [name](const auto& entry) { return entry.first == name; });
  if (found != names.end()) value = found->second;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "+" is a blank and %XX a byte; a "%" without two hex digits stays.
std::string Decoded(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = i + 2 < text.size() && text[i] == '%' ? HexDigit(text[i + 1]) : -1;
    const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
    if (low >= 0) {
      out += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      out += text[i] == '+' ? ' ' : text[i];
    }
  }
  return out;
}

void Take(std::string_view key, const std::string& value, PageState& state) {
  if (key == "d1") state.date1 = value;
  if (key == "d2") state.date2 = value;
  if (key == "n") state.days = value;
  if (key == "mode") Choose(kModes, value, state.mode);
  if (key == "style") Choose(kStyles, value, state.style);
  if (key == "rest") Choose(kRestDays, value, state.rest);
  if (key == "biz") state.business = value == "1";
  if (key == "incl") state.inclusive = value == "1";
  if (key == "yearend") Choose(kYearEnds, value, state.year_end);
  if (key == "today") state.today = IsoDate(value).value_or(state.today);
  if (key == "closed") state.closed = value;
  if (key == "open") state.open = value;
  if (key == "cal") state.calendar_month = IsoDate(value + "-01");
  if (key == "months") {
    int months = 0;
    std::from_chars(value.data(), value.data() + value.size(), months);
    state.calendar_months = std::clamp(months, 1, 12);
  }
}

}  // namespace

PageState ReadPageState(std::string_view query) {
  PageState state;
  while (!query.empty()) {
    const std::string_view pair = query.substr(0, query.find('&'));
    query.remove_prefix(std::min(query.size(), pair.size() + 1));
    const std::size_t equals = pair.find('=');
    const std::string_view key = pair.substr(0, equals);
    Take(key, equals == std::string_view::npos ? std::string() : Decoded(pair.substr(equals + 1)),
         state);
  }
  return state;
}

}  // namespace kalvenor::web
