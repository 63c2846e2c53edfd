// "Config": the settings window. Its upper half lists the reminders in their colours; below, the
// time boxes, "Every Day", the reminder commands, a colour legend, a running clock and "Auto
// Start"; on the left the message box and the event list with its commands. Every command takes
// effect at once, in the reminder list and in the files; closing the window saves nothing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "events/event_list_panel.h"
#include "reminders/reminder_firer.h"
#include "reminders/reminder_list_view.h"
#include "ui/dialog_fields.h"
#include "ui/modal_dialog.h"

class SettingsDialog : public ModalDialog {
public:
    // How the window ends when "Add Study Event" was pressed: the recorder opens in its place,
    // and a fresh settings window after it.
    static constexpr INT_PTR kRecordStudyEvent = 8;

    // `firer` runs "Do Now": the character window, which owns this window.
    SettingsDialog(HWND parent, ReminderFirer& firer);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    void OnOK() override {}  // Enter adds nothing and keeps the window open
    void OnTimer(UINT_PTR id) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    bool StaticTextColour(int controlId, COLORREF& colour) override;
    bool IsStateLegend(int controlId) const override;

private:
    void OnClockDisplay();
    void OnDueMark();
    void OnEveryDay();
    void OnAddRemind();
    void OnDeleteRemind();
    void OnDeleteBeforeRemind();
    void OnAutoStart();
    void OnDoNow();
    void EnableDateBoxes(bool enable);

    ReminderFirer& m_firer;
    std::string m_currentTimeText;
    std::int32_t m_year = 0;
    std::int32_t m_month = 0;
    std::int32_t m_day = 0;
    std::int32_t m_hour = 0;
    std::int32_t m_minute = 0;
    std::string m_message;
    bool m_everyDay = false;
    DialogFields m_fields;
    ReminderListView m_reminders;
    EventListPanel m_events;
};
