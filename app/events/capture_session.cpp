#include "events/capture_session.h"

CaptureSession::~CaptureSession() {
    if (Capturing()) {
        End();
    }
}

bool CaptureSession::Start(const std::string& libraryPath) {
    Library library(libraryPath.c_str());
    auto install = library.Find<InstallMouseHookFunction>(kInstallMouseHookName);
    auto end = library.Find<EndMouseHookFunction>(kEndMouseHookName);
    if (install == nullptr || end == nullptr) {
        return false;  // unloaded again as `library` goes
    }
    m_library = std::move(library);
    m_end = end;
    install();
    return true;
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
