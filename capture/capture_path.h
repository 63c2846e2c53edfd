// Where the capture library writes a recording: "study.tmp" in the directory of the host
// program's file, the same place the program itself looks for it, whatever the program file is
// called and whatever the directories above it are called.
#pragma once

#include <string>
#include <string_view>

#include "common/program_directory.h"

inline std::string CapturePathFor(std::string_view programFile) {
    return DirectoryOfProgramFile(programFile) + "study.tmp";
}
