// Decides when reminders fire. Every ten seconds it walks the reminder list on the real timeline:
// each reminder with a moment after the last walk and up to now is handed to the firer, in list
// order, when it is found at most two minutes late, and told as missed when later (after sleep, a
// clock moved on, or while the program was not running), without its event. After a fire the
// walks pause for a minute; what falls inside the pause is found by the next walk. The moment
// walked up to is kept between runs, so nothing is lost and nothing fires twice. Plain logic over
// a timer host, a clock, a time zone and a state store, tested natively; the character window
// owns the timers.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "reminders/missed_reminder.h"
#include "reminders/reminder.h"
#include "reminders/reminder_firer.h"
#include "reminders/reminder_timeline.h"
#include "reminders/scheduler_state.h"
#include "resources/resource.h"
#include "ui/timer_host.h"

inline constexpr int ScheduleTimer = ID_TIMER_SCHEDULE;
inline constexpr int ScheduleResumeTimer = ID_TIMER_SCHEDULE_RESUME;
inline constexpr unsigned kSchedulePeriodMs = 10000;
inline constexpr unsigned kScheduleResumeMs = 60000;
// Found later than this after its moment, a reminder is missed rather than fired.
inline constexpr Instant kLatestFireSeconds = 120;

enum class ScheduleState { Stopped, Checking, Paused };

class ReminderScheduler {
public:
    using Clock = std::function<Instant()>;

    // What the scheduler reaches; everything must outlive it.
    struct Services {
        ReminderFirer& firer;
        MissedReminderAnnouncer& announcer;
        TimerHost& timers;
        const LocalTimeline& timeline;
        SchedulerStateStore& store;
        Clock now;
    };

    ReminderScheduler(std::vector<Reminder>& reminders, Services services);

    // Reads where the last run stopped walking (with no record, from this minute on), and starts
    // ScheduleTimer every 10 s.
    void Start();
    // A tick of either timer; false for any other id.
    bool OnTimer(int id);
    // Walks at once: after a resume from sleep or a change of the clock.
    void WalkNow();
    // Keeps the moment walked up to; at exit.
    void SaveState();

    ScheduleState State() const { return m_state; }

private:
    void Walk();
    void OnResumeTick();
    // The clock went back before the last walk: takes the new time as true, remembering what was
    // already handled ahead of it.
    void MoveMarkBack(Instant now);
    void Pause();

    std::vector<Reminder>& m_reminders;
    Services m_services;
    ScheduleState m_state = ScheduleState::Stopped;
    bool m_walking = false;
    bool m_walked = false;    // at least one walk since Start
    Instant m_startedAt = 0;  // a moment whose minute was over by then was missed while not running
    Instant m_mark = 0;       // every moment up to here has been handled
    std::map<std::string, Instant> m_handledAhead;
    std::set<std::string>
        m_known;  // the time texts of the last walk: a new one may fire its minute
    Instant m_savedMinute = 0;
    bool m_saved = false;
};
