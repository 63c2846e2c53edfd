// Stands in for the desktop's HTML viewer in the end-to-end checks: writes the command line it
// was started with to the file named by WHISKERTIME_RECORD_OPEN, then ends.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char target[MAX_PATH] = {};
    if (GetEnvironmentVariableA("WHISKERTIME_RECORD_OPEN", target, MAX_PATH) == 0) {
        return 1;
    }
    if (FILE* file = std::fopen(target, "wb")) {
        std::fputs(commandLine, file);
        std::fclose(file);
    }
    return 0;
}
