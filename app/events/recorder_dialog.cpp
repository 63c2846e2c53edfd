#include "events/recorder_dialog.h"

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

// A library that cannot be loaded, or lacks either export, leaves the dialog Ready, silently.
void RecorderDialog::OnStartStudy() {
    if (m_state != State::Ready || !m_capture.Start(m_appDirectory + "Scurrylog.dll")) {
        return;
    }
    Enter(State::Recording);
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
    // A name that would leave the recordings folder, or that no file may have, clashes too.
    std::optional<std::string> recording = StudyEventFilePath(m_appDirectory, name);
    const std::string recorded = m_appDirectory + "study.tmp";
    if (!recording || !CopyFileA(recorded.c_str(), recording->c_str(), TRUE)) {
        ShowMessage(Handle(), "Name Clash Please Over Again Input Name");
        return;
    }
    DeleteFileA(recorded.c_str());
    if (!EventRegistry::StoreEvent(name, *recording)) {
        ShowWriteFailure(Handle(), EventConfigPath);
    }
    EndDialog(IDOK);
}

// Escape and the close box too. A capture under way ends here, so its hook does not outlive the
// dialog; what it captured goes to "study.tmp" as "End Study" would write it.
void RecorderDialog::OnCancel() {
    m_capture.End();
    EndDialog(IDCANCEL);
}
