// The settings window's list of reminders: a report-view list in place of a placeholder frame,
// one row per reminder (time, message, event), each row's text in its reminder's colour.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <vector>

#include "reminders/reminder.h"
#include "ui/list_controls.h"

class ReminderListView {
public:
    // Takes the placeholder's place in the dialog (the placeholder is hidden): id 3111, full-row
    // selection, several rows selectable, not sorted, columns "Times", "Message" and "Event".
    void CreateInPlaceOf(HWND dialog, HWND placeholder);

    HWND Handle() const { return m_list.Handle(); }
    const ListViewControl& Rows() const { return m_list; }

    // Keeps the colour for the row (replacing an earlier one) and redraws that row at once. The
    // colours are never cleared; one kept for a row that no longer exists does nothing.
    void SetRowColour(int row, COLORREF colour);
    // Adds the reminder's row at the end, in its colour.
    void AppendRow(const Reminder& reminder);
    // Rows 0 to n-1 for the n reminders, in their stored colours.
    void FillReminderRows(const std::vector<Reminder>& reminders);

    // The answer to the list's custom-draw notification: rows with a colour are drawn in it.
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) const;

private:
    ListViewControl m_list;
    std::map<int, COLORREF> m_colours;
};
