#include "reminders/reminder_entry.h"

#include "reminders/reminder_timeline.h"

NewReminder MakeNewReminder(const ReminderEntry& entry, const std::vector<Reminder>& reminders,
                            const LocalMinute& now) {
    NewReminder made;
    Reminder& r = made.reminder;
    if (entry.everyDay) {
        r.timeText = FormatEveryDayText(entry.hour, entry.minute);
        r.colour = ColourEveryDay;
    } else {
        // A date the calendar lacks (31 April, 30 February) would never come: refused as a past
        // minute is.
        if (entry.day > DaysInMonth(entry.year, entry.month) ||
            CompareReminderMinute(entry.year, entry.month, entry.day, entry.hour, entry.minute,
                                  now) != TimeLater) {
            made.refusal = kTimeErrorMessage;
            return made;
        }
        r.timeText =
            FormatOneTimeText(entry.year, entry.month, entry.day, entry.hour, entry.minute);
        r.colour = ColourPending;
    }
    r.message = entry.message;
    r.event = entry.event;
    if (r.message.empty() && r.event.empty()) {
        made.refusal = kNothingToRemindMessage;
        return made;
    }
    for (const Reminder& existing : reminders) {
        if (existing.timeText.find(r.timeText) != std::string::npos) {
            made.refusal = kTimeRepeatMessage;
            return made;
        }
    }
    return made;
}

ReminderColour ColourAtOpening(const Reminder& reminder, const LocalMinute& now) {
    ReminderTime t = ParseReminderTime(reminder.timeText);
    if (t.everyDay) {
        return ColourEveryDay;
    }
    return CompareReminderMinute(t.year, t.month, t.day, t.hour, t.minute, now) == TimeLater
               ? ColourPending
               : ColourReminded;
}

bool TurnsRedNow(const Reminder& reminder, const LocalMinute& now) {
    ReminderTime t = ParseReminderTime(reminder.timeText);
    return !t.everyDay &&
           CompareReminderMinute(t.year, t.month, t.day, t.hour, t.minute, now) == TimeSame;
}
