#include "events/recorder_dialog.h"

#include "events/event_name.h"
#include "events/event_registry.h"
#include "events/study_event_path.h"
#include "paths/app_paths.h"
#include "resources/resource.h"
#include "ui/dialog_fields.h"
#include "ui/message_box.h"
#include "ui/taskbar_placement.h"

RecorderDialog::RecorderDialog(HWND parent) : ModalDialog(IDD_RECORDER, parent) {
    GetAppDirectory(m_appDirectory);
}

// Above the right end of the taskbar, as the character goes there, topmost.
BOOL RecorderDialog::OnInitDialog() {
    PlaceAtTaskbarCorner(Handle());
    Enter(State::Ready);
    return TRUE;  // the focus goes to "Start Study"
}

bool RecorderDialog::OnCommand(int id, int) {
    switch (id) {
        case IDC_START_STUDY:
            OnStartStudy();
            return true;
        case IDC_END_STUDY:
            OnEndStudy();
            return true;
        default:
            return false;
    }
}

void RecorderDialog::Enter(State state) {
    m_state = state;
    HWND hwnd = Handle();
    EnableWindow(GetDlgItem(hwnd, IDC_START_STUDY), state == State::Ready);
    EnableWindow(GetDlgItem(hwnd, IDC_END_STUDY), state == State::Recording);
    EnableWindow(GetDlgItem(hwnd, IDOK), state == State::Recorded);
}

// A library that cannot be loaded, or lacks either export, leaves the dialog Ready, silently; one
// whose hook the platform refuses is told, since the user would otherwise record nothing.
void RecorderDialog::OnStartStudy() {
    if (m_state != State::Ready) {
        return;
    }
    switch (m_capture.Start(m_appDirectory + "Scurrylog.dll")) {
        case CaptureSession::Started::Yes:
            Enter(State::Recording);
            break;
        case CaptureSession::Started::HookRefused:
            ShowMessage(Handle(),
                        "Whiskertime could not watch the mouse, so nothing would be recorded.\n"
                        "Please try Start Study again.");
            break;
        case CaptureSession::Started::NoLibrary:
            break;
    }
}

// One dialog makes one recording, unless it could not be written: then it is Ready again.
void RecorderDialog::OnEndStudy() {
    if (m_state != State::Recording) {
        return;
    }
    if (!m_capture.End()) {
        ShowMessage(Handle(), "Whiskertime could not write the recording to the file\n" +
                                  m_appDirectory + "study.tmp\nPlease record it again.");
        Enter(State::Ready);
        return;
    }
    Enter(State::Recorded);
}

// Also what Enter gives once "Start Study" is disabled: nothing before a recording is made.
void RecorderDialog::OnOK() {
    if (m_state != State::Recorded) {
        return;
    }
    std::string name = ControlText(GetDlgItem(Handle(), IDC_EVENT_NAME));
    if (name.empty()) {
        ShowMessage(Handle(), "Please Input Study Event Name");
        return;
    }
    // A name the registry or a file cannot hold, one the registry holds already (in any letter
    // case), and one whose recording file exists all clash.
    std::optional<std::string> recording = StudyEventFilePath(m_appDirectory, name);
    if (!recording ||
        !IsEventNameAllowed(name, EventNameUse::Study, EventRegistry::LookupEventPath(name))) {
        ShowMessage(Handle(), kNameClashMessage);
        return;
    }
    CreateDirectoryA((m_appDirectory + "StudyEvent").c_str(), nullptr);  // where it was deleted
    const std::string recorded = m_appDirectory + "study.tmp";
    if (!CopyFileA(recorded.c_str(), recording->c_str(), TRUE)) {
        ShowMessage(Handle(), kNameClashMessage);
        return;
    }
    // Only a stored event lets the recording go: a failed store keeps "study.tmp" and this
    // dialog, and a second "OK" tries again.
    if (!EventRegistry::StoreEvent(name, *recording)) {
        DeleteFileA(recording->c_str());
        ShowWriteFailure(Handle(), EventConfigPath);
        return;
    }
    DeleteFileA(recorded.c_str());
    EndDialog(IDOK);
}

// Escape and the close box too. A capture under way ends here, so its hook does not outlive the
// dialog; what it captured goes to "study.tmp" as "End Study" would write it.
void RecorderDialog::OnCancel() {
    m_capture.End();
    EndDialog(IDCANCEL);
}
