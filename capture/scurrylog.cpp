// The capture library: a low-level mouse hook that keeps every captured action in memory, and
// the one pass that writes them to the recording file when capturing ends.
#include "capture/scurrylog.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "capture/capture_list.h"
#include "capture/capture_path.h"

// Plain, undecorated export names: the program binds them by name.
#define SCURRYLOG_EXPORT extern "C" __declspec(dllexport)

SCURRYLOG_EXPORT HHOOK InstallMouseHook();
SCURRYLOG_EXPORT BOOL EndMouseHook();

namespace {

HINSTANCE g_instance = nullptr;
HHOOK g_hook = nullptr;
std::string g_capturePath;
CaptureList g_captureList;

// Runs for every mouse event on the desktop while the system waits: it only appends in memory,
// and always passes the event on.
LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        g_captureList.Append(static_cast<unsigned>(wParam), event->pt.x, event->pt.y, event->time);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

void RemoveHook() {
    if (g_hook) {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
    }
}

// The recording goes beside the host program's file: the directory of the process's module,
// whatever the file is called. Empty when the platform cannot tell.
std::string FormCapturePath() {
    std::vector<char> buffer(MAX_PATH, '\0');
    for (;;) {
        DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < buffer.size()) {
            return CapturePathFor(std::string_view(buffer.data(), length));
        }
        if (buffer.size() >= 32768) {
            return std::string();
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
}

class File {
public:
    explicit File(HANDLE handle) : m_handle(handle) {}
    ~File() { Close(); }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    BOOL Close() {
        BOOL closed = IsOpen() ? CloseHandle(m_handle) : FALSE;
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

}  // namespace

SCURRYLOG_EXPORT HHOOK InstallMouseHook() {
    // A second installation replaces the first, so that each action is captured once.
    RemoveHook();
    g_hook = SetWindowsHookExA(WH_MOUSE_LL, MouseHookProc, g_instance, 0);
    return g_hook;
}

SCURRYLOG_EXPORT BOOL EndMouseHook() {
    RemoveHook();
    // Opened in place, not truncated: a recording written over a longer one leaves its tail,
    // which readers ignore because they follow the count.
    File file(CreateFileA(g_capturePath.c_str(), GENERIC_READ | GENERIC_WRITE | FILE_WRITE_DATA, 0,
                          nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        return FALSE;  // the actions stay in memory; a later call may write them
    }
    // Only a whole recording counts: a short or failed write leaves an earlier recording's
    // bytes in the file, which must not be taken for this one.
    bool whole = false;
    try {
        const std::string bytes = g_captureList.FileBytes();
        std::size_t written = 0;
        while (written < bytes.size()) {
            DWORD chunk =
                static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 30));
            DWORD done = 0;
            if (!WriteFile(file.Get(), bytes.data() + written, chunk, &done, nullptr) ||
                done == 0) {
                break;
            }
            written += done;
        }
        whole = written == bytes.size();
    } catch (const std::bad_alloc&) {
        // Too many actions to lay out at once: the file keeps what it held.
    }
    bool closed = file.Close();
    return whole && closed ? TRUE : FALSE;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            g_instance = instance;
            DisableThreadLibraryCalls(instance);
            g_capturePath = FormCapturePath();
            // Without a place for the recording there is nothing to capture for: refuse to load.
            return g_capturePath.empty() ? FALSE : TRUE;
        case DLL_PROCESS_DETACH:
            // Unloaded while still capturing: the hook procedure is about to go away with the
            // library, so take the hook out first. At process exit the system removes it.
            if (reserved == nullptr) {
                RemoveHook();
            }
            return TRUE;
        default:
            return TRUE;
    }
}
