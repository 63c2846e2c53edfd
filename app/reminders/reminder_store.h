// The reminder store: "userconfig.ini" beside the program, one section per reminder.
// Written a key at a time through the profile functions, read once at start-up.
#pragma once

#include <string>

// Fills ReminderList from ReminderConfigPath. A missing or unreadable file leaves it as it is.
void LoadReminders();

// Writes (or replaces) the reminder's section: "MESSAGE" first, then "EVENT". False when the file
// could not be written; a section half written is removed again, so the file holds the whole
// reminder or none of it.
bool WriteReminder(const std::string& timeText, const std::string& message,
                   const std::string& event);

// Removes the reminder's section with all its lines. False when the file could not be written.
bool RemoveReminder(const std::string& timeText);
