// Where the program's files live: always beside the program file, never in the working directory.
#pragma once

#include <string>

#include "common/program_directory.h"  // DirectoryOfProgramFile, shared with the capture library

// Replaces `directory` with the running program file's drive and directory (empty when the
// platform cannot tell). Computed anew on every call.
void GetAppDirectory(std::string& directory);

// Process-wide paths, set once by SetAppPaths before any window exists, read-only afterwards.
extern std::string EventConfigPath;     // "eventconfig.ini"
extern std::string ReminderConfigPath;  // "userconfig.ini"
extern std::string ProgramPath;         // always "Whiskertime.exe", whatever the file is called
extern std::string SkinPath;            // "mouse.skin"
// Where the scheduler keeps the moment it has walked up to; not one of the stores.
extern std::string SchedulerStatePath;  // "scheduler.state"

void SetAppPaths(const std::string& appDirectory);
