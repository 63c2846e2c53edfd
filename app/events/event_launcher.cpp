#include "events/event_launcher.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <memory>

#include "events/event_kind.h"
#include "events/recording_player.h"
#include "ui/handles.h"

namespace {

// The thread owns its copy of the path. No window owns what the shell shows: a prompt of its
// own thread holds nothing of the user interface's.
DWORD WINAPI StartProgram(void* parameter) {
    std::unique_ptr<std::string> path(static_cast<std::string*>(parameter));
    // The shell may hand the start to COM objects, which want an apartment on this thread. COM
    // is loaded only here: an idle character never needs it.
    using InitializeFn = HRESULT(WINAPI*)(void*, DWORD);
    using UninitializeFn = void(WINAPI*)();
    Library com = Library::System("ole32.dll");
    auto initialize = com.Find<InitializeFn>("CoInitializeEx");
    auto uninitialize = com.Find<UninitializeFn>("CoUninitialize");
    const bool apartment =
        initialize != nullptr && uninitialize != nullptr &&
        SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    ShellExecuteA(nullptr, "open", path->c_str(), "", "", SW_SHOW);
    if (apartment) {
        uninitialize();
    }
    return 0;
}

}  // namespace

void RunEventPath(const std::string& path, std::string& playbackPath) {
    switch (EventKindOf(path)) {
        case EventKind::Program: {
            auto copy = std::make_unique<std::string>(path);
            HANDLE thread = CreateThread(nullptr, 0, &StartProgram, copy.get(), 0, nullptr);
            if (thread != nullptr) {
                static_cast<void>(copy.release());  // the thread's now
                CloseHandle(thread);
            }
            break;
        }
        case EventKind::Study:
            // Each thread is handed its own copy, so the next fire may overwrite this at once.
            playbackPath = path;
            StartRecordingPlayback(playbackPath);
            break;
        case EventKind::None:
            break;
    }
}
