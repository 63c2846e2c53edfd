#include "reminders/reminder_scheduler.h"

#include <string>
#include <utility>

ReminderScheduler::ReminderScheduler(std::vector<Reminder>& reminders, ReminderFirer& firer,
                                     TimerHost& timers, Clock clock)
    : m_reminders(reminders), m_firer(firer), m_timers(timers), m_clock(std::move(clock)) {}

void ReminderScheduler::Start() {
    m_state = ScheduleState::Checking;
    m_timers.StartTimer(ScheduleTimer, kSchedulePeriodMs);
}

bool ReminderScheduler::OnTimer(int id) {
    switch (id) {
        case ScheduleTimer:
            OnCheckTick();
            return true;
        case ScheduleResumeTimer:
            OnResumeTick();
            return true;
        default:
            return false;
    }
}

bool ReminderScheduler::IsDue(const ReminderTime& t) const {
    const LocalMinute now = m_clock();
    if (t.everyDay) {
        return CompareReminderMinute(0, 0, 0, t.hour, t.minute, now) == TimeSame;
    }
    return CompareReminderMinute(t.year, t.month, t.day, t.hour, t.minute, now) == TimeSame;
}

void ReminderScheduler::OnCheckTick() {
    // A firer that runs a message loop could deliver the next tick inside this walk; that tick
    // would fire the same reminders again.
    if (m_walking) {
        return;
    }
    m_walking = true;
    // The list is read anew on every pass: its size, and each element by index.
    for (std::size_t i = 0; i < m_reminders.size(); ++i) {
        const ReminderTime time = ParseReminderTime(m_reminders[i].timeText);
        if (!IsDue(time)) {
            continue;
        }
        if (!time.everyDay) {
            m_reminders[i].colour = ColourReminded;
        }
        std::string message = m_reminders[i].message;
        std::string event = m_reminders[i].event;
        m_firer.FireReminder(std::move(message), std::move(event));
        // Every fire starts the minute's pause afresh.
        m_timers.StopTimer(ScheduleTimer);
        m_timers.StartTimer(ScheduleResumeTimer, kScheduleResumeMs);
        m_state = ScheduleState::Paused;
    }
    m_walking = false;
}

void ReminderScheduler::OnResumeTick() {
    m_timers.StopTimer(ScheduleResumeTimer);
    m_timers.StartTimer(ScheduleTimer, kSchedulePeriodMs);
    m_state = ScheduleState::Checking;
}
