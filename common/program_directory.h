// The directory of a program file, shared by the program and the capture library: both resolve
// their files against the directory that holds the program file, whatever it is called.
#pragma once

#include <string>
#include <string_view>

// Drive and directory of a program file's full path, with the trailing backslash, as the C
// run-time's path splitter gives them: "C:\Tools\Whiskertime.exe" -> "C:\Tools\",
// "\\server\share\tools\clock.exe" -> "\\server\share\tools\". Pure.
std::string DirectoryOfProgramFile(std::string_view programFile);
