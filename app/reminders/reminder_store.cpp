#include "reminder_store.h"

#include <windows.h>

#include "paths/app_paths.h"
#include "reminders/reminder.h"
#include "reminders/reminder_loader.h"
#include "ui/text_file.h"

void LoadReminders() {
    // Byte for byte: the reader itself takes CR LF and LF as line ends and keeps every other byte.
    std::string text;
    if (!ReadTextFile(ReminderConfigPath, text)) {
        return;
    }
    ReadReminders(text, ReminderList);
}

// The caller tells the user of a failed write and keeps its list as the file is.
bool WriteReminder(const std::string& timeText, const std::string& message,
                   const std::string& event) {
    const char* file = ReminderConfigPath.c_str();
    if (!WritePrivateProfileStringA(timeText.c_str(), "MESSAGE", message.c_str(), file)) {
        return false;
    }
    if (!WritePrivateProfileStringA(timeText.c_str(), "EVENT", event.c_str(), file)) {
        RemoveReminder(timeText);
        return false;
    }
    return true;
}

bool RemoveReminder(const std::string& timeText) {
    return WritePrivateProfileStringA(timeText.c_str(), nullptr, nullptr,
                                      ReminderConfigPath.c_str()) != FALSE;
}
