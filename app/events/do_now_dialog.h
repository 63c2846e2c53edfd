// "Do Now": lists every event and runs the chosen one at once, without a message. It opens beside
// the character, on the side where the screen has room.
#pragma once

#include <windows.h>

#include "reminders/reminder_firer.h"
#include "ui/list_controls.h"
#include "ui/modal_dialog.h"

class DoNowDialog : public ModalDialog {
public:
    DoNowDialog(HWND parent, ReminderFirer& firer);

protected:
    BOOL OnInitDialog() override;
    bool PlacesItself() const override { return true; }
    void OnOK() override;

private:
    ReminderFirer& m_firer;
    ListBoxControl m_events;
};
