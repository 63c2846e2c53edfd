// The scheduler against a simulated clock: window timers that tick at their periods, a local
// time that advances with them, and a firer that notes what it was handed and when.
#include "reminders/reminder_scheduler.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// Seconds from midnight of 2026-12-01; a day further every 86400.
using Seconds = long long;

Seconds At(int day, int hour, int minute, int second) {
    return (day - 1) * 86400LL + hour * 3600LL + minute * 60LL + second;
}

LocalMinute MinuteOf(Seconds t) {
    return {2026, 12, static_cast<int>(t / 86400) + 1, static_cast<int>(t % 86400 / 3600),
            static_cast<int>(t % 3600 / 60)};
}

std::string Clock(Seconds t) {
    char text[32];
    std::snprintf(text, sizeof text, "%d %02lld:%02lld:%02lld", static_cast<int>(t / 86400) + 1,
                  t % 86400 / 3600, t % 3600 / 60, t % 60);
    return text;
}

// Window timers on the simulated clock: periodic until stopped; a restart counts from now.
class SimulatedTimers : public TimerHost {
public:
    Seconds now = 0;
    std::map<int, Seconds> due;     // running timers: id -> next tick
    std::map<int, Seconds> period;  // id -> period
    std::vector<Seconds> checks;    // when ScheduleTimer ticked

    void StartTimer(int id, unsigned periodMs) override {
        period[id] = periodMs / 1000;
        due[id] = now + period[id];
    }
    void StopTimer(int id) override { due.erase(id); }

    // Delivers every tick up to `end`, in time order.
    template <typename Deliver>
    void RunUntil(Seconds end, Deliver deliver) {
        while (!due.empty()) {
            auto next = due.begin();
            for (auto it = due.begin(); it != due.end(); ++it) {
                if (it->second < next->second) {
                    next = it;
                }
            }
            if (next->second > end) {
                break;
            }
            now = next->second;
            int id = next->first;
            next->second += period[id];
            if (id == ScheduleTimer) {
                checks.push_back(now);
            }
            deliver(id);
            ASSERT_EQ(due.size(), 1u) << "exactly one of the two timers runs, at " << Clock(now);
        }
        now = end;
    }
};

struct Fire {
    std::string when;
    std::string message;
    std::string event;
    bool operator==(const Fire&) const = default;
};

void PrintTo(const Fire& f, std::ostream* os) {
    *os << "{" << f.when << ", \"" << f.message << "\", \"" << f.event << "\"}";
}

class SchedulerTest : public testing::Test, public ReminderFirer {
protected:
    void FireReminder(std::string message, std::string event) override {
        fires.push_back({Clock(timers.now), message, event});
        if (onFire) {
            onFire();
        }
    }

    void StartAt(Seconds t) {
        timers.now = t;
        scheduler.Start();
    }
    void RunUntil(Seconds end) {
        timers.RunUntil(end, [&](int id) { ASSERT_TRUE(scheduler.OnTimer(id)); });
    }
    bool CheckedBetween(Seconds from, Seconds to) const {
        for (Seconds c : timers.checks) {
            if (c > from && c < to) {
                return true;
            }
        }
        return false;
    }

    std::vector<Reminder> reminders;
    SimulatedTimers timers;
    std::vector<Fire> fires;
    std::function<void()> onFire;
    ReminderScheduler scheduler{reminders, *this, timers, [this] { return MinuteOf(timers.now); }};
};

TEST_F(SchedulerTest, RemindersOfOneMinuteFireInListOrderInOneTickAndOnlyOneTimeOnesTurnRed) {
    reminders = {{"08:00", "every day", "", ColourEveryDay},
                 {"2026-12-10 08:01", "not yet", "", ColourPending},
                 {"2026-12-10 08:00", "once", "Backup", ColourPending}};
    StartAt(At(10, 7, 59, 55));
    RunUntil(At(10, 8, 0, 5));
    EXPECT_EQ(fires, (std::vector<Fire>{{"10 08:00:05", "every day", ""},
                                        {"10 08:00:05", "once", "Backup"}}));
    EXPECT_EQ(reminders[0].colour, ColourEveryDay);
    EXPECT_EQ(reminders[1].colour, ColourPending);
    EXPECT_EQ(reminders[2].colour, ColourReminded);
    EXPECT_EQ(scheduler.State(), ScheduleState::Paused);
    EXPECT_EQ(timers.due.at(ScheduleResumeTimer), At(10, 8, 1, 5));
}

