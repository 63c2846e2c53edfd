#include "events/program_event_dialog.h"

#include <commdlg.h>

#include "events/event_name.h"
#include "events/event_registry.h"
#include "resources/resource.h"
#include "ui/handles.h"
#include "ui/message_box.h"

ProgramEventDialog::ProgramEventDialog(HWND parent) : ModalDialog(IDD_PROGRAM_EVENT, parent) {
    m_fields.BindText(IDC_EVENT_NAME, m_name);
    m_fields.BindText(IDC_PROGRAM_PATH, m_path);
}

BOOL ProgramEventDialog::OnInitDialog() {
    m_fields.Write(Handle());  // the path line shows nothing instead of its placeholder
    return TRUE;
}

bool ProgramEventDialog::OnCommand(int id, int) {
    if (id != IDC_OPEN_PROGRAM) {
        return false;
    }
    OnOpen();
    return true;
}

// The system's open-file dialog, for programs. A typed name of a file that does not exist is
// taken as it is.
void ProgramEventDialog::OnOpen() {
    // The common dialogs are loaded only when asked for: they bring the printing stack with
    // them, which the program otherwise never needs.
    Library dialogs = Library::System("comdlg32.dll");
    using GetOpenFileNameFn = BOOL(WINAPI*)(OPENFILENAMEA*);
    auto getOpenFileName = dialogs.Find<GetOpenFileNameFn>("GetOpenFileNameA");
    if (getOpenFileName == nullptr) {
        return;
    }
    char file[MAX_PATH] = {};
    OPENFILENAMEA open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = Handle();
    open.lpstrFilter = "ProgramFile(*.exe)\0*.exe\0";
    open.lpstrFile = file;
    open.nMaxFile = MAX_PATH;
    open.lpstrDefExt = "exe";
    open.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!getOpenFileName(&open)) {
        return;
    }
    m_fields.Read(Handle());  // a name typed before "Open" survives
    m_path = file;
    m_fields.Write(Handle());
}

void ProgramEventDialog::OnOK() {
    m_fields.Read(Handle());
    if (m_name.empty() || m_path.empty()) {
        ShowMessage(Handle(), "Please Input Program Event Name add open a program");
        return;
    }
    // A name the registry cannot hold, or a study event's, whose recording it would orphan.
    if (!IsEventNameAllowed(m_name, EventNameUse::Program,
                            EventRegistry::LookupEventPath(m_name))) {
        ShowMessage(Handle(), kNameClashMessage);
        return;
    }
    EndDialog(IDOK);
}
