#include "reminders/windows_timeline.h"

#include <windows.h>

namespace {

// FILETIME counts 100 ns from 1601-01-01; instants count seconds from 1970-01-01.
constexpr long long kTicksPerSecond = 10000000;
constexpr long long kSecondsFrom1601To1970 = 11644473600;

Instant InstantOf(const FILETIME& time) {
    const unsigned long long ticks =
        static_cast<unsigned long long>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
    return static_cast<Instant>(ticks / kTicksPerSecond) - kSecondsFrom1601To1970;
}

}  // namespace

std::optional<Instant> WindowsTimeline::ToInstant(const LocalDateTime& local) const {
    if (local.year < 1601 || local.year > 30827) {
        return std::nullopt;
    }
    SYSTEMTIME wall{};
    wall.wYear = static_cast<WORD>(local.year);
    wall.wMonth = static_cast<WORD>(local.month);
    wall.wDay = static_cast<WORD>(local.day);
    wall.wHour = static_cast<WORD>(local.hour);
    wall.wMinute = static_cast<WORD>(local.minute);
    wall.wSecond = static_cast<WORD>(local.second);
    SYSTEMTIME utc{};
    FILETIME file{};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &wall, &utc) ||
        !SystemTimeToFileTime(&utc, &file)) {
        return std::nullopt;
    }
    return InstantOf(file);
}

std::optional<LocalDateTime> WindowsTimeline::ToLocal(Instant instant) const {
    if (instant < -kSecondsFrom1601To1970) {
        return std::nullopt;
    }
    const unsigned long long ticks =
        static_cast<unsigned long long>(instant + kSecondsFrom1601To1970) * kTicksPerSecond;
    FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME utc{};
    SYSTEMTIME wall{};
    if (!FileTimeToSystemTime(&file, &utc) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &wall)) {
        return std::nullopt;
    }
    return LocalDateTime{wall.wYear, wall.wMonth,  wall.wDay,
                         wall.wHour, wall.wMinute, wall.wSecond};
}

Instant CurrentInstant() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return InstantOf(now);
}
