// The platform's clock and time zone for the scheduler: instants from the system clock, and the
// system's own conversion between them and local wall-clock time (the current time zone's rules,
// daylight saving included).
#pragma once

#include "reminders/reminder_timeline.h"

class WindowsTimeline final : public LocalTimeline {
public:
    std::optional<Instant> ToInstant(const LocalDateTime& local) const override;
    std::optional<LocalDateTime> ToLocal(Instant instant) const override;
};

// Now, from the system clock.
Instant CurrentInstant();
