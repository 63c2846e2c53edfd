#include "events/event_list_panel.h"

#include "events/event_registry.h"
#include "events/program_event_dialog.h"
#include "events/study_event_path.h"
#include "paths/app_paths.h"
#include "resources/resource.h"
#include "ui/message_box.h"

void EventListPanel::Attach(HWND dialog) {
    m_dialog = dialog;
    m_list = ListBoxControl(GetDlgItem(dialog, IDC_EVENT_LIST));
    EventRegistry::ListEventNames(m_list.Handle());
}

std::string EventListPanel::SelectedName() const {
    int selected = m_list.Selection();
    return selected < 0 ? std::string() : m_list.Text(selected);
}

bool EventListPanel::OnCommand(int id) {
    switch (id) {
        case IDC_ADD_PROGRAM_EVENT:
            AddProgramEvent();
            return true;
        case IDC_DELETE_EVENT:
            DeleteEvent();
            return true;
        default:
            return false;
    }
}

// A name the list already shows is shown twice until the window is next opened; the registry
// holds one line for it, with the new path.
void EventListPanel::AddProgramEvent() {
    ProgramEventDialog dialog(m_dialog);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    // The list changes only with the file, so that it shows what the next opening reads.
    if (!EventRegistry::StoreEvent(dialog.Name(), dialog.Path())) {
        ShowWriteFailure(m_dialog, EventConfigPath);
        return;
    }
    m_list.Add(dialog.Name());
}

// Removes the event and the recording named after it, whatever kind the event was; no question
// is asked.
void EventListPanel::DeleteEvent() {
    int selected = m_list.Selection();
    if (selected < 0) {
        return;
    }
    std::string name = m_list.Text(selected);
    if (!EventRegistry::RemoveEvent(name)) {
        ShowWriteFailure(m_dialog, EventConfigPath);
        return;
    }
    m_list.Delete(selected);
    std::string appDirectory;
    GetAppDirectory(appDirectory);
    // A name that could reach outside the recordings folder loses its line but no file.
    if (std::optional<std::string> recording = StudyEventFilePath(appDirectory, name)) {
        DeleteFileA(recording->c_str());
    }
}
