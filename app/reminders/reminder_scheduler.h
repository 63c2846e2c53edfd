// Decides when reminders fire. Every ten seconds the reminder list is walked and each reminder
// due in the current minute is handed to the firer, in list order; after a fire the checks pause
// for a minute, so that a reminder, which is due for the whole of its minute, fires once. Plain
// logic over a timer host and a clock, tested natively; the character window owns the timers.
#pragma once

#include <functional>
#include <vector>

#include "reminders/reminder.h"
#include "reminders/reminder_firer.h"
#include "resources/resource.h"
#include "ui/timer_host.h"

inline constexpr int ScheduleTimer = ID_TIMER_SCHEDULE;
inline constexpr int ScheduleResumeTimer = ID_TIMER_SCHEDULE_RESUME;
inline constexpr unsigned kSchedulePeriodMs = 10000;
inline constexpr unsigned kScheduleResumeMs = 60000;

enum class ScheduleState { Stopped, Checking, Paused };

class ReminderScheduler {
public:
    // The local minute, read anew for every reminder that is tested.
    using Clock = std::function<LocalMinute()>;

    ReminderScheduler(std::vector<Reminder>& reminders, ReminderFirer& firer, TimerHost& timers,
                      Clock clock);

    // Starts checking: ScheduleTimer every 10 s.
    void Start();
    // A tick of either timer; false for any other id.
    bool OnTimer(int id);

    ScheduleState State() const { return m_state; }

private:
    void OnCheckTick();
    void OnResumeTick();
    bool IsDue(const ReminderTime& time) const;

    std::vector<Reminder>& m_reminders;
    ReminderFirer& m_firer;
    TimerHost& m_timers;
    Clock m_clock;
    ScheduleState m_state = ScheduleState::Stopped;
    bool m_walking = false;
};
