#include "reminders/settings_dialog.h"

#include <cstdio>

#include "paths/app_paths.h"
#include "reminders/auto_start.h"
#include "reminders/reminder.h"
#include "reminders/reminder_entry.h"
#include "reminders/reminder_store.h"
#include "reminders/reminder_timeline.h"
#include "resources/resource.h"
#include "ui/message_box.h"

namespace {

constexpr UINT kClockDisplayMs = 1000;
constexpr UINT kDueMarkMs = 10000;

}  // namespace

SettingsDialog::SettingsDialog(HWND parent, ReminderFirer& firer)
    : ModalDialog(IDD_SETTINGS, parent), m_firer(firer) {
    // The order in which the fields are read.
    m_fields.BindText(IDC_CURRENT_TIME, m_currentTimeText);
    m_fields.BindInteger(IDC_YEAR, m_year, 2008, 3000);
    m_fields.BindInteger(IDC_MONTH, m_month, 1, 12);
    m_fields.BindInteger(IDC_DAY, m_day, 1, 31);
    m_fields.BindInteger(IDC_HOUR, m_hour, 0, 23);
    m_fields.BindInteger(IDC_MINUTE, m_minute, 0, 59);
    m_fields.BindText(IDC_MESSAGE, m_message);
}

BOOL SettingsDialog::OnInitDialog() {
    HWND hwnd = Handle();
    m_reminders.CreateInPlaceOf(hwnd, GetDlgItem(hwnd, IDC_LIST_PLACE));
    // The colours are worked out afresh at every opening and kept in the reminders.
    const LocalMinute now = CurrentLocalMinute();
    for (Reminder& reminder : ReminderList) {
        reminder.colour = ColourAtOpening(reminder, now);
    }
    m_reminders.FillReminderRows(ReminderList);
    m_events.Attach(hwnd);
    CheckDlgButton(hwnd, IDC_AUTO_START, IsAutoStartOn() ? BST_CHECKED : BST_UNCHECKED);

    const LocalDateTime local = CurrentLocalTime();
    m_year = local.year;
    m_month = local.month;
    m_day = local.day;
    m_hour = local.hour;
    m_minute = local.minute;
    m_fields.Write(hwnd);  // the clock shows nothing until its first tick

    SetTimer(hwnd, ID_TIMER_CLOCK_DISPLAY, kClockDisplayMs, nullptr);
    m_everyDay = false;
    CheckDlgButton(hwnd, IDC_EVERY_DAY, BST_UNCHECKED);
    EnableDateBoxes(true);
    SetTimer(hwnd, ID_TIMER_DUE_MARK, kDueMarkMs, nullptr);
    return TRUE;
}

bool SettingsDialog::OnCommand(int id, int) {
    switch (id) {
        case IDC_EVERY_DAY:
            OnEveryDay();
            return true;
        case IDC_ADD_REMIND:
            OnAddRemind();
            return true;
        case IDC_DELETE_REMIND:
            OnDeleteRemind();
            return true;
        case IDC_DELETE_BEFORE_REMIND:
            OnDeleteBeforeRemind();
            return true;
        case IDC_AUTO_START:
            OnAutoStart();
            return true;
        case IDC_DO_NOW:
            OnDoNow();
            return true;
        case IDC_ADD_STUDY_EVENT:
            EndDialog(kRecordStudyEvent);
            return true;
        default:
            return m_events.OnCommand(id);
    }
}

void SettingsDialog::OnTimer(UINT_PTR id) {
    switch (id) {
        case ID_TIMER_CLOCK_DISPLAY:
            OnClockDisplay();
            break;
        case ID_TIMER_DUE_MARK:
            OnDueMark();
            break;
        default:
            break;
    }
}

bool SettingsDialog::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_REMINDER_LIST) {
        return false;
    }
    switch (header.code) {
        case NM_CLICK:
            result = 0;  // the list's own selection handling runs as usual
            return true;
        case NM_CUSTOMDRAW:
            result = m_reminders.OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
            return true;
        default:
            return false;
    }
}

// The legend in the rows' colours; "No To Remind" keeps the default black.
bool SettingsDialog::StaticTextColour(int controlId, COLORREF& colour) {
    switch (controlId) {
        case IDC_LEGEND_REMINDED:
            colour = ColourReminded;
            return true;
        case IDC_LEGEND_EVERY_DAY:
            colour = ColourEveryDay;
            return true;
        default:
            return false;
    }
}

