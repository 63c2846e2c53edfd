// The settings window's rules as plain logic: which reminder "Add Remind" makes of the time boxes,
// the message and the selected event, or which message refuses it; and the colour each reminder
// shows when the window opens.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reminders/reminder.h"

inline constexpr char kTimeErrorMessage[] = "Time Error";
inline constexpr char kNothingToRemindMessage[] = "Please Input Message or Select Event";
inline constexpr char kTimeRepeatMessage[] = "Time Repeat";

struct ReminderEntry {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    bool everyDay = false;
    std::string message;
    std::string event;  // the selected event's name, or empty
};

struct NewReminder {
    std::string refusal;  // empty when the reminder may be added
    Reminder reminder;
};

// The tests of "Add Remind" in their fixed order, after the boxes passed their checks: a one-time
// minute that is now or past, or on a date the calendar lacks, is a "Time Error"; neither message
// nor event is refused next; then a time text that equals, or is contained in, any listed
// reminder's is a "Time Repeat" (so a new every-day reminder clashes with every reminder of its
// hour and minute, a new one-time reminder only with its very date and time).
NewReminder MakeNewReminder(const ReminderEntry& entry, const std::vector<Reminder>& reminders,
                            const LocalMinute& now);

// The colour a reminder shows when the settings window opens: blue every day; a one-time one
// black while its minute is still to come, red otherwise.
ReminderColour ColourAtOpening(const Reminder& reminder, const LocalMinute& now);

// Whether the due marking turns the reminder red now: a one-time reminder in its minute.
bool TurnsRedNow(const Reminder& reminder, const LocalMinute& now);
