#include "reminder_store.h"

#include <windows.h>

#include <fstream>

#include "paths/app_paths.h"
#include "reminders/reminder.h"
#include "reminders/reminder_loader.h"

void LoadReminders() {
    // Binary mode: the reader itself takes CR LF and LF as line ends and keeps every other byte.
    std::ifstream file(ReminderConfigPath, std::ios::binary);
    if (!file) {
        return;
    }
    ReadReminders(file, ReminderList);
}

// Failed writes are not reported: the list in memory changes anyway, and the next start reads
// whatever the file holds.
void WriteReminder(const std::string& timeText, const std::string& message,
                   const std::string& event) {
    WritePrivateProfileStringA(timeText.c_str(), "MESSAGE", message.c_str(),
                               ReminderConfigPath.c_str());
    WritePrivateProfileStringA(timeText.c_str(), "EVENT", event.c_str(),
                               ReminderConfigPath.c_str());
}

void RemoveReminder(const std::string& timeText) {
    WritePrivateProfileStringA(timeText.c_str(), nullptr, nullptr, ReminderConfigPath.c_str());
}
