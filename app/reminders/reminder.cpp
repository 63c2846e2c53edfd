#include "reminder.h"

#include "reminders/reminder_timeline.h"

#include <climits>
#include <cstdio>
#include <string_view>

std::vector<Reminder> ReminderList;

namespace {

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// atoi over the window [start, start + width) of the text, cut at the text's end. Unlike atoi it
// saturates instead of overflowing, so a long run of digits gives INT32_MAX, not undefined
// behaviour.
std::int32_t ReadNumber(std::string_view text, std::size_t start, std::size_t width) {
    if (start >= text.size()) {
        return 0;
    }
    std::string_view window = text.substr(start, width);
    std::size_t i = 0;
    while (i < window.size() && IsCSpace(window[i])) {
        ++i;
    }
    bool negative = false;
    if (i < window.size() && (window[i] == '+' || window[i] == '-')) {
        negative = window[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < window.size() && window[i] >= '0' && window[i] <= '9'; ++i) {
        value = value * 10 + (window[i] - '0');
        if (value > std::int64_t{INT32_MAX} + 1) {
            value = std::int64_t{INT32_MAX} + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT32_MAX) {
        value = INT32_MAX;
    }
    return static_cast<std::int32_t>(value);
}

int Compare(std::int32_t given, int current) {
    if (given > current) {
        return TimeLater;
    }
    if (given < current) {
        return TimeEarlier;
    }
    return 0;
}

}  // namespace

// By value, as its interface has always been; a copy of a time text costs nothing worth a change.
ReminderTime ParseReminderTime(std::string text) {  // NOLINT(performance-unnecessary-value-param)
    ReminderTime t;
    if (text.size() <= 5) {
        t.everyDay = 1;
        t.hour = ReadNumber(text, 0, 2);
        t.minute = ReadNumber(text, 3, 5);
        return t;
    }
    t.year = ReadNumber(text, 0, 4);
    t.month = ReadNumber(text, 5, 7);
    t.day = ReadNumber(text, 8, 10);
    t.hour = ReadNumber(text, 11, 13);
    t.minute = ReadNumber(text, 14, 16);
    return t;
}

int CompareReminderMinute(std::int32_t year, std::int32_t month, std::int32_t day,
                          std::int32_t hour, std::int32_t minute, const LocalMinute& now) {
    if (year != 0 || month != 0 || day != 0) {
        if (int r = Compare(year, now.year)) {
            return r;
        }
        if (int r = Compare(month, now.month)) {
            return r;
        }
        if (int r = Compare(day, now.day)) {
            return r;
        }
    }
    if (int r = Compare(hour, now.hour)) {
        return r;
    }
    if (int r = Compare(minute, now.minute)) {
        return r;
    }
    return TimeSame;
}

LocalMinute ToLocalMinute(const std::tm& local) {
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

LocalMinute CurrentLocalMinute() {
    const LocalDateTime now = CurrentLocalTime();
    return {now.year, now.month, now.day, now.hour, now.minute};
}

int CompareWithNow(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
                   std::int32_t minute) {
    return CompareReminderMinute(year, month, day, hour, minute, CurrentLocalMinute());
}

std::string FormatOneTimeText(int year, int month, int day, int hour, int minute) {
    char text[64];
    // The buffer holds any five ints; a cut would only shorten a text no check accepts.
    static_cast<void>(
        std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d", year, month, day, hour, minute));
    return text;
}

std::string FormatEveryDayText(int hour, int minute) {
    char text[32];
    static_cast<void>(std::snprintf(text, sizeof text, "%02d:%02d", hour, minute));
    return text;
}
