// The reminder record, the process-wide reminder list and the time rules.
// Plain C++: nothing here knows a window, so it is unit-tested natively.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// Row colours, 0x00BBGGRR like a Windows COLORREF.
using ReminderColour = std::uint32_t;
inline constexpr ReminderColour ColourEveryDay = 0x00FF0000;  // blue
inline constexpr ReminderColour ColourPending = 0x00000000;   // black
inline constexpr ReminderColour ColourReminded =
    0x000000FF;  // red: "Delete Before Remind" removes these

struct Reminder {
    std::string timeText;  // "%d-%02d-%02d %02d:%02d" once, "%02d:%02d" every day
    std::string message;
    std::string event;
    ReminderColour colour = ColourPending;
};

// The one list of reminders, in load-then-add order. Touched only by the UI thread.
extern std::vector<Reminder> ReminderList;

struct ReminderTime {
    std::int32_t everyDay = 0;
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
};

// Reads a time text by position; never fails (non-digits read as 0).
ReminderTime ParseReminderTime(std::string text);

inline constexpr int TimeLater = 257;
inline constexpr int TimeEarlier = 258;
inline constexpr int TimeSame = 259;

// The minute we compare against: the local clock broken down.
struct LocalMinute {
    int year = 0;    // full year, e.g. 2008
    int month = 0;   // 1-12
    int day = 0;     // 1-31
    int hour = 0;    // 0-23
    int minute = 0;  // 0-59
};

// Whether the given minute lies after, before or at `now`. A zero date compares the time of day
// only.
int CompareReminderMinute(std::int32_t year, std::int32_t month, std::int32_t day,
                          std::int32_t hour, std::int32_t minute, const LocalMinute& now);

// The same comparison against the local clock.
int CompareWithNow(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
                   std::int32_t minute);

LocalMinute ToLocalMinute(const std::tm& local);
LocalMinute CurrentLocalMinute();

// Time texts as the settings window writes them.
std::string FormatOneTimeText(int year, int month, int day, int hour, int minute);
std::string FormatEveryDayText(int hour, int minute);
