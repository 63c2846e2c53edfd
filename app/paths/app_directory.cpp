#include <windows.h>

#include <string>
#include <vector>

#include "app_paths.h"

void GetAppDirectory(std::string& directory) {
    // Start at MAX_PATH and grow: a path cut short would name the wrong directory.
    std::vector<char> buffer(MAX_PATH, '\0');
    for (;;) {
        DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            directory.clear();
            return;
        }
        if (length < buffer.size()) {
            directory = DirectoryOfProgramFile(std::string_view(buffer.data(), length));
            return;
        }
        if (buffer.size() >= 32768) {  // the longest path the platform knows
            directory.clear();
            return;
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
}
