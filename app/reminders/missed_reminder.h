// A reminder whose moment went by unseen (the PC slept, the clock jumped, the program was not
// running), and who is told of it. Its event is not run late; the user is told instead.
#pragma once

#include <string>
#include <vector>

#include "reminders/reminder_timeline.h"

struct MissedReminder {
    std::string timeText;
    std::string message;
    std::string event;
    Instant moment = 0;  // the last moment of it that was missed
    bool operator==(const MissedReminder&) const = default;
};

class MissedReminderAnnouncer {
public:
    // The reminders one look found missed, oldest first; never empty.
    virtual void AnnounceMissed(std::vector<MissedReminder> missed) = 0;

protected:
    ~MissedReminderAnnouncer() = default;
};

// Joins newly missed reminders to those listed: a reminder listed already (same time, message and
// event) keeps only its newer moment; the result is oldest first.
void MergeMissed(std::vector<MissedReminder>& listed, const std::vector<MissedReminder>& missed);
