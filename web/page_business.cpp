// The business days of the page: its four rest-day choices, as the
// Japanese business-day calculators offer them, the year-end closing and
// the user's lists.
#include <array>
#include <cstdint>
#include <memory>
#include <tuple>

#include "commands/day_list.h"
#include "commands/messages.h"
#include "page_texts.h"
#include "view.h"
#include "view_text.h"

namespace kalvenor::web {
namespace {

struct RestRule {
  std::uint8_t weekdays;  // bit w: weekday w, 0 Sunday
  bool national_holidays;
};

// In RestDays' order: 土日祝, 日祝, 土日, 日曜のみ.
constexpr std::array<RestRule, 4> kRestRules = {
    {{0b100'0001, true}, {0b000'0001, true}, {0b100'0001, false}, {0b000'0001, false}}};

// The list's days, or the error naming its first line that is no date.
bool ReadList(const std::string& text, std::string_view box, const reader::ReadOptions& read,
              std::vector<SerialDay>& days, std::optional<ErrorView>& error) {
  const commands::DayList list = commands::ReadDayList(text, read);
  if (list.bad_line) {
    error = ErrorView{box, std::string(BoxName(box)) + std::string(texts::kNameSeparator) +
                               std::to_string(*list.bad_line) + std::string(texts::kLine) +
                               commands::messages::NotADate(list.bad_text)};
    return false;
  }
  days = list.days;
  return true;
}

}  // namespace

commands::BusinessDays& BusinessDaysOf(const PageState& state, std::optional<ErrorView>& error) {
  // The calendar of the last rules asked for, kept while they stay: the
  // page asks again with each change of another input.
  using Key = std::tuple<RestDays, YearEnd, std::string, std::string, DateParts>;
  static Key kept;
  static std::unique_ptr<commands::BusinessDays> business;
  Key key{state.rest, state.year_end, state.closed, state.open, state.today};
  if (business && key == kept) return *business;
  const RestRule rest = kRestRules[static_cast<int>(state.rest)];
  const BusinessRules withoutLists{rest.weekdays, rest.national_holidays, {}, {}, state.year_end};
  BusinessRules rules = withoutLists;
  const reader::ReadOptions read{state.today};
  if (ReadList(state.closed, "closed", read, rules.closed, error) &&
      ReadList(state.open, "open", read, rules.open, error)) {
    kept = std::move(key);
    business = std::make_unique<commands::BusinessDays>(std::move(rules));
    return *business;
  }
  // The lists' error stops the calculation; the calendar still shows the
  // rest days without them.
  static commands::BusinessDays restDaysOnly({});
  restDaysOnly = commands::BusinessDays(withoutLists);
  return restDaysOnly;
}

std::string RestCaption(const PageState& state) {
  return "（" + std::string(texts::kRestDays[static_cast<int>(state.rest)]) +
         std::string(texts::kYearEnds[static_cast<int>(state.year_end)]) + "）";
}

}  // namespace kalvenor::web
