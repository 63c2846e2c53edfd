// "Missed Reminders": the one window that tells of reminders whose moment went by unseen. It is
// modeless, so reminders keep firing while it stands; what later walks find missed joins the
// same window, and a reminder already listed moves to its newer moment.
#pragma once

#include <windows.h>

#include <vector>

#include "reminders/missed_reminder.h"
#include "reminders/reminder_timeline.h"
#include "ui/modal_dialog.h"

class MissedRemindersDialog : public ModalDialog {
public:
    MissedRemindersDialog();

    // Opens the window over `owner` with these rows, or adds them to the open one. True when the
    // window was opened now (false when it was open already, or could not be opened).
    bool Announce(HWND owner, const std::vector<MissedReminder>& missed);
    bool IsOpen() const { return Handle() != nullptr; }

protected:
    BOOL OnInitDialog() override;
    // Beside the character, so its mouth is seen to open; centred on the screen when it is hidden.
    bool PlacesItself() const override { return true; }

private:
    void FillRows() const;
    void Place() const;

    std::vector<MissedReminder> m_rows;  // oldest first
};
