// The view of each mode: the date boxes read and shown, then the mode's
// calculation of the command layer, and what it counted.
#include <cstdio>
#include <variant>

#include "commands/commands.h"
#include "commands/span_text.h"
#include "inputs.h"
#include "page_texts.h"
#include "reader/day_count.h"
#include "reader/operand_text.h"
#include "view.h"
#include "view_text.h"

namespace kalvenor::web {
namespace {

// Both date boxes shown; false after the first failure's error, or with a
// hint while one is empty.
bool ShowBothDates(Inputs& inputs, const PageState& state, const commands::Settings& settings,
                   View& view) {
  for (std::size_t i = 0; i < 2; ++i) {
    BoxView& box = i == 0 ? view.date1 : view.date2;
    if (auto failure =
            ShowDate(inputs, i, settings, state.style, box, i == 0 ? view.first : view.second)) {
      Fail(*failure, inputs, inputs.boxes[i], view);
      return false;
    }
  }
  if (!view.first || !view.second) view.hint = texts::kEnterDates;
  return view.first && view.second;
}

std::string_view FirstDay(const PageState& state) {
  return state.inclusive ? texts::kFirstDayIn : texts::kFirstDayOut;
}

std::string Counted(const PageState& state, bool business) {
  std::string note(business ? texts::kCountedBusinessDays : texts::kCountedDays);
  if (business) note += RestCaption(state);
  return note += FirstDay(state);
}

// "数えなかった日：休みの曜日 8日、祝日 2日": the reasons that left a day out.
std::string LeftOutText(const std::optional<DaysOff>& off) {
  if (!off) return {};
  std::string text(texts::kLeftOut);
  const std::int32_t days[] = {off->rest_weekdays, off->holidays, off->closed};
  bool any = false;
  for (std::size_t i = 0; i < std::size(days); ++i) {
    if (days[i] == 0) continue;
    if (any) text += texts::kComma;
    text += std::string(texts::kLeftOutReasons[i]) + std::to_string(days[i]) +
            std::string(texts::kDayUnit);
    any = true;
  }
  return any ? text : text + std::string(texts::kLeftOutNone);
}

void Difference(const PageState& state, const commands::Settings& settings, View& view) {
  Inputs inputs("d1", state.date1, "d2", state.date2);
  if (!ShowBothDates(inputs, state, settings, view)) return;
  commands::Result result;
  const auto calculation = state.business ? commands::Workdays : commands::Diff;
  if (auto failure = commands::Run(calculation, inputs.All(), settings, result)) {
    Fail(*failure, inputs, "d2", view);
    return;
  }
  const auto& count = std::get<commands::CountResult>(result);
  const std::string days = std::to_string(count.days);
  view.days = {days, true, {}, {}};
  const std::string_view unit = state.business ? texts::kBusinessDayUnit : texts::kDayUnit;
  view.result = ResultView{
      days + std::string(unit), Counted(state, state.business), LeftOutText(count.left_out), {}};
}

// "10営業日後", "3日前（初日を含める）", "2.5日後": the count as read, its
// unit and its direction, and whether DATE was its first day.
std::string CountNote(const reader::DayCount& count, bool inclusive) {
  char number[32];
  std::snprintf(number, sizeof number, "%.15g", count.amount < 0 ? -count.amount : count.amount);
  return number + std::string(texts::kCountUnits[static_cast<int>(count.unit)]) +
         std::string(count.amount < 0 ? texts::kBefore : texts::kAfter) +
         std::string(inclusive ? texts::kFirstDayIn : "");
}

void Addition(const PageState& state, const commands::Settings& settings, View& view) {
  // While counting business days a bare number counts them.
  const std::string businessDays = state.days + std::string(texts::kBusinessDayUnit);
  std::u16string asBusiness;
  reader::DecodeOperand(businessDays, asBusiness);
  const bool bare = state.business && reader::ReadDayCount(asBusiness);
  Inputs inputs("d1", state.date1, "n", bare ? businessDays : state.days);
  inputs.texts[1] = state.days;  // messages quote what was typed
  if (auto failure = ShowDate(inputs, 0, settings, state.style, view.date1, view.first)) {
    Fail(*failure, inputs, "d1", view);
    return;
  }
  if (!view.first || reader::Trimmed(inputs.operands[1].text).empty()) {
    view.hint = texts::kEnterDateAndDays;
    return;
  }
  const auto count = reader::ReadDayCount(inputs.operands[1].text);
  commands::Result result;
  auto failure = commands::Run(commands::Add, inputs.All(), settings, result);
  if (!failure && !count) failure = Failure{Problem::NotANumber, 1, {}, {}};
  if (failure) {
    Fail(*failure, inputs, "n", view);
    return;
  }
  const auto& sum = std::get<commands::DateResult>(result);
  view.second = sum.date;
  const std::string date = DateText(sum.date, state.style);
  view.date2 = {date, true, {}, HolidayName(sum.date)};
  view.result = ResultView{date, CountNote(*count, state.inclusive), LeftOutText(sum.left_out), {}};
}

// The span from DATE1 to DATE2, and the age on DATE2 of someone born on
// DATE1 (none when DATE1 is the later).
void Span(const PageState& state, const commands::Settings& settings, View& view) {
  Inputs inputs("d1", state.date1, "d2", state.date2);
  if (!ShowBothDates(inputs, state, settings, view)) return;
  commands::Result span;
  if (auto failure = commands::Run(commands::Span, inputs.All(), settings, span)) {
    Fail(*failure, inputs, "d2", view);
    return;
  }
  std::string age;
  commands::Result years;
  if (!commands::Run(commands::Age, inputs.All(), settings, years)) {
    age = texts::kAgeOf;
    commands::AppendAge(std::get<commands::AgeResult>(years), false, false, age);
  }
  std::string text;
  commands::AppendSpan(std::get<CalendarSpan>(span), state.style == commands::OutputStyle::Iso,
                       text);
  view.result =
      ResultView{text, std::string(texts::kSpanOf) + std::string(FirstDay(state)), age, {}};
}

// The result with its detail and each date with its holiday, for the live
// region.
std::string Announcement(const View& view) {
  std::string said = view.result->text + std::string(texts::kSentenceEnd) + view.result->note;
  if (!view.result->detail.empty()) {
    said += std::string(texts::kSentenceEnd) + view.result->detail;
  }
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

View ViewOf(const PageState& state, commands::BusinessDays& business,
            const std::optional<ErrorView>& listError) {
  View view;
  // The box the mode fills in is emptied by any failure.
  view.days.filled = state.mode == Mode::Difference;
  view.date2.filled = state.mode == Mode::Addition;
  view.error = listError;
  if (view.error) {
    view.announce = view.error->message;
    return view;
  }
  commands::Settings settings{.read = reader::ReadOptions{state.today}};
  settings.inclusive = state.inclusive;
  settings.days_off = true;  // business-day counts say what they left out
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
