// The view of each mode: the date boxes read and shown, then the mode's
// calculation of the command layer, and what it counted.
#include <cstdio>
#include <span>

#include "commands/commands.h"
#include "inputs.h"
#include "page_texts.h"
#include "reader/operand_text.h"
#include "reader/day_count.h"
#include "reader/operand_text.h"
#include "view.h"
#include "view_text.h"

namespace kalvenor::web {
namespace {

// Both date boxes shown; false after the first failure's error, or with a
// hint while one is empty.
bool ShowBothDates(Inputs& inputs, const commands::Settings& settings, View& view) {
  for (std::size_t i = 0; i < 2; ++i) {
    BoxView& box = i == 0 ? view.date1 : view.date2;
    if (auto failure = ShowDate(inputs, i, settings, box, i == 0 ? view.first : view.second)) {
      Fail(*failure, inputs, inputs.boxes[i], view);
      return false;
    }
  }
  if (!view.first || !view.second) view.hint = texts::kEnterDates;
  return view.first && view.second;
}

std::string Counted(const PageState& state, bool business) {
  std::string note(business ? texts::kCountedBusinessDays : texts::kCountedDays);
  if (business) {
    note += "（" + std::string(texts::kRestDays[static_cast<int>(state.rest)]) + "）";
  }
  note += state.inclusive ? texts::kFirstDayIn : texts::kFirstDayOut;
  return note;
}

void Difference(const PageState& state, const commands::Settings& settings, View& view) {
  Inputs inputs("d1", state.date1, "d2", state.date2);
  if (!ShowBothDates(inputs, settings, view)) return;
  std::string count;
  const auto calculation = state.business ? commands::Workdays : commands::Diff;
  if (auto failure = commands::Run(calculation, inputs.All(), settings, count)) {
    Fail(*failure, inputs, "d2", view);
    return;
  }
  view.days = {count, true, {}, {}};
  const std::string_view unit = state.business ? texts::kBusinessDayUnit : texts::kDayUnit;
  view.result = ResultView{count + std::string(unit), Counted(state, state.business), {}};
}

// "10営業日後", "3日前", "2.5日後": the count as read, its unit and its direction.
std::string CountNote(const reader::DayCount& count) {
  char number[32];
  std::snprintf(number, sizeof number, "%.15g", count.amount < 0 ? -count.amount : count.amount);
  return number + std::string(texts::kCountUnits[static_cast<int>(count.unit)]) +
         std::string(count.amount < 0 ? texts::kBefore : texts::kAfter);
}

void Addition(const PageState& state, const commands::Settings& settings, View& view) {
  // While counting business days a bare number counts them.
  const std::string businessDays = state.days + std::string(texts::kBusinessDayUnit);
  std::u16string asBusiness;
  reader::DecodeOperand(businessDays, asBusiness);
  const bool bare = state.business && reader::ReadDayCount(asBusiness);
  Inputs inputs("d1", state.date1, "n", bare ? businessDays : state.days);
  inputs.texts[1] = state.days;  // messages quote what was typed
  if (auto failure = ShowDate(inputs, 0, settings, view.date1, view.first)) {
    Fail(*failure, inputs, "d1", view);
    return;
  }
  if (!view.first || reader::Trimmed(inputs.operands[1].text).empty()) {
    view.hint = texts::kEnterDateAndDays;
    return;
  }
  const auto count = reader::ReadDayCount(inputs.operands[1].text);
  commands::Settings iso = settings;
  iso.style = commands::OutputStyle::Iso;
  std::string sum;
  auto failure = commands::Run(commands::Add, inputs.All(), iso, sum);
  if (!failure && !count) failure = Failure{Problem::NotANumber, 1, {}, {}};
  if (failure) {
    Fail(*failure, inputs, "n", view);
    return;
  }
  view.second = IsoDate(sum);
  const std::string date = DateText(*view.second, settings.style);
  view.date2 = {date, true, {}, HolidayName(*view.second)};
  view.result = ResultView{date, CountNote(*count), {}};
}

void Span(const PageState& state, const commands::Settings& settings, View& view) {
  Inputs inputs("d1", state.date1, "d2", state.date2);
  if (!ShowBothDates(inputs, settings, view)) return;
  std::string span;
  if (auto failure = commands::Run(commands::Span, inputs.All(), settings, span)) {
    Fail(*failure, inputs, "d2", view);
    return;
  }
  view.result =
      ResultView{span,
                 std::string(texts::kSpanOf) +
                     std::string(state.inclusive ? texts::kFirstDayIn : texts::kFirstDayOut),
                 {}};
}

// The result and each date with its holiday, for the live region.
std::string Announcement(const View& view) {
  std::string said = view.result->text + std::string(texts::kSentenceEnd) + view.result->note;
  for (const auto& [name, box] :
       {std::pair{texts::kDate1, &view.date1}, {texts::kDate2, &view.date2}}) {
    const std::string& date = box->filled ? box->value : box->text;
    if (date.empty()) continue;
    said +=
        std::string(texts::kSentenceEnd) + std::string(name) + std::string(texts::kSpace) + date;
    if (!box->holiday.empty()) said += std::string(texts::kSpace) + box->holiday;
  }
  return said + std::string(texts::kSentenceEnd);
}

}  // namespace

View ViewOf(const PageState& state) {
  View view;
  // The box the mode fills in is emptied by any failure.
  view.days.filled = state.mode == Mode::Difference;
  view.date2.filled = state.mode == Mode::Addition;
  commands::BusinessDays& business = BusinessDaysOf(state, view.error);
  if (view.error) {
    view.announce = view.error->message;
    return view;
  }
  commands::Settings settings{.style = state.style, .read = reader::ReadOptions{state.today}};
  settings.inclusive = state.inclusive;
  settings.business = &business;
  switch (state.mode) {
    case Mode::Difference: Difference(state, settings, view); break;
    case Mode::Addition: Addition(state, settings, view); break;
    case Mode::Span: Span(state, settings, view); break;
    case Mode::Holidays: ListHolidays(state, settings, view); break;
  }
  if (view.result) {
    if (view.result->copy.empty()) view.result->copy = view.result->text;
    if (view.announce.empty()) view.announce = Announcement(view);
  }
  return view;
}

}  // namespace kalvenor::web