TEST_F(SchedulerTest, AfterAFireAt100005NothingIsCheckedBefore100115WhenA1001ReminderFires) {
    reminders = {{"2026-12-10 10:00", "first", ""}, {"2026-12-10 10:01", "second", ""}};
    StartAt(At(10, 9, 59, 55));
    RunUntil(At(10, 10, 5, 0));
    EXPECT_EQ(fires,
              (std::vector<Fire>{{"10 10:00:05", "first", ""}, {"10 10:01:15", "second", ""}}));
    EXPECT_FALSE(CheckedBetween(At(10, 10, 0, 5), At(10, 10, 1, 15)));
    EXPECT_EQ(scheduler.State(), ScheduleState::Checking) << "checking again after the pause";
}

TEST_F(SchedulerTest, AnEveryDayReminderFiresOnceADayAndAOneTimeOneOnce) {
    reminders = {{"08:00", "daily", "", ColourEveryDay}, {"2026-12-11 08:00", "once", ""}};
    StartAt(At(10, 0, 0, 3));
    RunUntil(At(13, 23, 59, 59));
    std::vector<std::string> daily;
    int once = 0;
    for (const Fire& f : fires) {
        if (f.message == "daily") {
            daily.push_back(f.when.substr(0, 8));
        }
        once += f.message == "once";
    }
    EXPECT_EQ(daily, (std::vector<std::string>{"10 08:00", "11 08:00", "12 08:00", "13 08:00"}));
    EXPECT_EQ(once, 1);
    // Restarted afterwards (the fired reminder is still in the list): it is past, never due.
    fires.clear();
    reminders.pop_back();
    reminders.push_back({"2026-12-11 08:00", "once", "", ColourReminded});
    StartAt(At(14, 7, 0, 0));
    RunUntil(At(16, 0, 0, 0));
    for (const Fire& f : fires) {
        EXPECT_NE(f.message, "once") << f.when;
    }
}

TEST_F(SchedulerTest, AMinutePassedWithoutACheckInsideItNeverFires) {
    // A fire at second 55 puts the first check after the pause into the minute after next.
    reminders = {{"10:00", "late fire", ""},
                 {"2026-12-10 10:01", "skipped", ""},
                 {"2026-12-10 10:02", "next", ""}};
    StartAt(At(10, 10, 0, 45));
    RunUntil(At(12, 0, 0, 0));
    ASSERT_GE(fires.size(), 2u);
    EXPECT_EQ(fires[0], (Fire{"10 10:00:55", "late fire", ""}));
    EXPECT_EQ(fires[1], (Fire{"10 10:02:05", "next", ""}));
    for (const Fire& f : fires) {
        EXPECT_NE(f.message, "skipped") << "there is no catching up";
    }
    EXPECT_EQ(reminders[1].colour, ColourPending) << "it stays as it was";
    // A program started after a reminder's minute never fires it either.
    fires.clear();
    reminders = {{"2026-12-12 09:00", "missed", ""}};
    StartAt(At(12, 9, 0, 59) + 1);
    RunUntil(At(13, 0, 0, 0));
    EXPECT_TRUE(fires.empty());
}

TEST_F(SchedulerTest, AnEmptyListOrNonsenseTimesFireNothingAndTheChecksGoOn) {
    StartAt(At(10, 8, 0, 0));
    RunUntil(At(10, 8, 5, 0));
    EXPECT_EQ(timers.checks.size(), 30u);
    reminders = {{"", "", ""}, {"ab:cd", "x", ""}, {"garbage text here", "y", ""}};
    RunUntil(At(10, 23, 59, 0));
    // "" and "ab:cd" read as every day at 00:00, which this day never reaches again.
    EXPECT_TRUE(fires.empty());
    EXPECT_EQ(scheduler.State(), ScheduleState::Checking);
}

TEST_F(SchedulerTest, ATickDeliveredInsideTheFireDoesNotFireTheSameReminderAgain) {
    reminders = {{"2026-12-10 08:00", "once", ""}};
    onFire = [&] { scheduler.OnTimer(ScheduleTimer); };  // as a nested message loop would
    StartAt(At(10, 7, 59, 55));
    RunUntil(At(10, 8, 3, 0));
    EXPECT_EQ(fires.size(), 1u);
}

TEST_F(SchedulerTest, OtherTimersAreNotTheSchedulers) {
    EXPECT_FALSE(scheduler.OnTimer(ID_TIMER_CLOCK));
    EXPECT_EQ(scheduler.State(), ScheduleState::Stopped);
}

}  // namespace
