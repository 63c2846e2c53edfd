#include "app_instance.h"

#include <algorithm>
#include <stdexcept>

#include "resources/resource.h"

namespace {

// What a program run straight from the build (scripts/run.sh) leaves there is its user's, not
// the installation's: a test's copy starts without it.
bool IsDataOfARun(const std::string& name) {
    return name == "userconfig.ini" || name == "eventconfig.ini" || name == "scheduler.state";
}

void CopyTree(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("no installation at " + from);
    }
    do {
        std::string name = found.cFileName;
        if (name == "." || name == ".." || IsDataOfARun(name)) {
            continue;
        }
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CopyTree(from + name + "\\", to + name + "\\");
        } else {
            CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

std::string InstallationDirectory() {
    std::string path = WindowsPath(WHISKERTIME_INSTALL_DIR);
    if (path.back() != '\\') {
        path += '\\';
    }
    return path;
}

AppInstance::AppInstance(const std::string& programName) : m_programName(programName) {
    CopyTree(InstallationDirectory(), m_directory.Path());
    if (programName != "Whiskertime.exe") {
        MoveFileA((m_directory.Path() + "Whiskertime.exe").c_str(),
                  (m_directory.Path() + programName).c_str());
    }
}

AppInstance::~AppInstance() {
    if (m_process.hProcess != nullptr) {
        if (IsRunning() && Exit(5000) == -1) {
            TerminateProcess(m_process.hProcess, 1);
            WaitForSingleObject(m_process.hProcess, 5000);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
}

bool AppInstance::Start(const std::string& workingDirectory) {
    if (m_process.hProcess != nullptr) {  // started before: that run has ended
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
        m_process = {};
    }
    std::string program = m_directory.Path() + m_programName;
    std::string commandLine = "\"" + program + "\"";
    std::string cwd = workingDirectory.empty() ? m_directory.Path() : workingDirectory;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        cwd.c_str(), &startup, &m_process)) {
        return false;
    }
    WaitFor([&] { return (m_window = FindDialogOf(ProcessId())) != nullptr || !IsRunning(); },
            20000);
    // Until its queue first runs empty the dialog manager may still show the window itself: a
    // "hide mouse" handled before that would be undone. A message sent through the modal loop
    // comes back once the loop runs; a moment later its queue has been empty.
    WaitForInputIdle(m_process.hProcess, 5000);
    if (m_window != nullptr) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
        Sleep(250);
    }
    return m_window != nullptr;
}

bool AppInstance::IsRunning() const {
    return m_process.hProcess != nullptr &&
           WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

void AppInstance::PostCommand(int commandId) const {
    PostMessageA(m_window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

bool AppInstance::WaitForExit(DWORD timeoutMs) {
    return WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

int AppInstance::Exit(DWORD timeoutMs) {
    PostCommand(ID_MENU_EXIT);
    if (!WaitForExit(timeoutMs)) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(m_process.hProcess, &code);
    return static_cast<int>(code);
}

std::vector<HWND> DialogsOf(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            char cls[16] = {};
            GetClassNameA(hwnd, cls, sizeof cls);
            if (pid == s->processId && IsWindowVisible(hwnd) && std::string(cls) == "#32770") {
                s->found.push_back(hwnd);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindDialogOf(DWORD processId, const char* caption) {
    for (HWND dialog : DialogsOf(processId)) {
        char title[128] = {};
        GetWindowTextA(dialog, title, sizeof title);
        if (caption == nullptr || caption == std::string(title)) {
            return dialog;
        }
    }
    return nullptr;
}

std::string ReminderSection(const std::string& time, const std::string& message,
                            const std::string& event) {
    return "[" + time + "]\r\nMESSAGE=" + message + "\r\nEVENT=" + event + "\r\n";
}
