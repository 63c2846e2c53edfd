// Loading generated reminder stores of 10,000 and 100,000 reminders, as the profile functions
// would have written them. Reports time per load and bytes per second; scripts/bench.sh runs it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <string>
#include <vector>

#include "reminders/reminder_loader.h"

namespace {

std::string GenerateStore(int count) {
    std::string text;
    char line[128];
    for (int i = 0; i < count; ++i) {
        if (i % 3 == 0) {
            std::snprintf(line, sizeof line, "[%02d:%02d]\r\n", i / 60 % 24, i % 60);
        } else {
            std::snprintf(line, sizeof line, "[%d-%02d-%02d %02d:%02d]\r\n", 2027 + i / 500000,
                          i / 40000 % 12 + 1, i / 1440 % 28 + 1, i / 60 % 24, i % 60);
        }
        text += line;
        std::snprintf(line, sizeof line, "MESSAGE=Reminder number %d: stand up and stretch\r\n", i);
        text += line;
        text += i % 2 ? "EVENT=\r\n" : "EVENT=Open the weekly report\r\n";
    }
    return text;
}

void BM_LoadReminders(benchmark::State& state) {
    const std::string store = GenerateStore(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::string in(store);
        std::vector<Reminder> list;
        ReadReminders(in, list);
        benchmark::DoNotOptimize(list.data());
        if (list.size() != static_cast<std::size_t>(state.range(0))) {
            state.SkipWithError("wrong count");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(store.size()));
    state.counters["store_MB"] = static_cast<double>(store.size()) / 1e6;
}

// A single line of growing length: the time per byte stays flat when reading is linear.
void BM_LoadLongLine(benchmark::State& state) {
    const std::string store =
        "MESSAGE=" + std::string(static_cast<std::size_t>(state.range(0)), 'x') +
        "\r\n[07:30]\r\nEVENT=\r\n";
    for (auto _ : state) {
        const std::string in(store);
        std::vector<Reminder> list;
        ReadReminders(in, list);
        benchmark::DoNotOptimize(list.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(store.size()));
}

}  // namespace

BENCHMARK(BM_LoadReminders)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLongLine)->Arg(1 << 16)->Arg(1 << 20)->Arg(1 << 24)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
