// Reminders on the real timeline. A reminder names a local wall-clock minute; the scheduler works
// with instants (seconds since 1970-01-01 00:00 UTC), which run on through sleep, daylight saving
// changes and restarts. The conversion between the two is the platform's, injected here, so the
// rules below are plain C++ and testable with any time zone.
#pragma once

#include <cstdint>
#include <optional>

#include "reminders/reminder.h"

using Instant = std::int64_t;

struct LocalDateTime {
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;    // 1-31
    int hour = 0;
    int minute = 0;
    int second = 0;
    auto operator<=>(const LocalDateTime&) const = default;
};

// The local time zone, as the platform converts.
class LocalTimeline {
public:
    // The instant a local time names. For a time the clock skips, or one it shows twice, the
    // platform picks; null when it can't convert.
    virtual std::optional<Instant> ToInstant(const LocalDateTime& local) const = 0;
    // The local time at an instant; null when it can't convert.
    virtual std::optional<LocalDateTime> ToLocal(Instant instant) const = 0;

protected:
    ~LocalTimeline() = default;
};

// The local time now, as the platform tells it: the system's own on Windows (so the clock, the
// settings window and the scheduler agree, whatever the run-time's TZ variable says), the C
// run-time's elsewhere.
LocalDateTime CurrentLocalTime();

// The start of the minute an instant falls in. Local minutes begin where UTC minutes do: zone
// offsets and their changes are whole minutes.
Instant MinuteStart(Instant instant);

// Whether a reminder repeats every day: the short form, or a dated text whose date reads as zero,
// as the due test has it.
bool IsEveryDay(const ReminderTime& time);

// Calendar arithmetic on the proleptic Gregorian calendar.
int DaysInMonth(int year, int month);
std::int64_t DaysFromCivil(int year, int month, int day);  // 1970-01-01 is day 0
LocalDateTime CivilFromDays(std::int64_t days);            // at 00:00:00

// The moment the local clock reaches this minute of this date: the platform's conversion, except
// that a minute the clock jumps over (the spring change) is reached when the clock jumps past it.
// Null for a date or time that does not exist.
std::optional<Instant> MomentOf(const LocalTimeline& timeline, int year, int month, int day,
                                int hour, int minute);

// The latest moment of a reminder in (after, upTo]: a one-time reminder's own moment, or the
// every-day time on the latest date that falls inside. Null when none does.
std::optional<Instant> LatestOccurrence(const ReminderTime& time, Instant after, Instant upTo,
                                        const LocalTimeline& timeline);