bool SettingsDialog::IsStateLegend(int controlId) const {
    return controlId == IDC_LEGEND_EVERY_DAY || controlId == IDC_LEGEND_PENDING ||
           controlId == IDC_LEGEND_REMINDED;
}

void SettingsDialog::OnClockDisplay() {
    const LocalDateTime local = CurrentLocalTime();
    char text[64];
    static_cast<void>(std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%02d", local.year,
                                    local.month, local.day, local.hour, local.minute,
                                    local.second));
    m_currentTimeText = text;
    SetDlgItemTextA(Handle(), IDC_CURRENT_TIME, text);
}

// Turns a reminder red in the minute it falls due, while the window is open.
void SettingsDialog::OnDueMark() {
    const LocalMinute now = CurrentLocalMinute();
    for (std::size_t i = 0; i < ReminderList.size(); ++i) {
        if (TurnsRedNow(ReminderList[i], now)) {
            ReminderList[i].colour = ColourReminded;
            m_reminders.SetRowColour(static_cast<int>(i), ColourReminded);
        }
    }
}

void SettingsDialog::EnableDateBoxes(bool enable) {
    for (int id : {IDC_YEAR, IDC_MONTH, IDC_DAY}) {
        EnableWindow(GetDlgItem(Handle(), id), enable);
    }
}

// The box has toggled its own mark already. A refused box stops the switch, and the mark goes
// back to what the window does.
void SettingsDialog::OnEveryDay() {
    if (!m_fields.Read(Handle())) {
        CheckDlgButton(Handle(), IDC_EVERY_DAY, m_everyDay ? BST_CHECKED : BST_UNCHECKED);
        return;
    }
    EnableDateBoxes(m_everyDay);
    m_fields.Write(Handle());
    m_everyDay = !m_everyDay;
}

void SettingsDialog::OnAddRemind() {
    if (!m_fields.Read(Handle())) {
        return;
    }
    ReminderEntry entry{m_year,   m_month,    m_day,     m_hour,
                        m_minute, m_everyDay, m_message, m_events.SelectedName()};
    NewReminder made = MakeNewReminder(entry, ReminderList, CurrentLocalMinute());
    if (!made.refusal.empty()) {
        ShowMessage(Handle(), made.refusal);
        return;
    }
    const Reminder& r = made.reminder;
    // The list grows only with the file, so what the user sees is what the next start loads.
    if (!WriteReminder(r.timeText, r.message, r.event)) {
        ShowWriteFailure(Handle(), ReminderConfigPath);
        return;
    }
    ReminderList.push_back(r);
    m_reminders.AppendRow(r);
}

// Only the topmost selected reminder goes, also when several rows are selected.
void SettingsDialog::OnDeleteRemind() {
    const ListViewControl& rows = m_reminders.Rows();
    int row = rows.FirstSelected();
    if (row < 0) {
        return;
    }
    if (!RemoveReminder(rows.Text(row, 0))) {
        ShowWriteFailure(Handle(), ReminderConfigPath);
        return;
    }
    rows.DeleteAllRows();
    if (static_cast<std::size_t>(row) < ReminderList.size()) {
        ReminderList.erase(ReminderList.begin() + row);
    }
    m_reminders.FillReminderRows(ReminderList);
}

// Removes every red reminder, from the list and the file, in one go and without a question. One
// whose section could not be removed stays in the list, as it stays in the file.
void SettingsDialog::OnDeleteBeforeRemind() {
    m_reminders.Rows().DeleteAllRows();
    std::vector<Reminder> kept;
    bool failed = false;
    for (Reminder& reminder : ReminderList) {
        if (reminder.colour == ColourReminded && RemoveReminder(reminder.timeText)) {
            continue;
        }
        failed = failed || reminder.colour == ColourReminded;
        kept.push_back(std::move(reminder));
    }
    ReminderList = std::move(kept);
    m_reminders.FillReminderRows(ReminderList);
    if (failed) {
        ShowWriteFailure(Handle(), ReminderConfigPath);
    }
}

void SettingsDialog::OnAutoStart() {
    SetAutoStart(IsDlgButtonChecked(Handle(), IDC_AUTO_START) == BST_CHECKED);
}

// Fires the typed message and the selected event at once, then closes as the close box does.
void SettingsDialog::OnDoNow() {
    if (!m_fields.Read(Handle())) {
        return;
    }
    std::string event = m_events.SelectedName();
    if (m_message.empty() && event.empty()) {
        ShowMessage(Handle(), kNothingToRemindMessage);
        return;
    }
    m_firer.FireReminder(m_message, event);
    EndDialog(IDCANCEL);
}
