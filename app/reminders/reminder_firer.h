// What acts on a due reminder: the character fires it (places itself, runs the event, raises the
// alarm for the message). The scheduler and the dialogs reach it through this, so nothing here
// depends on the character.
#pragma once

#include <string>

class ReminderFirer {
public:
    // Synchronous; either text may be empty. Returns before a started program or replay ends.
    virtual void FireReminder(std::string message, std::string event) = 0;

protected:
    ~ReminderFirer() = default;
};
