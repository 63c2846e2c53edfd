// The event half of the settings window: the list of event names and the commands on it, "Add
// Program Event" and "Delete Event". The settings dialog delegates to it; the list box is the
// only copy of the names while the window is open.
#pragma once

#include <windows.h>

#include <string>

#include "ui/list_controls.h"

class EventListPanel {
public:
    // Takes the dialog's event list (1009) and fills it from the registry.
    void Attach(HWND dialog);

    // The selected entry's text, or empty when none is selected.
    std::string SelectedName() const;

    // "Add Program Event" and "Delete Event"; false for any other command.
    bool OnCommand(int id);

private:
    void AddProgramEvent();
    void DeleteEvent();

    HWND m_dialog = nullptr;
    ListBoxControl m_list;
};
