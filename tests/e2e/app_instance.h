// One running Whiskertime.exe, started from a private copy of the build's installation so that
// its data files are the test's own. Ended with the "exit" command, or killed if that fails.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "temp_directory.h"

class AppInstance {
public:
    // Copies the installation into a fresh directory, under `programName` (the program works
    // under any file name). Files can be placed there before Start().
    explicit AppInstance(const std::string& programName = "Whiskertime.exe");
    ~AppInstance();
    AppInstance(const AppInstance&) = delete;
    AppInstance& operator=(const AppInstance&) = delete;

    const std::string& Directory() const { return m_directory.Path(); }

    // Starts the program with `workingDirectory` as its current directory (the copy's own when
    // empty) and waits until its character window is shown. False if it never appears.
    bool Start(const std::string& workingDirectory = "");

    HWND CharacterWindow() const { return m_window; }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    HANDLE Process() const { return m_process.hProcess; }
    bool IsRunning() const;

    // Posts the menu command to the character window, as choosing it from the menu does.
    void PostCommand(int commandId) const;

    // "exit", then waits for the process; returns its exit code, or -1 when it did not end.
    int Exit(DWORD timeoutMs = 10000);

    // Waits for the process to end by itself; true if it did.
    bool WaitForExit(DWORD timeoutMs);

private:
    TempDirectory m_directory;
    std::string m_programName;
    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
};

// The visible dialogs of the process, the character among them, in the desktop's order.
std::vector<HWND> DialogsOf(DWORD processId);
// A visible dialog of the process, with this caption (any when null); null when there is none.
HWND FindDialogOf(DWORD processId, const char* caption = nullptr);

// One reminder of the store, as the program writes it: its section with "MESSAGE" and "EVENT".
std::string ReminderSection(const std::string& time, const std::string& message,
                            const std::string& event = "");

// The build's installation directory as a Windows path.
std::string InstallationDirectory();

// Polls `condition` every 20 ms until it holds or `timeoutMs` has passed.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(20);
    }
    return true;
}
