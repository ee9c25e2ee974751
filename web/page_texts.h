// Every text the page's engine writes into the view, as the user reads it.
#pragma once

#include <array>
#include <string_view>

namespace kalvenor::web::texts {

inline constexpr std::string_view kDate1 = "日付１";
inline constexpr std::string_view kDate2 = "日付２";
inline constexpr std::string_view kDays = "日数";
inline constexpr std::string_view kClosed = "休業日";
inline constexpr std::string_view kOpen = "営業日にする日";
inline constexpr std::string_view kNameSeparator = "：";
inline constexpr std::string_view kLine = "行目 ";

// A result's unit and what was counted.
inline constexpr std::string_view kDayUnit = "日";
inline constexpr std::string_view kBusinessDayUnit = "営業日";
inline constexpr std::string_view kCountedDays = "暦日で数えました";
inline constexpr std::string_view kCountedBusinessDays = "営業日で数えました";
inline constexpr std::string_view kFirstDayIn = "（初日を含める）";
inline constexpr std::string_view kFirstDayOut = "（初日を含めない）";
inline constexpr std::string_view kAfter = "後";
inline constexpr std::string_view kBefore = "前";
// DAYS' units, in reader::DayUnit's order: 10日後, 2週間後, 3か月後, 1年後, 10営業日後.
inline constexpr std::array<std::string_view, 5> kCountUnits = {"日", "週間", "か月", "年",
                                                                "営業日"};
inline constexpr std::string_view kSpanOf = "期間";
// What 期間・年齢's age, 満26歳, is.
inline constexpr std::string_view kAgeOf = "日付１に生まれた人の日付２での年齢 ";

// What a count of business days left out, by reason.
inline constexpr std::string_view kLeftOut = "数えなかった日：";
inline constexpr std::array<std::string_view, 3> kLeftOutReasons = {"休みの曜日 ", "祝日 ",
                                                                    "休業日 "};
inline constexpr std::string_view kLeftOutNone = "なし";

// The rest days, in RestDays' order.
inline constexpr std::array<std::string_view, 4> kRestDays = {"土日祝休み", "日祝休み", "土日休み",
                                                              "日曜のみ休み"};
// The year-end closing, in YearEnd's order.
inline constexpr std::array<std::string_view, 3> kYearEnds = {"", "、12/29〜1/3休み",
                                                              "、12/31〜1/3休み"};

// The holiday table and the business days of each month.
inline constexpr std::string_view kYear = "年";
inline constexpr std::string_view kMonth = "月";
inline constexpr std::string_view kHolidaysOf = "の祝日";
inline constexpr std::string_view kRangeTo = "〜";
inline constexpr std::string_view kWorkdays = "稼働日数";
inline constexpr std::string_view kSentenceEnd = "。";
inline constexpr std::string_view kComma = "、";
inline constexpr std::string_view kSpace = " ";

// The calendar's day labels.
inline constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
inline constexpr std::string_view kRestDay = "休み";
inline constexpr std::string_view kOpenDay = "営業日";
inline constexpr std::string_view kToday = "今日";
inline constexpr std::string_view kBetween = "期間中";

// Hints for the empty state.
inline constexpr std::string_view kEnterDates = "日付１と日付２を入れてください。";
inline constexpr std::string_view kEnterDateAndDays = "日付１と日数を入れてください。";

}  // namespace kalvenor::web::texts
