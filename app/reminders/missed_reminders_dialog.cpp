#include "reminders/missed_reminders_dialog.h"

#include <commctrl.h>

#include "resources/resource.h"
#include "ui/geometry.h"
#include "ui/list_controls.h"
#include "ui/win_geometry.h"

MissedRemindersDialog::MissedRemindersDialog() : ModalDialog(IDD_MISSED_REMINDERS, nullptr) {}

bool MissedRemindersDialog::Announce(HWND owner, const std::vector<MissedReminder>& missed) {
    if (IsOpen()) {
        MergeMissed(m_rows, missed);
        FillRows();
        return false;
    }
    m_rows.clear();
    MergeMissed(m_rows, missed);
    if (!OpenModeless(owner)) {
        return false;
    }
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    return true;
}

BOOL MissedRemindersDialog::OnInitDialog() {
    ListViewControl list(GetDlgItem(Handle(), IDC_MISSED_LIST));
    SendMessageA(list.Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                 LVS_EX_FULLROWSELECT);
    // The time as wide as a dated time text, the event a fifth, the message the rest.
    RECT client{};
    GetClientRect(list.Handle(), &client);
    const int width = client.right - GetSystemMetrics(SM_CXVSCROLL);
    const int time = static_cast<int>(SendMessageA(list.Handle(), LVM_GETSTRINGWIDTHA, 0,
                                                   reinterpret_cast<LPARAM>("0000-00-00 00:00"))) +
                     16;
    const int event = width / 5;
    list.AddColumn(0, "Time", time);
    list.AddColumn(1, "Message", width - time - event);
    list.AddColumn(2, "Event", event);
    FillRows();
    Place();
    return TRUE;
}

void MissedRemindersDialog::Place() const {
    RECT workArea{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT window{};
    GetWindowRect(Handle(), &window);
    const Size size{ToRect(window).Width(), ToRect(window).Height()};
    HWND owner = GetWindow(Handle(), GW_OWNER);
    RECT ownerRect{};
    Point at{};
    if (owner != nullptr && IsWindowVisible(owner) && GetWindowRect(owner, &ownerRect)) {
        at = BesidePosition(size, ToRect(ownerRect), ToRect(workArea));
    } else {
        at = CentredPosition(size, ToRect(workArea), ToRect(workArea));
    }
    SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MissedRemindersDialog::FillRows() const {
    ListViewControl list(GetDlgItem(Handle(), IDC_MISSED_LIST));
    list.DeleteAllRows();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        list.InsertRow(static_cast<int>(i),
                       {m_rows[i].timeText, m_rows[i].message, m_rows[i].event});
    }
}
