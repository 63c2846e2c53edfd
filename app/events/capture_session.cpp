#include "events/capture_session.h"

CaptureSession::~CaptureSession() {
    if (Capturing()) {
        End();
    }
}

CaptureSession::Started CaptureSession::Start(const std::string& libraryPath) {
    Library library(libraryPath.c_str());
    auto install = library.Find<InstallMouseHookFunction>(kInstallMouseHookName);
    auto end = library.Find<EndMouseHookFunction>(kEndMouseHookName);
    if (install == nullptr || end == nullptr) {
        return Started::NoLibrary;  // unloaded again as `library` goes
    }
    if (install() == nullptr) {
        return Started::HookRefused;  // with no hook, ending would only write an empty recording
    }
    m_library = std::move(library);
    m_end = end;
    return Started::Yes;
}

bool CaptureSession::End() {
    if (!Capturing()) {
        return false;
    }
    bool written = m_end() != FALSE;
    m_end = nullptr;
    m_library.Reset();
    return written;
}
