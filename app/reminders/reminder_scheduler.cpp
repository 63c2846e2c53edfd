#include "reminders/reminder_scheduler.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr Instant kMinute = 60;

}  // namespace

ReminderScheduler::ReminderScheduler(std::vector<Reminder>& reminders, Services services)
    : m_reminders(reminders), m_services(std::move(services)) {}

void ReminderScheduler::Start() {
    m_startedAt = m_services.now();
    m_walked = false;
    m_handledAhead.clear();
    if (std::optional<SchedulerState> saved = m_services.store.Load()) {
        m_mark = saved->lookedUpTo;
        m_handledAhead = std::move(saved->handledAhead);
    } else {
        // A first start, or files of an older version: nothing before this minute is told.
        m_mark = MinuteStart(m_startedAt) - 1;
    }
    m_state = ScheduleState::Checking;
    m_services.timers.StartTimer(ScheduleTimer, kSchedulePeriodMs);
}

bool ReminderScheduler::OnTimer(int id) {
    switch (id) {
        case ScheduleTimer:
            Walk();
            return true;
        case ScheduleResumeTimer:
            OnResumeTick();
            return true;
        default:
            return false;
    }
}

void ReminderScheduler::WalkNow() {
    if (m_state != ScheduleState::Stopped) {
        Walk();
    }
}

void ReminderScheduler::SaveState() {
    if (m_state == ScheduleState::Stopped) {
        return;
    }
    m_services.store.Save({m_mark, m_handledAhead});
}

void ReminderScheduler::MoveMarkBack(Instant now) {
    for (const Reminder& reminder : m_reminders) {
        std::optional<Instant> handled = LatestOccurrence(ParseReminderTime(reminder.timeText), now,
                                                          m_mark, m_services.timeline);
        if (handled) {
            Instant& kept = m_handledAhead[reminder.timeText];
            kept = std::max(kept, *handled);
        }
    }
    m_mark = now;
}

void ReminderScheduler::Walk() {
    // A firer that runs a message loop could deliver the next tick inside this walk; that tick
    // would fire the same reminders again.
    if (m_walking) {
        return;
    }
    m_walking = true;
    const Instant now = m_services.now();
    if (now < m_mark) {
        MoveMarkBack(now);
    }
    const Instant thisMinute = MinuteStart(now);
    std::vector<MissedReminder> missed;
    std::set<std::string> known;
    // The list is read anew on every pass: its size, and each element by index.
    for (std::size_t i = 0; i < m_reminders.size(); ++i) {
        const std::string timeText = m_reminders[i].timeText;
        known.insert(timeText);
        Instant after = m_mark;
        if (m_walked && m_known.count(timeText) == 0) {
            after =
                std::min(after, thisMinute - 1);  // added since the last walk, during its minute
        }
        if (auto ahead = m_handledAhead.find(timeText); ahead != m_handledAhead.end()) {
            after = std::max(after, ahead->second);
        }
        const ReminderTime time = ParseReminderTime(timeText);
        const std::optional<Instant> moment =
            LatestOccurrence(time, after, now, m_services.timeline);
        if (!moment) {
            continue;
        }
        if (!IsEveryDay(time)) {
            m_reminders[i].colour = ColourReminded;
        }
        // Too late to act on, or gone by before the program started: told, its event not run.
        if (now - *moment > kLatestFireSeconds || *moment + kMinute <= m_startedAt) {
            missed.push_back({timeText, m_reminders[i].message, m_reminders[i].event, *moment});
            continue;
        }
        std::string message = m_reminders[i].message;
        std::string event = m_reminders[i].event;
        m_services.firer.FireReminder(std::move(message), std::move(event));
        Pause();  // every fire starts the minute's pause afresh
    }
    m_mark = now;
    m_walked = true;
    m_known = std::move(known);
    std::erase_if(m_handledAhead, [&](const auto& entry) { return entry.second <= m_mark; });
    // At most once a minute; what a crash loses is at most the walks of one minute.
    const Instant minute = MinuteStart(now);
    if (!m_saved || minute != m_savedMinute) {
        m_saved = true;
        m_savedMinute = minute;
        SaveState();
    }
    if (!missed.empty()) {
        std::stable_sort(
            missed.begin(), missed.end(),
            [](const MissedReminder& a, const MissedReminder& b) { return a.moment < b.moment; });
        m_services.announcer.AnnounceMissed(std::move(missed));
    }
    m_walking = false;
}

void ReminderScheduler::Pause() {
    m_services.timers.StopTimer(ScheduleTimer);
    m_services.timers.StartTimer(ScheduleResumeTimer, kScheduleResumeMs);
    m_state = ScheduleState::Paused;
}

void ReminderScheduler::OnResumeTick() {
    m_services.timers.StopTimer(ScheduleResumeTimer);
    m_services.timers.StartTimer(ScheduleTimer, kSchedulePeriodMs);
    m_state = ScheduleState::Checking;
}
