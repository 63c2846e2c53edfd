// The scheduler against a simulated clock: window timers that tick at their periods, a time zone
// with daylight saving changes, a store for what it keeps between runs, and a firer and an
// announcer that note what they were handed and when. A sleep stops the timers and moves the
// clock on; a clock set by hand moves it without the timers knowing.
#include "reminders/reminder_scheduler.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "simulated_timeline.h"

namespace {

// Window timers on the simulated clock: periodic until stopped; a restart counts from now.
class SimulatedTimers : public TimerHost {
public:
    Instant now = 0;
    std::map<int, Instant> due;     // running timers: id -> next tick
    std::map<int, Instant> period;  // id -> period
    std::vector<Instant> checks;    // when ScheduleTimer ticked

    void StartTimer(int id, unsigned periodMs) override {
        period[id] = periodMs / 1000;
        due[id] = now + period[id];
    }
    void StopTimer(int id) override { due.erase(id); }

    // Delivers every tick up to `end`, in time order.
    template <typename Deliver>
    void RunUntil(Instant end, Deliver deliver) {
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
            ASSERT_EQ(due.size(), 1u) << "exactly one of the two timers runs";
        }
        now = end;
    }

    // The PC sleeps: no tick until it wakes, then the timers go on from there.
    void Sleep(Instant wake) {
        for (auto& [id, next] : due) {
            next = wake + (next > now ? next - now : 0);
        }
        now = wake;
    }
};

class MemoryStore : public SchedulerStateStore {
public:
    std::optional<SchedulerState> saved;
    std::vector<Instant> saveTimes;
    const Instant* clock = nullptr;

