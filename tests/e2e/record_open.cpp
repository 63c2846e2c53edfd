// Stands in for the desktop's HTML viewer and for program events in the end-to-end checks: adds
// a line with its own path and the arguments it was started with to the file named by
// WHISKERTIME_RECORD_OPEN, then ends. Copies under other names tell apart which one ran.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char target[MAX_PATH] = {};
    if (GetEnvironmentVariableA("WHISKERTIME_RECORD_OPEN", target, MAX_PATH) == 0) {
        return 1;
    }
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (FILE* file = std::fopen(target, "ab")) {
        std::fputs(self, file);
        std::fputs(" ", file);
        std::fputs(commandLine, file);
        std::fputs("\r\n", file);
        std::fclose(file);
    }
    return 0;
}
