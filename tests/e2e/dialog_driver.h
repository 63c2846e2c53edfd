// Drives a dialog of the running program from outside, by its control ids, as a user's clicks
// and typing would: texts set and read, buttons clicked, list entries and rows selected, and the
// message boxes it answers with read and dismissed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app_instance.h"

// The process's visible dialog with this caption, waited for up to `timeoutMs`; null if none.
HWND WaitForDialogOf(const AppInstance& app, const char* caption, DWORD timeoutMs = 5000);

class DialogDriver {
public:
    DialogDriver(const AppInstance& app, HWND dialog) : m_app(app), m_dialog(dialog) {}

    HWND Handle() const { return m_dialog; }
    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
    bool IsOpen() const { return IsWindow(m_dialog) && IsWindowVisible(m_dialog); }

    void SetText(int id, const std::string& text) const;
    std::string Text(int id) const;

    // Clicks the button (a check box toggles its mark) and waits until the program has handled
    // the click. Returns the text of the message box it answered with, after dismissing it, or
    // empty when none came. A click that opens a dialog of its own returns at once, with "".
    std::string Click(int id, bool opensDialog = false) const;

    // The event list (a list box).
    std::vector<std::string> ListEntries(int id) const;
    void SelectEntry(int id, int index) const;

    // The reminder list (a list view), through memory in the program's own process.
    int RowCount(int id) const;
    std::string RowText(int id, int row, int column) const;
    void SelectRows(int id, const std::vector<int>& rows) const;
    RECT RowRect(int id, int row) const;  // screen coordinates

    // The message box the program shows now, if any: its text, after dismissing it with OK.
    std::string TakeMessage(DWORD timeoutMs) const;

private:
    const AppInstance& m_app;
    HWND m_dialog;
};
