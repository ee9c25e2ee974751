// Date to day number and back: the engine against std::chrono on the same
// fixed random dates 0001..9999.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

#include "calendar/gregorian.h"

namespace {

namespace chrono = std::chrono;

struct Inputs {
  std::vector<kalvenor::DateParts> dates;
  std::vector<kalvenor::SerialDay> serials;
  std::vector<chrono::year_month_day> civil;
  std::vector<chrono::sys_days> days;
};

// The same dates in both representations, drawn once with a fixed seed.
const Inputs& TheInputs() {
  static const Inputs inputs = [] {
    Inputs made;
    const chrono::sys_days first = chrono::year{1} / 1 / 1;
    const chrono::sys_days last = chrono::year{9999} / 12 / 31;
    std::mt19937 random(20000101);
    std::uniform_int_distribution<int> offset(0, (last - first).count());
    for (int i = 0; i < 4096; ++i) {
      const chrono::sys_days day = first + chrono::days{offset(random)};
      const chrono::year_month_day civil{day};
      made.days.push_back(day);
      made.civil.push_back(civil);
      made.serials.push_back((day - first).count() + 1);  // 0001-01-01 is 1
      made.dates.push_back({static_cast<std::int16_t>(int{civil.year()}),
                            static_cast<std::int16_t>(unsigned{civil.month()}),
                            static_cast<std::int16_t>(unsigned{civil.day()})});
    }
    return made;
  }();
  return inputs;
}

// Times convert over the whole set; each conversion counts as one item.
template <typename Input, typename Convert>
void TimeConversions(benchmark::State& state, const std::vector<Input>& inputs, Convert convert) {
  for (auto _ : state) {
    for (const Input& input : inputs) {
      auto output = convert(input);
      benchmark::DoNotOptimize(output);
    }
  }
  state.SetItemsProcessed(state.iterations() * inputs.size());
}

void EngineDateToSerial(benchmark::State& state) {
  TimeConversions(state, TheInputs().dates, [](kalvenor::DateParts date) {
    kalvenor::SerialDay serial = 0;
    kalvenor::SerialDateConvert(serial, date);
    return serial;
  });
}

void ChronoDateToDays(benchmark::State& state) {
  TimeConversions(state, TheInputs().civil,
                  [](chrono::year_month_day civil) { return chrono::sys_days{civil}; });
}

void EngineSerialToDate(benchmark::State& state) {
  TimeConversions(state, TheInputs().serials, [](kalvenor::SerialDay serial) {
    kalvenor::DateParts date;
    kalvenor::SerialDateConvert(serial, date);
    return date;
  });
}

void ChronoDaysToDate(benchmark::State& state) {
  TimeConversions(state, TheInputs().days,
                  [](chrono::sys_days day) { return chrono::year_month_day{day}; });
}

BENCHMARK(EngineDateToSerial);
BENCHMARK(ChronoDateToDays);
BENCHMARK(EngineSerialToDate);
BENCHMARK(ChronoDaysToDate);

}  // namespace
