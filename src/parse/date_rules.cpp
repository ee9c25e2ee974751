#include "parse/date_rules.h"

#include "calendar/date.h"
#include "numeric/checked.h"

namespace kalvenor {
namespace {

// What a day field gives in one candidate month.
struct Candidate {
  enum class Outcome { Day, NotInMonth, NoDay } outcome;
  std::int16_t day = 0;  // for Day: the day, which the month need not have
};

Candidate DayIn(std::int16_t year, std::int16_t month, const DayField& field,
                const DateParts& today) {
  using enum Candidate::Outcome;
  switch (field.kind) {
    case DayKind::Number: return {Day, field.number};
    case DayKind::MonthEnd: {
      const std::int16_t length = DaysInMonth(year, month);
      return {length == 0 ? NoDay : Day, length};
    }
    case DayKind::Weekday: {
      if (month < 0 || month > 12) return {NoDay};  // no weekdays without a month row
      const auto day = WeekdayDay(year, month, field.weekday, field.week, today);
      return day ? Candidate{Day, *day} : Candidate{NotInMonth};
    }
    case DayKind::PastMonthEnd: return {NotInMonth};
    case DayKind::None: break;
  }
  return {NoDay};
}

// A candidate the search accepted is the date when it is a valid one.
CompletedDate Accepted(const DateParts& date) { return {date, date.IsValid()}; }

}  // namespace

std::optional<std::int16_t> WeekdayDay(std::int16_t year, std::int16_t month, int weekday, int week,
                                       const DateParts& today) {
  const std::int16_t length = DaysInMonth(year, month);  // [0, 31]
  std::int16_t day = 1;
  if (week == 0) {
    if (year == today.year && month == today.month) day = today.day;
  } else if (week == 5 && length < 29) {
    return std::nullopt;
  } else {
    day = static_cast<std::int16_t>(1 + 7 * (week - 1));  // 1, 8, .. 29
  }
  // The walk ends within 7 days.
  for (int at = WeekdayOf({year, month, day}); at != weekday; at = (at + 1) % 7) {
    if (++day > length) return std::nullopt;
  }
  return day;
}

std::optional<DateParts> DateOfFields(std::int16_t year, std::int16_t month, const DayField& day,
                                      const DateParts& today) {
  const Candidate candidate = DayIn(year, month, day, today);
  const DateParts date{year, month, candidate.day};
  if (candidate.outcome != Candidate::Outcome::Day || !date.IsValid()) return std::nullopt;
  return date;
}

CompletedDate CompleteMonthDay(std::int16_t month, const DayField& day, const DateParts& today) {
  DateParts date{today.year, month, 0};
  // Wide, so that no month or day can overflow the comparison.
  const std::int64_t todayKey = today.month * 31LL + today.day;
  for (int count = 0; count <= 5; ++count) {
    const Candidate candidate = DayIn(date.year, month, day, today);
    if (candidate.outcome == Candidate::Outcome::NoDay) return {date, false};
    date.day = candidate.day;
    const bool notBefore = month * 31LL + date.day >= todayKey;
    if (candidate.outcome == Candidate::Outcome::Day && (notBefore || count > 0) &&
        date.day <= DaysInMonth(date.year, month)) {
      return Accepted(date);
    }
    const std::optional<std::int16_t> next = checked::TryInt16(date.year + 1);
    if (!next) return {date, false};
    date.year = *next;
  }
  if (day.kind != DayKind::Number) return {date, false};
  date.day = day.number;
  return Accepted(date);
}

CompletedDate CompleteDay(const DayField& day, const DateParts& today) {
  DateParts date{today.year, today.month, 0};
  for (int count = 0; count <= 99; ++count) {
    const Candidate candidate = DayIn(date.year, date.month, day, today);
    if (candidate.outcome == Candidate::Outcome::NoDay) return {date, false};
    date.day = candidate.day;
    if (candidate.outcome == Candidate::Outcome::Day && (date.day >= today.day || count > 0)) {
      return Accepted(date);
    }
    if (++date.month > 12) {
      date.month = 1;
      const std::optional<std::int16_t> next = checked::TryInt16(date.year + 1);
      if (!next) return {date, false};
      date.year = *next;
    }
  }
  return {date, false};
}

}  // namespace kalvenor
