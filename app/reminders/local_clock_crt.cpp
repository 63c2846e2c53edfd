#include <ctime>

#include "reminders/reminder_timeline.h"

LocalDateTime CurrentLocalTime() {
    std::time_t now = std::time(nullptr);
    // Only one thread reads the clock this way, so the shared buffer of localtime is safe.
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) {
        return {};
    }
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
            local->tm_hour,        local->tm_min,     local->tm_sec};
}
