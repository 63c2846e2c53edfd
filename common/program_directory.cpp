#include "common/program_directory.h"

std::string DirectoryOfProgramFile(std::string_view programFile) {
    // The drive is a letter and a colon at the very start; UNC paths have none.
    std::string_view drive;
    if (programFile.size() >= 2 && programFile[1] == ':') {
        drive = programFile.substr(0, 2);
        programFile.remove_prefix(2);
    }
    std::size_t lastSeparator = programFile.find_last_of("\\/");
    std::string_view directory = lastSeparator == std::string_view::npos
                                     ? std::string_view{}
                                     : programFile.substr(0, lastSeparator + 1);
    std::string result(drive);
    result += directory;
    return result;
}
