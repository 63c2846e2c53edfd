// The hook procedure's own work per mouse event: appending one record to the capture list,
// storage growth included. Reports nanoseconds per event for recordings of growing length; a
// flat figure shows the amortised constant time. scripts/bench.sh runs it.
#include <benchmark/benchmark.h>

#include "capture/capture_list.h"

namespace {

void BM_HookAppend(benchmark::State& state) {
    const auto events = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CaptureList list;
        for (int i = 0; i < events; ++i) {
            // Mostly moves, a click now and then, and a wheel turn that is passed over.
            unsigned message = i % 50 == 0   ? kMessageLeftButtonDown
                               : i % 50 == 1 ? kMessageLeftButtonUp
                               : i % 97 == 0 ? 0x020A
                                             : kMessageMouseMove;
            list.Append(message, i & 1023, i >> 10, static_cast<std::uint32_t>(i) * 8u);
        }
        benchmark::DoNotOptimize(list.Records().data());
    }
    state.SetItemsProcessed(state.iterations() * events);
    state.counters["ns_per_event"] =
        benchmark::Counter(static_cast<double>(state.iterations() * events),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Writing the list at the end of a recording: laying the file out in memory.
void BM_FileBytes(benchmark::State& state) {
    CaptureList list;
    for (int i = 0; i < state.range(0); ++i) {
        list.Append(kMessageMouseMove, i, i, static_cast<std::uint32_t>(i));
    }
    for (auto _ : state) {
        std::string bytes = list.FileBytes();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * (4 + 44 * state.range(0)));
}

}  // namespace

BENCHMARK(BM_HookAppend)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FileBytes)->Arg(100000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
