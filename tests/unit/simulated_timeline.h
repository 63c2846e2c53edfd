// A time zone for tests, shaped like central Europe in 2027: UTC+1, and UTC+2 from the spring
// change (28 March, 02:00 local jumps to 03:00) to the autumn one (31 October, 03:00 local goes
// back to 02:00). What it answers for a local time the clock skips is a setting, since platforms
// differ: the instant an hour before the jump's end, or the one after.
#pragma once

#include <optional>

#include "reminders/reminder_timeline.h"

class SimulatedTimeline final : public LocalTimeline {
public:
    enum class SkippedAnswer { Earlier, Later };

    static constexpr Instant kSpring = 1806195600;  // 2027-03-28 01:00 UTC
    static constexpr Instant kAutumn = 1824944400;  // 2027-10-31 01:00 UTC

    explicit SimulatedTimeline(SkippedAnswer skipped = SkippedAnswer::Earlier)
        : m_skipped(skipped) {}

    static Instant OffsetAt(Instant t) { return t >= kSpring && t < kAutumn ? 7200 : 3600; }

    std::optional<LocalDateTime> ToLocal(Instant t) const override {
        const Instant local = t + OffsetAt(t);
        Instant days = local / 86400;
        Instant seconds = local % 86400;
        if (seconds < 0) {
            seconds += 86400;
            --days;
        }
        LocalDateTime result = CivilFromDays(days);
        result.hour = static_cast<int>(seconds / 3600);
        result.minute = static_cast<int>(seconds % 3600 / 60);
        result.second = static_cast<int>(seconds % 60);
        return result;
    }

    std::optional<Instant> ToInstant(const LocalDateTime& local) const override {
        const Instant wall = DaysFromCivil(local.year, local.month, local.day) * 86400 +
                             local.hour * 3600 + local.minute * 60 + local.second;
        const Instant summer = wall - 7200;
        const Instant winter = wall - 3600;
        const bool summerShows = ToLocal(summer) == local;
        const bool winterShows = ToLocal(winter) == local;
        if (summerShows) {
            return summer;  // the first of a time the autumn shows twice
        }
        if (winterShows) {
            return winter;
        }
        return m_skipped == SkippedAnswer::Earlier ? summer : winter;
    }

    // The instant of a local time that the clock shows exactly once.
    Instant At(int year, int month, int day, int hour, int minute, int second = 0) const {
        return *ToInstant({year, month, day, hour, minute, second});
    }

private:
    SkippedAnswer m_skipped;
};
