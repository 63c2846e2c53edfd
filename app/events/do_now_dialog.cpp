#include "events/do_now_dialog.h"

#include "events/do_now_placement.h"
#include "events/event_registry.h"
#include "resources/resource.h"
#include "ui/gdi.h"
#include "ui/message_box.h"
#include "ui/win_geometry.h"

DoNowDialog::DoNowDialog(HWND parent, ReminderFirer& firer)
    : ModalDialog(IDD_DO_NOW, parent), m_firer(firer) {}

// Beside the owner (the character, shown or hidden), tops aligned, size unchanged.
BOOL DoNowDialog::OnInitDialog() {
    HWND hwnd = Handle();
    int screenWidth = 0;
    {
        gdi::WindowDC desktop(GetDesktopWindow());
        screenWidth = GetDeviceCaps(desktop.Get(), HORZRES);
    }
    RECT owner{};
    GetWindowRect(GetWindow(hwnd, GW_OWNER), &owner);
    RECT self{};
    GetWindowRect(hwnd, &self);
    Rect s = ToRect(self);
    Point at = DoNowPosition(ToRect(owner), {s.Width(), s.Height()}, screenWidth);
    MoveWindow(hwnd, at.x, at.y, s.Width(), s.Height(), TRUE);

    m_events = ListBoxControl(GetDlgItem(hwnd, IDC_EVENT_LIST));
    EventRegistry::ListEventNames(m_events.Handle());
    return TRUE;
}

// "Do Now" and Enter: the selected event runs with no message, so without alarm or popup.
void DoNowDialog::OnOK() {
    int selected = m_events.Selection();
    if (selected < 0) {
        ShowMessage(Handle(), "Please Select A Event");
        return;
    }
    m_firer.FireReminder("", m_events.Text(selected));
    EndDialog(IDOK);
}
