// For the package checks, which run in a prefix of their own: finds the character of a running
// Whiskertime (a visible dialog of the artwork's size) and, asked to, ends it with "exit".
//   find_character          exits 0 once the character shows (within 20 s), 1 otherwise
//   find_character exit     sends "exit" to the character and waits until it is gone
//   find_character window CAPTION SECONDS
//                           exits 0 once a dialog with that caption shows (within so many
//                           seconds), 1 otherwise
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

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

BOOL CALLBACK FindCaption(HWND hwnd, LPARAM param) {
    auto* wanted = reinterpret_cast<std::pair<const char*, HWND>*>(param);
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    char caption[128] = {};
    GetWindowTextA(hwnd, caption, sizeof caption);
    if (std::strcmp(cls, "#32770") == 0 && IsWindowVisible(hwnd) &&
        std::strcmp(caption, wanted->first) == 0) {
        wanted->second = hwnd;
        return FALSE;
    }
    return TRUE;
}

int WaitForWindow(const char* caption, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        std::pair<const char*, HWND> wanted{caption, nullptr};
        EnumWindows(FindCaption, reinterpret_cast<LPARAM>(&wanted));
        if (wanted.second != nullptr) {
            std::printf("\"%s\" shows\n", caption);
            return 0;
        }
        if (GetTickCount() - start > timeoutMs) {
            std::printf("no \"%s\" shows\n", caption);
            return 1;
        }
        Sleep(100);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 3 && std::strcmp(argv[1], "window") == 0) {
        return WaitForWindow(argv[2], static_cast<DWORD>(std::atoi(argv[3])) * 1000);
    }
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
