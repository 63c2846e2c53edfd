// For the package checks, which run in a prefix of their own: finds the character of a running
// Whiskertime (a visible dialog of the artwork's size) and, asked to, ends it with "exit".
//   find_character          exits 0 once the character shows (within 20 s), 1 otherwise
//   find_character exit     sends "exit" to the character and waits until it is gone
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "resources/resource.h"

namespace {

BOOL CALLBACK FindCharacter(HWND hwnd, LPARAM param) {
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    RECT r{};
    GetWindowRect(hwnd, &r);
    if (std::strcmp(cls, "#32770") == 0 && IsWindowVisible(hwnd) && r.right - r.left == 225 &&
        r.bottom - r.top == 305) {
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForCharacter(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        HWND found = nullptr;
        EnumWindows(FindCharacter, reinterpret_cast<LPARAM>(&found));
        if (found != nullptr || GetTickCount() - start > timeoutMs) {
            return found;
        }
        Sleep(100);
    }
}

}  // namespace

int main(int argc, char** argv) {
    HWND character = WaitForCharacter(20000);
    if (character == nullptr) {
        std::printf("no character shows\n");
        return 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "exit") == 0) {
        DWORD pid = 0;
        GetWindowThreadProcessId(character, &pid);
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        PostMessageA(character, WM_COMMAND, ID_MENU_EXIT, 0);
        DWORD waited = process ? WaitForSingleObject(process, 10000) : WAIT_FAILED;
        if (process) {
            CloseHandle(process);
        }
        return waited == WAIT_OBJECT_0 ? 0 : 1;
    }
    std::printf("the character shows\n");
    return 0;
}
