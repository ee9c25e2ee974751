// Business days against plain day counts: kalvenor-cli's workdays and diff
// calculations on the same random date lines 1948..2099 (read from text,
// as a stream line is), and add's business-day stepping for a near and a
// far count.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "calendar/date.h"
#include "commands/business_days.h"
#include "commands/commands.h"
#include "holidays/business_days.h"
#include "holidays/holidays.h"

namespace {

using kalvenor::SerialDay;

constexpr int kLines = 4096;

std::vector<std::u16string> DateLines() {
  std::mt19937 random(19480720);
  std::uniform_int_distribution<SerialDay> day(kalvenor::kHolidayDataFrom,
                                               kalvenor::kHolidayDataThrough);
  std::vector<std::u16string> lines;
  for (int i = 0; i < kLines; ++i) {
    const kalvenor::DateParts date = kalvenor::DateOf(day(random));
    char text[24];
    std::snprintf(text, sizeof text, "%d/%d/%d", date.year, date.month, date.day);
    lines.emplace_back(text, text + std::string(text).size());
  }
  return lines;
}

// One calculation per pair of lines, both read anew each time.
// cppcheck-suppress constParameter ; the loop over state runs the benchmark
void Lines(benchmark::State& state, kalvenor::commands::Calculation calculation) {
  static const std::vector<std::u16string> lines = DateLines();
  static kalvenor::commands::BusinessDays business({});
  const kalvenor::commands::Settings settings{.read = kalvenor::reader::ReadOptions{{2026, 12, 7}},
                                              .business = &business};
  std::vector<kalvenor::commands::Operand> operands(2);
  kalvenor::commands::Result result;
  std::size_t i = 0;
  while (state.KeepRunning()) {
    operands[0] = {lines[i % kLines], {}};
    operands[1] = {lines[(i + 1) % kLines], {}};
    benchmark::DoNotOptimize(calculation(operands, settings, result));
    ++i;
  }
}

void BM_DiffLine(benchmark::State& state) { Lines(state, kalvenor::commands::Diff); }
void BM_WorkdaysLine(benchmark::State& state) { Lines(state, kalvenor::commands::Workdays); }
BENCHMARK(BM_DiffLine);
BENCHMARK(BM_WorkdaysLine);

// The count-th business day after random days that leave room for it.
void BM_AddBusinessDays(benchmark::State& state) {
  static const kalvenor::BusinessCalendar business({});
  const auto count = static_cast<std::int32_t>(state.range(0));
  std::mt19937 random(20261207);
  std::uniform_int_distribution<SerialDay> day(kalvenor::kHolidayDataFrom,
                                               kalvenor::kHolidayDataThrough - 20'000);
  std::vector<SerialDay> days(kLines);
  for (SerialDay& d : days) d = day(random);
  std::size_t i = 0;
  while (state.KeepRunning()) {
    benchmark::DoNotOptimize(business.After(days[i++ % kLines], count));
  }
}
BENCHMARK(BM_AddBusinessDays)->Arg(1)->Arg(10'000);

}  // namespace