    std::optional<SchedulerState> Load() override { return saved; }
    void Save(const SchedulerState& state) override {
        saved = state;
        saveTimes.push_back(*clock);
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

struct Told {
    std::string when;
    std::vector<std::string> entries;  // time text, message, event and the local moment
    bool operator==(const Told&) const = default;
};

void PrintTo(const Told& t, std::ostream* os) {
    *os << "{" << t.when << ":";
    for (const std::string& e : t.entries) {
        *os << " [" << e << "]";
    }
    *os << "}";
}

class SchedulerTest : public testing::Test, public ReminderFirer, public MissedReminderAnnouncer {
protected:
    SchedulerTest() { store.clock = &timers.now; }

    void FireReminder(std::string message, std::string event) override {
        fires.push_back({Clock(timers.now), message, event});
        if (onFire) {
            onFire();
        }
    }
    void AnnounceMissed(std::vector<MissedReminder> missed) override {
        Told told{Clock(timers.now), {}};
        for (const MissedReminder& m : missed) {
            told.entries.push_back(m.timeText + "|" + m.message + "|" + m.event + "|" +
                                   Clock(m.moment));
        }
        announced.push_back(told);
    }

    // "2027-01-15 08:00:05", local.
    std::string Clock(Instant t) const {
        LocalDateTime l = *zone.ToLocal(t);
        char text[32];
        std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%02d", l.year, l.month, l.day,
                      l.hour, l.minute, l.second);
        return text;
    }
    Instant At(int month, int day, int hour, int minute, int second = 0) const {
        return zone.At(2027, month, day, hour, minute, second);
    }

    // A program start: a fresh scheduler over the same list and store.
    void StartAt(Instant t) {
        timers.due.clear();
        timers.now = t;
        scheduler = std::make_unique<ReminderScheduler>(
            reminders, ReminderScheduler::Services{*this, *this, timers, zone, store,
                                                   [this] { return timers.now; }});
        scheduler->Start();
    }
    // The program's exit.
    void Exit() {
        scheduler->SaveState();
        scheduler.reset();
        timers.due.clear();
    }
    void RunUntil(Instant end) {
        timers.RunUntil(end, [&](int id) { ASSERT_TRUE(scheduler->OnTimer(id)); });
    }
    // A resume from sleep or a clock change, as the window hears of it.
    void WakeAt(Instant t) {
        timers.Sleep(t);
        scheduler->WalkNow();
    }
    bool CheckedBetween(Instant from, Instant to) const {
        for (Instant c : timers.checks) {
            if (c > from && c < to) {
                return true;
            }
        }
        return false;
    }
    std::vector<std::string> FireTimes() const {
        std::vector<std::string> times;
        for (const Fire& f : fires) {
            times.push_back(f.when);
        }
        return times;
    }

    SimulatedTimeline zone;
    std::vector<Reminder> reminders;
    SimulatedTimers timers;
    MemoryStore store;
    std::vector<Fire> fires;
    std::vector<Told> announced;
    std::function<void()> onFire;
    std::unique_ptr<ReminderScheduler> scheduler;
};

TEST_F(SchedulerTest, RemindersOfOneMinuteFireInListOrderInOneTickAndOnlyOneTimeOnesTurnRed) {
    reminders = {{"08:00", "every day", "", ColourEveryDay},
                 {"2027-01-10 08:01", "not yet", "", ColourPending},
                 {"2027-01-10 08:00", "once", "Backup", ColourPending}};
    StartAt(At(1, 10, 7, 59, 55));
    RunUntil(At(1, 10, 8, 0, 5));
    EXPECT_EQ(fires, (std::vector<Fire>{{"2027-01-10 08:00:05", "every day", ""},
                                        {"2027-01-10 08:00:05", "once", "Backup"}}));
    EXPECT_EQ(reminders[0].colour, ColourEveryDay);
    EXPECT_EQ(reminders[1].colour, ColourPending);
    EXPECT_EQ(reminders[2].colour, ColourReminded);
    EXPECT_EQ(scheduler->State(), ScheduleState::Paused);
    EXPECT_EQ(timers.due.at(ScheduleResumeTimer), At(1, 10, 8, 1, 5));
    EXPECT_TRUE(announced.empty());
}

TEST_F(SchedulerTest, AfterAFireAt100005NothingIsCheckedBefore100115WhenA1001ReminderFires) {
    reminders = {{"2027-01-10 10:00", "first", ""}, {"2027-01-10 10:01", "second", ""}};
    StartAt(At(1, 10, 9, 59, 55));
    RunUntil(At(1, 10, 10, 5, 0));
    EXPECT_EQ(FireTimes(),
              (std::vector<std::string>{"2027-01-10 10:00:05", "2027-01-10 10:01:15"}));
    EXPECT_FALSE(CheckedBetween(At(1, 10, 10, 0, 5), At(1, 10, 10, 1, 15)));
    EXPECT_EQ(scheduler->State(), ScheduleState::Checking) << "checking again after the pause";
}

TEST_F(SchedulerTest, SevenRemindersInSevenConsecutiveMinutesAllFireAndNoneTwice) {
    // Each pause pushes the next walk 10 s later into its minute, until one walk finds two.
    for (int minute = 0; minute < 7; ++minute) {
        char text[32];
        std::snprintf(text, sizeof text, "2027-01-10 09:%02d", minute);
        reminders.push_back({text, "minute " + std::to_string(minute), ""});
    }
    StartAt(At(1, 10, 8, 59, 55));
    RunUntil(At(1, 10, 9, 30, 0));
    EXPECT_EQ(FireTimes(), (std::vector<std::string>{"2027-01-10 09:00:05", "2027-01-10 09:01:15",
                                                     "2027-01-10 09:02:25", "2027-01-10 09:03:35",
                                                     "2027-01-10 09:04:45", "2027-01-10 09:05:55",
                                                     "2027-01-10 09:07:05"}));
    EXPECT_EQ(fires.back().message, "minute 6");
    EXPECT_TRUE(announced.empty());
}

TEST_F(SchedulerTest, AReminderEveryMinuteForHalfAnHourFiresThirtyTimes) {
    for (int minute = 0; minute < 30; ++minute) {
        char text[32];
        std::snprintf(text, sizeof text, "10:%02d", minute);
        reminders.push_back({text, text, "", ColourEveryDay});
    }
    StartAt(At(1, 10, 9, 59, 30));
    RunUntil(At(1, 10, 10, 40, 0));
    ASSERT_EQ(fires.size(), 30u);
    for (int minute = 0; minute < 30; ++minute) {
        EXPECT_EQ(fires[minute].message, reminders[minute].timeText);
    }
    EXPECT_TRUE(announced.empty());
}

TEST_F(SchedulerTest, AFireLateInAMinuteNoLongerLosesTheNextMinute) {
    // An every-day reminder added during its own minute fires at the next walk, at second 55; the
    // walk after the pause falls in the minute after next and still finds 10:01.
    reminders = {{"2027-01-10 10:01", "next minute", ""}, {"2027-01-10 10:02", "after", ""}};
    StartAt(At(1, 10, 10, 0, 0));
    RunUntil(At(1, 10, 10, 0, 45));
    reminders.push_back({"10:00", "added now", "", ColourEveryDay});
    RunUntil(At(1, 10, 10, 5, 0));
    EXPECT_EQ(fires, (std::vector<Fire>{{"2027-01-10 10:00:50", "added now", ""},
                                        {"2027-01-10 10:02:00", "next minute", ""},
                                        {"2027-01-10 10:02:00", "after", ""}}));
    // Added again in the same minute after it fired, with the pause over: its minute is gone.
    fires.clear();
    reminders.push_back({"10:05", "added late", "", ColourEveryDay});
    RunUntil(At(1, 10, 10, 5, 30));
    reminders.push_back({"10:05", "a second copy", "", ColourEveryDay});
    RunUntil(At(1, 10, 10, 8, 0));
    EXPECT_EQ(FireTimes(), std::vector<std::string>{"2027-01-10 10:05:10"});
}

TEST_F(SchedulerTest, ASleepOverAReminderTellsItOnWakingAndRunsNoEvent) {
    reminders = {{"2027-01-10 09:00", "stand-up", "Open notes"},
                 {"09:05", "every day", "Backup", ColourEveryDay},
                 {"2027-01-10 09:12", "after the sleep", ""}};
    StartAt(At(1, 10, 8, 50, 0));
    RunUntil(At(1, 10, 8, 55, 0));
    WakeAt(At(1, 10, 9, 10, 0));
    EXPECT_TRUE(fires.empty());
    EXPECT_EQ(announced,
              (std::vector<Told>{{"2027-01-10 09:10:00",
                                  {"2027-01-10 09:00|stand-up|Open notes|2027-01-10 09:00:00",
                                   "09:05|every day|Backup|2027-01-10 09:05:00"}}}));
    EXPECT_EQ(reminders[0].colour, ColourReminded);
    EXPECT_EQ(reminders[1].colour, ColourEveryDay);
    EXPECT_EQ(reminders[2].colour, ColourPending);
    RunUntil(At(1, 10, 9, 20, 0));
    EXPECT_EQ(fires, (std::vector<Fire>{{"2027-01-10 09:12:00", "after the sleep", ""}}));
    EXPECT_EQ(announced.size(), 1u) << "told once";
}

TEST_F(SchedulerTest, FoundTwoMinutesLateItFiresOneSecondLaterItIsMissed) {
    struct Case {
        int wakeSecond;  // of 09:02
        bool fires;
    };
    for (Case c : {Case{0, true}, Case{1, false}}) {
        fires.clear();
        announced.clear();
        reminders = {{"2027-01-10 09:00", "due", "Backup"}};
        StartAt(At(1, 10, 8, 59, 0));
        RunUntil(At(1, 10, 8, 59, 50));
        WakeAt(At(1, 10, 9, 2, c.wakeSecond));
        EXPECT_EQ(fires.size(), c.fires ? 1u : 0u) << c.wakeSecond;
        EXPECT_EQ(announced.size(), c.fires ? 0u : 1u) << c.wakeSecond;
        Exit();
        store.saved.reset();
    }
}

TEST_F(SchedulerTest, AWeekOffTellsEachMissedReminderOnceOldestFirstWithTheLastMissedDay) {
    reminders = {{"08:00", "every day", "Backup", ColourEveryDay},
                 {"2027-01-12 10:00", "once", "Open notes"},
                 {"2027-01-30 10:00", "still ahead", ""}};
    StartAt(At(1, 10, 17, 0, 0));
    RunUntil(At(1, 10, 17, 5, 0));
    Exit();
    StartAt(At(1, 17, 12, 0, 0));
    RunUntil(At(1, 17, 12, 1, 0));
    EXPECT_TRUE(fires.empty());
    EXPECT_EQ(announced,
              (std::vector<Told>{{"2027-01-17 12:00:10",
                                  {"2027-01-12 10:00|once|Open notes|2027-01-12 10:00:00",
                                   "08:00|every day|Backup|2027-01-17 08:00:00"}}}));
    EXPECT_EQ(reminders[1].colour, ColourReminded);
    EXPECT_EQ(reminders[2].colour, ColourPending);
    // A third start tells nothing, and the every-day reminder fires the next morning.
    Exit();
    announced.clear();
    StartAt(At(1, 17, 12, 2, 0));
    RunUntil(At(1, 18, 9, 0, 0));
    EXPECT_TRUE(announced.empty());
    EXPECT_EQ(fires, (std::vector<Fire>{{"2027-01-18 08:00:00", "every day", "Backup"}}));
}

TEST_F(SchedulerTest, StartedInsideAReminderMinuteItFiresThatMinuteButTellsTheOnesBefore) {
    reminders = {{"2027-01-10 08:00", "gone by", ""}, {"2027-01-10 09:00", "this minute", ""}};
    StartAt(At(1, 10, 7, 0, 0));
    Exit();
    StartAt(At(1, 10, 9, 0, 40));
    RunUntil(At(1, 10, 9, 1, 0));
    EXPECT_EQ(fires, (std::vector<Fire>{{"2027-01-10 09:00:50", "this minute", ""}}));
    ASSERT_EQ(announced.size(), 1u);
    EXPECT_EQ(announced[0].entries,
              std::vector<std::string>{"2027-01-10 08:00|gone by||2027-01-10 08:00:00"});
}

TEST_F(SchedulerTest, ARestartInsideTheSameMinuteFiresNothingAgain) {
    reminders = {{"2027-01-10 09:00", "once", ""}, {"09:00", "every day", "", ColourEveryDay}};
    StartAt(At(1, 10, 8, 59, 55));
    RunUntil(At(1, 10, 9, 0, 20));
    ASSERT_EQ(fires.size(), 2u);
    Exit();
    StartAt(At(1, 10, 9, 0, 40));
    RunUntil(At(1, 10, 9, 3, 0));
    EXPECT_EQ(fires.size(), 2u);
    EXPECT_TRUE(announced.empty());
    // A crash keeps only the once-a-minute record: the walk that fired wrote it.
    Instant fired = At(1, 10, 9, 0, 5);
    EXPECT_NE(std::find(store.saveTimes.begin(), store.saveTimes.end(), fired),
              store.saveTimes.end());
}

TEST_F(SchedulerTest, WithNoRecordNothingIsToldAndTheRecordIsWrittenOnceAMinute) {
    reminders = {{"2027-01-10 08:00", "long ago", ""}, {"07:00", "this morning", ""}};
    StartAt(At(1, 10, 12, 0, 30));
    RunUntil(At(1, 10, 12, 10, 30));
    EXPECT_TRUE(fires.empty());
    EXPECT_TRUE(announced.empty());
    // One write in each of the eleven minutes 12:00 to 12:10, every ten seconds a walk.
    EXPECT_EQ(store.saveTimes.size(), 11u);
    EXPECT_EQ(timers.checks.size(), 60u);
    ASSERT_TRUE(store.saved);
    EXPECT_EQ(store.saved->lookedUpTo, At(1, 10, 12, 10, 0)) << "the first walk of 12:10";
}

TEST_F(SchedulerTest, SpringSkipsTheHourButItsRemindersFireOnceWhenTheClockJumpsPastThem) {
    for (auto answer :
         {SimulatedTimeline::SkippedAnswer::Earlier, SimulatedTimeline::SkippedAnswer::Later}) {
        zone = SimulatedTimeline(answer);
        fires.clear();
        store.saved.reset();
        reminders = {{"02:30", "every day", "", ColourEveryDay},
                     {"2027-03-28 02:15", "once, skipped", ""},
                     {"2027-03-28 03:10", "once, after", ""}};
        StartAt(At(3, 27, 23, 0, 0));
        RunUntil(At(3, 29, 4, 0, 0));
        EXPECT_EQ(fires, (std::vector<Fire>{{"2027-03-28 03:00:00", "every day", ""},
                                            {"2027-03-28 03:00:00", "once, skipped", ""},
                                            {"2027-03-28 03:10:00", "once, after", ""},
                                            {"2027-03-29 02:30:00", "every day", ""}}));
        EXPECT_TRUE(announced.empty());
        Exit();
    }
}

TEST_F(SchedulerTest, AutumnRepeatsTheHourButItsRemindersFireOnce) {
    reminders = {{"02:30", "every day", "", ColourEveryDay}, {"2027-10-31 02:45", "once", ""}};
    StartAt(At(10, 30, 23, 0, 0));
    RunUntil(At(10, 31, 5, 0, 0));
    EXPECT_EQ(fires, (std::vector<Fire>{{"2027-10-31 02:30:00", "every day", ""},
                                        {"2027-10-31 02:45:00", "once", ""}}));
    EXPECT_EQ(Clock(SimulatedTimeline::kAutumn + 1800), "2027-10-31 02:30:00")
        << "the hour did come round twice";
}

TEST_F(SchedulerTest, AClockSetBackADayTakesTheNewTimeAndFiresNoDateTwice) {
    reminders = {{"09:00", "nine", "", ColourEveryDay},
                 {"11:00", "eleven", "", ColourEveryDay},
                 {"2027-01-10 09:30", "once", ""}};
    StartAt(At(1, 9, 8, 0, 0));
    RunUntil(At(1, 10, 10, 0, 0));
    EXPECT_EQ(fires.size(), 4u) << "9th: nine, eleven; 10th: nine, once";
    fires.clear();
    WakeAt(At(1, 9, 10, 0, 0));  // the clock is set back a day by hand
    reminders.push_back({"2027-01-09 10:30", "added after", ""});
    RunUntil(At(1, 10, 12, 0, 0));
    Exit();
    // Restarted meanwhile, and run on through the next day.
    StartAt(At(1, 10, 12, 0, 0));
    RunUntil(At(1, 11, 12, 0, 0));
    EXPECT_EQ(fires, (std::vector<Fire>{{"2027-01-09 10:30:00", "added after", ""},
                                        {"2027-01-10 11:00:00", "eleven", ""},
                                        {"2027-01-11 09:00:00", "nine", ""},
                                        {"2027-01-11 11:00:00", "eleven", ""}}));
    EXPECT_TRUE(announced.empty());
}

TEST_F(SchedulerTest, AClockSetForwardByHandFiresWhatIsCloseAndTellsTheRest) {
    reminders = {{"2027-01-10 09:00", "an hour ago", ""}, {"2027-01-10 09:59", "a minute", ""}};
    StartAt(At(1, 10, 8, 50, 0));
    RunUntil(At(1, 10, 8, 55, 0));
    timers.now = At(1, 10, 10, 0, 0);  // the timers know nothing of it
    scheduler->WalkNow();
    EXPECT_EQ(fires, (std::vector<Fire>{{"2027-01-10 10:00:00", "a minute", ""}}));
    ASSERT_EQ(announced.size(), 1u);
    EXPECT_EQ(announced[0].entries.size(), 1u);
}

TEST_F(SchedulerTest, AnEmptyListOrNonsenseTimesFireNothingAndTheChecksGoOn) {
    StartAt(At(1, 10, 8, 0, 0));
    RunUntil(At(1, 10, 8, 5, 0));
    EXPECT_EQ(timers.checks.size(), 30u);
    reminders = {{"", "", ""},
                 {"ab:cd", "x", ""},
                 {"garbage text here", "y", ""},
                 {"2027-02-30 09:00", "no such day", ""},
                 {"99:99", "no such time", ""}};
    RunUntil(At(1, 12, 23, 59, 0));
    // "" and "ab:cd" read as every day at 00:00: they fire each midnight, and nothing else does.
    for (const Fire& f : fires) {
        EXPECT_EQ(f.when.substr(11, 5), "00:00") << f.message;
    }
    EXPECT_TRUE(announced.empty());
    EXPECT_EQ(scheduler->State(), ScheduleState::Checking);
}

TEST_F(SchedulerTest, ATickDeliveredInsideTheFireDoesNotFireTheSameReminderAgain) {
    reminders = {{"2027-01-10 08:00", "once", ""}};
    onFire = [&] { scheduler->OnTimer(ScheduleTimer); };  // as a nested message loop would
    StartAt(At(1, 10, 7, 59, 55));
    RunUntil(At(1, 10, 8, 3, 0));
    EXPECT_EQ(fires.size(), 1u);
}

TEST_F(SchedulerTest, OtherTimersAreNotTheSchedulers) {
    StartAt(At(1, 10, 8, 0, 0));
    EXPECT_FALSE(scheduler->OnTimer(ID_TIMER_CLOCK));
    EXPECT_EQ(scheduler->State(), ScheduleState::Checking);
}

}  // namespace
