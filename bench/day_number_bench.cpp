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
  std::vector<ymd::DateParts> dates;
  std::vector<ymd::SerialDay> serials;
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

void EngineDateToSerial(benchmark::State& state) {
  const Inputs& inputs = TheInputs();
  for (auto _ : state) {
    for (ymd::DateParts date : inputs.dates) {
      ymd::SerialDay serial = 0;
      ymd::SerialDateConvert(serial, date);
      benchmark::DoNotOptimize(serial);
    }
  }
  state.SetItemsProcessed(state.iterations() * inputs.dates.size());
}

void ChronoDateToDays(benchmark::State& state) {
  const Inputs& inputs = TheInputs();
  for (auto _ : state) {
    for (const chrono::year_month_day& civil : inputs.civil) {
      chrono::sys_days day{civil};
      benchmark::DoNotOptimize(day);
    }
  }
  state.SetItemsProcessed(state.iterations() * inputs.civil.size());
}

void EngineSerialToDate(benchmark::State& state) {
  const Inputs& inputs = TheInputs();
  for (auto _ : state) {
    for (ymd::SerialDay serial : inputs.serials) {
      ymd::DateParts date;
      ymd::SerialDateConvert(serial, date);
      benchmark::DoNotOptimize(date);
    }
  }
  state.SetItemsProcessed(state.iterations() * inputs.serials.size());
}

void ChronoDaysToDate(benchmark::State& state) {
  const Inputs& inputs = TheInputs();
  for (auto _ : state) {
    for (chrono::sys_days day : inputs.days) {
      chrono::year_month_day civil{day};
      benchmark::DoNotOptimize(civil);
    }
  }
  state.SetItemsProcessed(state.iterations() * inputs.days.size());
}

BENCHMARK(EngineDateToSerial);
BENCHMARK(ChronoDateToDays);
BENCHMARK(EngineSerialToDate);
BENCHMARK(ChronoDaysToDate);

}  // namespace
