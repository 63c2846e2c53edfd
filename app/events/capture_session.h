// One capture with the capture library: loaded by its full path with both exports bound, the hook
// installed, and at the end the recording written and the library unloaded. A session still
// capturing when it goes ends its capture, so no hook outlives it.
#pragma once

#include <string>

#include "capture/scurrylog.h"
#include "ui/handles.h"

class CaptureSession {
public:
    CaptureSession() = default;
    ~CaptureSession();
    CaptureSession(const CaptureSession&) = delete;
    CaptureSession& operator=(const CaptureSession&) = delete;

    enum class Started {
        Yes,
        NoLibrary,    // it cannot be loaded, or lacks either export
        HookRefused,  // it loaded, but the platform refused its hook: nothing would be recorded
    };
    // Loads the library and starts capturing. Unless it says Yes, nothing stays loaded.
    Started Start(const std::string& libraryPath);
    // Stops capturing, has the library write "study.tmp", and unloads it (the next capture
    // starts with an empty list). Returns whether the whole recording was written.
    bool End();
    bool Capturing() const { return m_library.IsLoaded(); }

private:
    Library m_library;
    EndMouseHookFunction m_end = nullptr;
};
