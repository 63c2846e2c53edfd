#include "reminders/reminder_list_view.h"

#include "resources/resource.h"
#include "ui/application.h"

void ReminderListView::CreateInPlaceOf(HWND dialog, HWND placeholder) {
    RECT place{};
    GetWindowRect(placeholder, &place);
    ShowWindow(placeholder, SW_HIDE);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    HWND list = CreateWindowExA(
        0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
        place.left, place.top, place.right - place.left, place.bottom - place.top, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_REMINDER_LIST)), Application::Instance(),
        nullptr);
    m_list = ListViewControl(list);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    m_list.AddColumn(0, "Times", 120);
    m_list.AddColumn(1, "Message", 330);
    m_list.AddColumn(2, "Event", 180);
}

void ReminderListView::SetRowColour(int row, COLORREF colour) {
    m_colours[row] = colour;
    m_list.RedrawRow(row);
}

void ReminderListView::AppendRow(const Reminder& reminder) {
    int row =
        m_list.InsertRow(m_list.RowCount(), {reminder.timeText, reminder.message, reminder.event});
    if (row >= 0) {
        SetRowColour(row, reminder.colour);
    }
}

void ReminderListView::FillReminderRows(const std::vector<Reminder>& reminders) {
    for (const Reminder& reminder : reminders) {
        AppendRow(reminder);
    }
}

LRESULT ReminderListView::OnCustomDraw(NMLVCUSTOMDRAW& draw) const {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT: {
            auto found = m_colours.find(static_cast<int>(draw.nmcd.dwItemSpec));
            if (found != m_colours.end()) {
                draw.clrText = found->second;
            }
            return CDRF_DODEFAULT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}
