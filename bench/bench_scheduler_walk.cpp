// One walk of the scheduler over 100 reminders (a third every day), as the character makes every
// ten seconds: within a minute (the common case), across a minute's start, and after a week off.
// Reports time per walk; scripts/bench.sh runs it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../tests/unit/simulated_timeline.h"
#include "reminders/reminder_scheduler.h"

namespace {

struct QuietHost : ReminderFirer, MissedReminderAnnouncer, TimerHost, SchedulerStateStore {
    std::optional<SchedulerState> record;
    void FireReminder(std::string, std::string) override {}
    void AnnounceMissed(std::vector<MissedReminder>) override {}
    void StartTimer(int, unsigned) override {}
    void StopTimer(int) override {}
    std::optional<SchedulerState> Load() override { return record; }
    void Save(const SchedulerState& state) override { record = state; }
};

std::vector<Reminder> HundredReminders() {
    std::vector<Reminder> reminders;
    char text[32];
    for (int i = 0; i < 100; ++i) {
        if (i % 3 == 0) {
            std::snprintf(text, sizeof text, "%02d:%02d", i % 24, i % 60);
        } else {
            std::snprintf(text, sizeof text, "2027-%02d-%02d %02d:%02d", i % 12 + 1, i % 28 + 1,
                          i % 24, (i * 7) % 60);
        }
        reminders.push_back({text, "Reminder " + std::to_string(i), ""});
    }
    return reminders;
}

// Each walk starts `since` seconds after the last one, at second `second` of a minute.
void Walk(benchmark::State& state, Instant since, Instant second) {
    std::vector<Reminder> reminders = HundredReminders();
    SimulatedTimeline zone;
    QuietHost host;
    Instant now = zone.At(2027, 1, 15, 12, 0, 0) + second;
    ReminderScheduler scheduler(reminders, {host, host, host, zone, host, [&] { return now; }});
    for (auto _ : state) {
        state.PauseTiming();
        host.record = SchedulerState{now - since, {}};
        scheduler.Start();
        state.ResumeTiming();
        scheduler.WalkNow();
    }
}

void BM_WalkWithinAMinute(benchmark::State& state) {
    Walk(state, 10, 30);
}
void BM_WalkAcrossAMinuteStart(benchmark::State& state) {
    Walk(state, 10, 5);
}
void BM_WalkAfterAWeekOff(benchmark::State& state) {
    Walk(state, 7 * 86400, 5);
}

BENCHMARK(BM_WalkWithinAMinute);
BENCHMARK(BM_WalkAcrossAMinuteStart);
BENCHMARK(BM_WalkAfterAWeekOff);

}  // namespace

BENCHMARK_MAIN();
