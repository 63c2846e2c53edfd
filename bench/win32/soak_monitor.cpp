// The soak run's inside half, run under Wine by scripts/soak.sh: prepares a copy of the
// installation whose store holds a reminder for every minute of the day (a message each, with
// no event, a program event or a study event in turn), starts Whiskertime.exe there, and prints
// once a minute the fires so far (popups that opened), the program event's launches and the
// process's handle count. The script adds the process's memory as the system sees it.
//
//   soak_monitor DIRECTORY MINUTES    the run
//   soak_monitor                      as the program event: notes one launch and ends
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "app/resources/resource.h"
#include "common/mouse_record.h"

namespace {

constexpr char kLaunchLog[] = "WHISKERTIME_SOAK_LAUNCHES";

void WriteText(const std::string& path, const std::string& text) {
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
}

int CountLines(const std::string& path) {
    int lines = 0;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        for (int c; (c = std::fgetc(f)) != EOF;) {
            lines += c == '\n';
        }
        std::fclose(f);
    }
    return lines;
}

int NoteLaunch() {
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA(kLaunchLog, path, MAX_PATH) == 0) {
        return 1;
    }
    if (FILE* f = std::fopen(path, "ab")) {
        std::fputs("launched\n", f);
        std::fclose(f);
    }
    return 0;
}

void PrepareStores(const std::string& directory, const std::string& self) {
    std::string store;
    for (int minute = 0; minute < 24 * 60; ++minute) {
        char section[64];
        std::snprintf(section, sizeof section, "[%02d:%02d]\r\n", minute / 60, minute % 60);
        static const char* const kEvents[] = {"", "program", "macro"};
        store += section;
        store += "MESSAGE=Soak reminder " + std::to_string(minute) + "\r\n";
        store += std::string("EVENT=") + kEvents[minute % 3] + "\r\n";
    }
    WriteText(directory + "userconfig.ini", store);
    const std::string recording = directory + "StudyEvent\\soak.sty";
    WriteText(recording, EncodeRecording({MakeMouseRecord(kMouseMove, 100, 100, 0),
                                          MakeMouseRecord(kMouseMove, 200, 150, 100),
                                          MakeMouseRecord(kMouseMove, 300, 200, 200),
                                          MakeMouseRecord(kMouseMove, 20, 20, 300)}));
    WriteText(directory + "eventconfig.ini",
              "[EVENTCONFIG]\r\nprogram=" + self + "\r\nmacro=" + recording + "\r\n");
}

// The handles a process holds, from the system's handle table (GetProcessHandleCount reads 0
// under Wine); -1 when the table cannot be read.
long HandleCount(DWORD processId) {
    using QueryFn = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<QueryFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr) {
        return -1;
    }
    struct Entry {  // SYSTEM_HANDLE_ENTRY
        ULONG ownerPid;
        BYTE objectType;
        BYTE flags;
        USHORT handle;
        PVOID object;
        ACCESS_MASK access;
    };
    constexpr int kSystemHandleInformation = 16;
    std::string buffer(1 << 20, '\0');
    for (int attempt = 0; attempt < 8; ++attempt) {
        ULONG needed = 0;
        LONG status = query(kSystemHandleInformation, buffer.data(),
                            static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0) {
            ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
            const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(void*));
            long mine = 0;
            for (ULONG i = 0; i < count; ++i) {
                mine += entries[i].ownerPid == processId;
            }
            return mine;
        }
        buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed + 4096));
    }
    return -1;
}

struct PopupSearch {
    DWORD processId;
    std::set<HWND>* seen;
};

BOOL CALLBACK NotePopups(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<PopupSearch*>(param);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->processId && std::string(cls) == "WhiskertimeReminderPopup") {
        search->seen->insert(hwnd);
    }
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return NoteLaunch();
    }
    std::string directory = argv[1];
    if (directory.back() != '\\') {
        directory += '\\';
    }
    const int minutes = std::atoi(argv[2]);
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    PrepareStores(directory, self);
    const std::string launches = directory + "launches.txt";
    SetEnvironmentVariableA(kLaunchLog, launches.c_str());

    const std::string program = directory + "Whiskertime.exe";
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        return 1;
    }
    WaitForInputIdle(process.hProcess, 10000);

    std::printf("minute fires launches handles\n");
    std::fflush(stdout);
    std::set<HWND> popups;
    const DWORD start = GetTickCount();
    for (int minute = 0; minute <= minutes; ++minute) {
        while (GetTickCount() - start < static_cast<DWORD>(minute) * 60000) {
            PopupSearch search{process.dwProcessId, &popups};
            EnumWindows(NotePopups, reinterpret_cast<LPARAM>(&search));
            if (WaitForSingleObject(process.hProcess, 200) == WAIT_OBJECT_0) {
                std::printf("Whiskertime.exe ended on its own\n");
                return 1;
            }
        }
        std::printf("%d %zu %d %ld\n", minute, popups.size(), CountLines(launches),
                    HandleCount(process.dwProcessId));
        std::fflush(stdout);
    }

    // "exit", as the menu gives it.
    HWND character = nullptr;
    for (HWND w = FindWindowA("#32770", nullptr); w;
         w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == process.dwProcessId) {
            character = w;
        }
    }
    PostMessageA(character, WM_COMMAND, ID_MENU_EXIT, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
