// Where the program's files live: always beside the program file, never in the working directory.
#pragma once

#include <string>
#include <string_view>

// Drive and directory of a program file's full path, with the trailing backslash, as the C
// run-time's path splitter gives them: "C:\Tools\Whiskertime.exe" -> "C:\Tools\",
// "\\server\share\tools\clock.exe" -> "\\server\share\tools\". Pure.
std::string DirectoryOfProgramFile(std::string_view programFile);

// Replaces `directory` with the running program file's drive and directory (empty when the
// platform cannot tell). Computed anew on every call.
void GetAppDirectory(std::string& directory);

// Process-wide paths, set once by SetAppPaths before any window exists, read-only afterwards.
extern std::string EventConfigPath;     // "eventconfig.ini"
extern std::string ReminderConfigPath;  // "userconfig.ini"
extern std::string ProgramPath;         // always "Whiskertime.exe", whatever the file is called
extern std::string SkinPath;            // "mouse.skin"

void SetAppPaths(const std::string& appDirectory);
