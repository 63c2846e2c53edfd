// Feeds arbitrary bytes to the scheduler's record reader, and walks a scheduler started from what
// it read over reminders named by the rest of the input. What is checked: no crash, a record
// reads back as written, and no occurrence is fired or told twice.
//   input: the record's text, a line "--", then one reminder time text per line
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "../unit/simulated_timeline.h"
#include "reminders/reminder_scheduler.h"
#include "ui/text_file.h"

namespace {

struct Host : ReminderFirer, MissedReminderAnnouncer, TimerHost, SchedulerStateStore {
    std::optional<SchedulerState> record;
    std::vector<std::string> handled;  // in the order fired or told

    void FireReminder(std::string message, std::string) override { handled.push_back(message); }
    void AnnounceMissed(std::vector<MissedReminder> missed) override {
        for (const MissedReminder& m : missed) {
            handled.push_back(m.message);
        }
    }
    void StartTimer(int, unsigned) override {}
    void StopTimer(int) override {}
    std::optional<SchedulerState> Load() override { return record; }
    void Save(const SchedulerState& state) override { record = state; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find("\n--");
    const std::string recordText = input.substr(0, split);

    Host host;
    host.record = ParseSchedulerState(recordText);
    if (host.record && ParseSchedulerState(EncodeSchedulerState(*host.record)) != host.record) {
        std::abort();
    }

    std::vector<Reminder> reminders;
    if (split != std::string::npos) {
        std::set<std::string> seen;
        ForEachLine(std::string_view(input).substr(split + 3), [&](std::string_view line) {
            // One reminder per time text, as the settings window keeps them; its message names it.
            if (seen.insert(std::string(line)).second) {
                reminders.push_back({std::string(line), std::string(line), ""});
            }
        });
    }
    SimulatedTimeline zone;
    Instant now = SimulatedTimeline::kSpring - 3600;
    ReminderScheduler scheduler(reminders, {host, host, host, zone, host, [&] { return now; }});
    scheduler.Start();
    // Walks across the spring change and a day, the clock set back, and on again.
    for (Instant step : {Instant{10}, Instant{3600}, Instant{7200}, Instant{86400}, Instant{-90000},
                         Instant{60}, Instant{86400}}) {
        now += step;
        const std::size_t before = host.handled.size();
        scheduler.WalkNow();
        std::set<std::string> once(host.handled.begin() + static_cast<long>(before),
                                   host.handled.end());
        if (once.size() != host.handled.size() - before) {
            std::abort();  // one walk handled a reminder twice
        }
    }
    scheduler.SaveState();
    return 0;
}
